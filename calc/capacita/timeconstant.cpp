#include "timeconstant.h"

#include "common/numbers.h"

TimeConstantWindow::TimeConstantWindow(const TimeConstantTexts& texts)
    : CalcWindow(texts.form, texts.title),
      texts_(texts),
      Label1(label("Label1", texts.note, {240, 150, 8040, 480})),
      Frame1(frame("Frame1", "dati conosciuti", {240, 780, 3120, 1500})),
      Option1(options("Option1",
                      {{0, texts.options[0], {150, 300, 2820, 330}},
                       {1, texts.options[1], {150, 690, 2820, 330}},
                       {2, texts.options[2], {150, 1080, 2820, 330}}},
                      Frame1)),
      lblinput(labels("lblinput",
                      {{0, QString(), {3600, 1005, 1620, 255}},
                       {1, QString(), {3600, 1545, 1620, 255}},
                       {2, QString(), {3600, 2085, 1620, 255}}})),
      lblumisura(labels("lblumisura",
                        {{0, QString(), {7200, 1005, 1260, 255}},
                         {1, QString(), {7200, 1545, 1260, 255}},
                         {2, QString(), {7200, 2085, 1260, 255}}})),
      txtinput1(textBox("txtinput1", {5280, 960, 1860, 330})),
      txtinput2(textBox("txtinput2", {5280, 1500, 1860, 330})),
      Picture1(drawing("Picture1", {240, 2580, schematic::circuitWidth, schematic::circuitHeight},
                       [part = texts.part](QPainter& p) { schematic::chargingCircuit(p, part); })),
      lblr(label("lblr", QString(), schematic::resistorLabel, Picture1)),
      lblreactive(label(texts.reactiveName, QString(), schematic::reactiveLabel, Picture1)),
      cmdcalcola(button("cmdcalcola", "CALCOLA", {5880, 2880, 2400, 480})),
      cmdesci(closeButton("cmdesci", "ESCI", {5880, 3660, 2400, 480}))
{
    setSizeTwips(8640, 5040);
    label(lblinput, 3, QString(), {5280, 2040, 1860, 330});
    showAsResult(lblinput(3));
    setFontStyle(Label1, 8.5, true);
    for (int i : {0, 1, 2})
        setFontStyle(lblinput(i), 8.5, true);
    setFontStyle(lblinput(3), 8.5, true);
    setFontStyle(lblr, 8.5, true);
    setFontStyle(lblreactive, 8.5, true);
    lblr->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    lblr->setWordWrap(false);
    lblreactive->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    lblreactive->setWordWrap(false);

    Option1.onClick([this](int i) { optionChosen(i); });
    cmdcalcola->onClick([this] { calcola(); });
}

void TimeConstantWindow::optionChosen(int i)
{
    lblinput(3)->setText("?");
    lblr->setText("R");
    lblreactive->setText(texts_.reactiveLetter);
    for (int row = 0; row < 3; ++row) {
        lblinput(row)->setText(texts_.rows[i][row].caption);
        lblumisura(row)->setText(texts_.rows[i][row].unit);
    }
}

void TimeConstantWindow::calcola()
{
    const Real X1 = readNumber(txtinput1->text());
    const Real X2 = readNumber(txtinput2->text());
    if (X1 * X2 == 0) {
        warn(missingData, txtinput1);
        return;
    }
    if (X1 * X2 < 0)
        return;
    const int option = Option1.selected();
    const QString Y = formatFixed(result(option, X1, X2), decimals(option));
    lblinput(3)->setText(Y);
    // The drawing shows the two values known and the one found, each at its own part.
    switch (option) {
    case 0:
        lblr->setText(formatGeneral(X1));
        lblreactive->setText(formatGeneral(X2));
        break;
    case 1:
        lblr->setText(formatGeneral(X2));
        lblreactive->setText(Y);
        break;
    case 2:
        lblr->setText(Y);
        lblreactive->setText(formatGeneral(X2));
        break;
    }
}

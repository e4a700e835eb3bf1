// Reactance of an inductance or of a capacitance at a given frequency, in MHz, µH and pF.

#include "common/calcwindow.h"
#include "common/numbers.h"
#include "common/registry.h"

class frmreattanza : public CalcWindow {
public:
    frmreattanza() : CalcWindow("frmreattanza", "Reattanza ")
    {
        setSizeTwips(6720, 4230);
        setFontStyle(lblfantasma, 9, true);
        setFontStyle(Label1, 8, false);
        Label1->setWordWrap(true);
        showAsResult(lblinput(3));

        Option1.onClick([this](int i) { kindChosen(i); });
        txtinput(0)->onChange([this] { lblinput(3)->setText(QString()); });
        txtinput(1)->onChange([this] { lblinput(3)->setText(QString()); });
        cmdcalcola->onClick([this] { calcola(); });
        cmdchiamabobine->onClick([this] { openCoilCalculator(); });
    }

private:
    // The chosen kind is shown in red, so the reader sees at a glance which reactance the rows mean.
    void kindChosen(int i)
    {
        lblinput(3)->setText(QString());
        setForeColor(Option1(i), QColor(255, 0, 0));
        setForeColor(Option1(1 - i), QColor(0, 0, 0));
        if (i == 0) {
            lblfantasma->setText(QString("XL in Ohm = 6,28 x (Mhz x induttanza in ") + "µ" + "H)");
            lblinput(0)->setText("Mhz");
            lblinput(1)->setText("microH");
            lblinput(2)->setText("XL Ohm");
        } else {
            lblfantasma->setText("XC in Ohm = 159.000 : (Mhz x pF)");
            lblinput(0)->setText("Mhz");
            lblinput(1)->setText("picoF");
            lblinput(2)->setText("XC Ohm");
        }
    }

    void calcola()
    {
        const Real a = readNumber(txtinput(0)->text());
        const Real b = readNumber(txtinput(1)->text());
        if (a * b <= 0) {
            warn(missingData, txtinput(0));
            return;
        }
        // 6.28 for 2π and 159000 for 10^6/2π: the figures of the bench rule, good enough for HF.
        const Real X = Option1.selected() == 0 ? a * b * 6.28 : 159000 / (a * b);
        lblinput(3)->setText(formatFixed(X, 3));
    }

    Frame* Frame1 = frame("Frame1", "Tipo di Reattanza", {240, 180, 3480, 1200});
    OptionGroup& Option1 = options("Option1",
                                   {{0, "REATTANZA  INDUTTIVA", {180, 330, 3180, 330}},
                                    {1, "REATTANZA CAPACITIVA", {180, 720, 3180, 330}}},
                                   Frame1);
    Label* Label1 = label("Label1", "L'uso dei Mhz e dei micro Henry ottimizza il calcolo per le HF",
                          {3960, 360, 2400, 780});
    Label* lblfantasma = label("lblfantasma", QString(), {240, 1560, 6120, 300});
    ControlArray<Label>& lblinput = labels("lblinput",
                                           {{0, QString(), {240, 2130, 1260, 285}},
                                            {1, QString(), {240, 2670, 1260, 285}},
                                            {2, QString(), {240, 3210, 1260, 285}},
                                            {3, QString(), {1620, 3150, 2100, 345}}});
    ControlArray<TextBox>& txtinput = textBoxes("txtinput",
                                                {{0, QString(), {1620, 2070, 2100, 345}},
                                                 {1, QString(), {1620, 2610, 2100, 345}}});
    Button* cmdcalcola = button("cmdcalcola", "CALCOLA", {3960, 2040, 2400, 420});
    Button* cmdchiamabobine = button("cmdchiamabobine", "Costruzione bobine", {3960, 2580, 2400, 420});
    Button* cmnesci = closeButton("cmnesci", "ESCI", {3960, 3120, 2400, 420});
};

REGISTER_WINDOW("frmreattanza", frmreattanza)

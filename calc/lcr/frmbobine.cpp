// Single-layer air-core coil: the turns for a wanted inductance, or the inductance of a number of
// turns, with the length of wire to cut. The coil calculator that the other windows open.

#include "common/calcwindow.h"
#include "common/numbers.h"
#include "common/registry.h"
#include "common/variant.h"

namespace {
const QString micro = QString(QChar(0x00B5));
}

class frmbobine : public CalcWindow {
public:
    frmbobine() : CalcWindow("frmbobine", "CALCOLO BOBINE MONOSTRATO IN ARIA PER STADI NON DI POTENZA")
    {
        setSizeTwips(7680, 5880);
        lbldiametro->setToolTip("calcolato al centro spira");
        txtdiametro->setToolTip("diametro del supporto");
        txtlunghezza->setToolTip("digitare un dato compatibile con la sezione del filo");
        setFontStyle(lbloutput, 9, true);
        setFontStyle(lbllunghezzafilo, 9, true);
        setForeColor(Label3, QColor(0x80, 0x00, 0x00));
        lbloutput->hide();
        lbllunghezzafilo->hide();

        Option1.onClick([this](int i) { optionChosen(i); });
        txtinput->onChange([this] { hideResults(); });
        txtdiametro->onChange([this] { hideResults(); });
        txtlunghezza->onChange([this] { hideResults(); });
        cmdcalcola->onClick([this] { calcola(); });
    }

private:
    void hideResults()
    {
        lbloutput->hide();
        lbllunghezzafilo->hide();
    }

    void optionChosen(int i)
    {
        hideResults();
        lblinput->setText(i == 0 ? "induttanza in " + micro + "H :" : QString("numero di spire :"));
    }

    void calcola()
    {
        const Real D = readNumber(txtdiametro->text());
        const Real Lc = readNumber(txtlunghezza->text());
        const Real X = readNumber(txtinput->text());
        const Real P = Lc * D * X;
        // A check that fails leaves the results hidden: an earlier result shown again beside
        // the incomplete or negative inputs would read as the answer to them.
        if (P == 0) {
            warn(missingData, txtinput);
            return;
        }
        if (P < 0)
            return;
        if (Option1(0)->isChecked()) {
            // X is the wanted inductance in microhenry. The turns are kept as their text with one
            // decimal, and the wire is cut for the rounded number of turns.
            const Variant N = formatFixed(sqrt(1010 * X * (0.45 + Lc / D) / D), 1);
            lbloutput->setText("numero di spire  :   " + N.text() + " in aria");
            const Real wire = floorNumber(N * (3.14 * (D / 10)));
            lbllunghezzafilo->setText("lunghezza del conduttore : " + formatGeneral(wire) + " cm.");
        } else {
            // X is the number of turns. The inductance is single precision, rounded to two
            // decimals through its text.
            Single Lh = D * (X * X) / ((0.45 + Lc / D) * 1010);
            Lh = readLocaleNumber(formatFixed(Lh, 2));
            lbloutput->setText(micro + "Henry :   " + formatGeneral(Lh));
            const Real wire = floorNumber(X * (3.14 * (D / 10)));
            lbllunghezzafilo->setText("lunghezza del conduttore : " + formatGeneral(wire) + " cm.");
        }
        lbloutput->show();
        lbllunghezzafilo->show();
    }

    Frame* Frame1 = frame("Frame1", QString(), {240, 120, 4440, 1020});
    OptionGroup& Option1 = options("Option1",
                                   {{0, "Trovare il numero delle spire", {180, 180, 4080, 330}},
                                    {1, "Trovare il valore dell'Induttanza", {180, 570, 4080, 330}}},
                                   Frame1);
    Label* Label3 = label("Label3", "La lunghezza della bobina deve essere compatibile con la sezione del conduttore",
                          {4920, 240, 2400, 900});
    Label* lblinput = label("lblinput", QString(), {240, 1470, 3240, 255});
    TextBox* txtinput = textBox("txtinput", {3600, 1410, 1560, 315});
    Label* lbldiametro = label("lbldiametro", "diametro interno bobina in millimetri", {240, 1950, 3240, 255});
    TextBox* txtdiametro = textBox("txtdiametro", {3600, 1890, 1560, 315});
    Label* lbllunghezza = label("lbllunghezza", "lunghezza bobina  in millimetri", {240, 2430, 3240, 255});
    TextBox* txtlunghezza = textBox("txtlunghezza", {3600, 2370, 1560, 315});
    Button* cmdcalcola = button("cmdcalcola", "CALCOLA", {5640, 1410, 1680, 450});
    Button* cmdesci = closeButton("cmdesci", "ESCI", {5640, 2235, 1680, 450});
    Label* lbloutput = resultLabel("lbloutput", {240, 2940, 4920, 345});
    Label* lbllunghezzafilo = resultLabel("lbllunghezzafilo", {240, 3420, 4920, 345});
    Label* Label1 = label("Label1",
                          "Le bobine calcolate sono a un solo strato, non schermate e senza nucleo. Il Q più "
                          "elevato si ottiene con un rapporto lunghezza/diametro di circa 2. I valori sono teorici "
                          "e si discostano sempre più da quelli reali al crescere della frequenza, soprattutto "
                          "oltre i 30/40 MHz.",
                          {240, 3960, 7080, 780});
    Label* Label2 = label("Label2",
                          "La formula è quella riportata da un noto manuale per radioamatori e non dipende dal "
                          "diametro del conduttore.",
                          {240, 4740, 7080, 480});
};

REGISTER_WINDOW("frmbobine", frmbobine)

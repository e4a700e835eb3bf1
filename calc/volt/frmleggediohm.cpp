// Ohm's law and power: from any two of volt, ampere, ohm and watt, the other two.

#include "common/calcwindow.h"
#include "common/numbers.h"
#include "common/registry.h"

namespace {
struct Choice {
    const char* formula;
    const char* rows[4]; // captions of the two known values, then of the two results
};

// One row an option: what the user knows, and what the window computes from it.
const Choice choices[6] = {
    {"R = V : I     W= V x I", {"VOLT :", "AMPER :", "OHM :", "WATT :"}},
    {"I = V : R     W = (V x V) : R", {"VOLT :", "OHM :", "AMPER :", "WATT :"}},
    {"I = W : V     R = (V x V) : W", {"VOLT :", "WATT :", "AMPER :", "OHM :"}},
    {"V = I x R     W = (I x I) x R", {"AMPER :", "OHM :", "VOLT :", "WATT :"}},
    {"V = W : I     R = W : (I x I)", {"AMPER :", "WATT :", "VOLT :", "OHM :"}},
    {"V = radice(R x W)   I = radice( W : R)", {"OHM :", "WATT :", "VOLT :", "AMPER :"}},
};

const QString resultPicture = "#,##0.###";
} // namespace

class frmleggediohm : public CalcWindow {
public:
    frmleggediohm() : CalcWindow("frmleggediohm", "POTENZA - TENSIONE - CORRENTE - RESISTENZA")
    {
        setSizeTwips(8100, 5340);
        Frame1->setToolTip("effettuare una scelta");
        txtinput1->setToolTip("immissione dato");
        txtinput2->setToolTip("immissione dato");
        cmdcalcola->setToolTip("abilita il calcolo");
        cdmesci->setToolTip("esce dall'applicazione");
        setFontStyle(lblformule, 9, true);
        for (int i : {0, 1, 2, 3})
            setFontStyle(lblinput(i), 8.5, true);
        showAsResult(lblinput(4));
        showAsResult(lblinput(5));
        lblinput(2)->hide();
        lblinput(3)->hide();

        Option1.onClick([this](int i) { optionChosen(i); });
        txtinput1->onChange([this] { clearResults(); });
        txtinput2->onChange([this] { clearResults(); });
        cmdcalcola->onClick([this] { calcola(); });
    }

private:
    void clearResults()
    {
        lblinput(4)->setText(QString());
        lblinput(5)->setText(QString());
    }

    void optionChosen(int i)
    {
        clearResults();
        lblformule->setText(choices[i].formula);
        for (int row = 0; row < 4; ++row)
            lblinput(row)->setText(choices[i].rows[row]);
    }

    void calcola()
    {
        const Real a = readNumber(txtinput1->text());
        const Real b = readNumber(txtinput2->text());
        // A product that is not positive means a value is missing, zero, or only one is negative.
        if (a * b <= 0) {
            warn(missingData, txtinput1);
            return;
        }
        Real first;
        Real second;
        switch (Option1.selected()) {
        case 0: first = a / b; second = a * b; break;         // V, I: resistance, power
        case 1: first = a / b; second = a * a / b; break;     // V, R: current, power
        case 2: first = b / a; second = a * a / b; break;     // V, W: current, resistance
        case 3: first = a * b; second = a * a * b; break;     // I, R: voltage, power
        case 4: first = b / a; second = b / (a * a); break;   // I, W: voltage, resistance
        case 5: first = sqrt(a * b); second = sqrt(b / a); break; // R, W: voltage, current
        default: return;
        }
        lblinput(4)->setText(formatPattern(first, resultPicture));
        lblinput(5)->setText(formatPattern(second, resultPicture));
        lblinput(2)->show();
        lblinput(3)->show();
    }

    Frame* Frame1 = frame("Frame1", "dati conosciuti", {240, 180, 3000, 3240});
    OptionGroup& Option1 = options("Option1",
                                   {{0, "VOLT  e  AMPERE", {180, 330, 2700, 420}},
                                    {1, "VOLT e  OHM", {180, 810, 2700, 420}},
                                    {2, "VOLT e  WATT", {180, 1290, 2700, 420}},
                                    {3, "AMPERE e OHM", {180, 1770, 2700, 420}},
                                    {4, "AMPERE e  WATT", {180, 2250, 2700, 420}},
                                    {5, "OHM e  WATT", {180, 2730, 2700, 420}}},
                                   Frame1);
    Label* lblformule = label("lblformule", QString(), {3480, 300, 4440, 300});
    ControlArray<Label>& lblinput = labels("lblinput",
                                           {{0, QString(), {3480, 1020, 1260, 285}},
                                            {1, QString(), {3480, 1620, 1260, 285}},
                                            {2, QString(), {3480, 2220, 1260, 285}},
                                            {3, QString(), {3480, 2820, 1260, 285}},
                                            {4, QString(), {4860, 2160, 2700, 345}},
                                            {5, QString(), {4860, 2760, 2700, 345}}});
    TextBox* txtinput1 = textBox("txtinput1", {4860, 960, 2700, 345});
    TextBox* txtinput2 = textBox("txtinput2", {4860, 1560, 2700, 345});
    Label* Label1 = label("Label1", "USARE IL PUNTO PER SEPARARE I DECIMALI", {240, 3660, 4800, 255});
    Button* cmdcalcola = button("cmdcalcola", "CALCOLA", {3480, 4080, 2040, 495});
    Button* cdmesci = closeButton("cdmesci", "CHIUDI", {5880, 4080, 1680, 495});
};

REGISTER_WINDOW("frmleggediohm", frmleggediohm)

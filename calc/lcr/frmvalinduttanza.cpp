// A resonant L-C circuit: the third of frequency, inductance and capacitance from the other two.

#include "common/calcwindow.h"
#include "common/numbers.h"
#include "common/registry.h"

namespace {
// One row an option: caption and unit of the two known values, then of the result.
struct Rows {
    const char* captions[3];
    const char* units[3];
};

const Rows rowsOf[3] = {
    {{"INDUTTANZA :", "CAPACITA' :", "FREQUENZA :"}, {" microH", " pF", " MHz"}},
    {{"FREQUENZA :", "INDUTTANZA :", "CAPACITA' :"}, {" MHz", " microH", " pF"}},
    {{"FREQUENZA :", "CAPACITA' :", "INDUTTANZA :"}, {" MHz", " pF", " microH"}},
};
} // namespace

class frmvalinduttanza : public CalcWindow {
public:
    frmvalinduttanza() : CalcWindow("frmvalinduttanza", "Calcolo dei parametri di un circuito con  Induttanza e Capacità")
    {
        setSizeTwips(8400, 4110);
        for (int i : {0, 1, 2})
            setFontStyle(lblinput(i), 8.5, true);
        showAsResult(lblinput(3));

        Option1.onClick([this](int i) { knownChosen(i); });
        cmdcalcola->onClick([this] { calcola(); });
        cmdchiamabobine->onClick([this] { openCoilCalculator({180, 180}, {4100, 3000}); });
        cmdchiamatoroidi->onClick([this] { openWindow("frmamidon", {Placement{180, 180}, std::nullopt, ShowAs::Modeless}); });
    }

private:
    // The fields keep what was typed: the same two numbers can be read another way round.
    void knownChosen(int i)
    {
        lblinput(3)->setText(QString());
        for (int row = 0; row < 3; ++row) {
            lblinput(row)->setText(rowsOf[i].captions[row]);
            lblumisura(row)->setText(rowsOf[i].units[row]);
        }
    }

    void calcola()
    {
        const Real x1 = readNumber(txtinput1->text());
        const Single x2 = readNumber(txtinput2->text());
        const Real P = x1 * x2;
        if (P == 0) {
            warn(missingData, txtinput1);
            return;
        }
        if (P < 0) {
            // One negative value gives nothing to compute; an answer left from other values
            // would read as the answer to these.
            lblinput(3)->setText(QString());
            return;
        }
        // The row captions say what the two numbers are, so the option chosen last decides.
        const QString first = lblinput(0)->text();
        const QString second = lblinput(1)->text();
        Real result;
        if (first == "INDUTTANZA :" && second == "CAPACITA' :")
            result = 159 / sqrt(x2 * x1);             // frequency in MHz
        else if (first == "FREQUENZA :" && second == "INDUTTANZA :")
            result = 25300 / (x2 * (x1 * x1));        // capacitance in pF
        else if (first == "FREQUENZA :" && second == "CAPACITA' :")
            result = 25300 / (x2 * (x1 * x1));        // inductance in µH
        else
            return;
        lblinput(3)->setText(formatPattern(result, "#,##0.###"));
    }

    Frame* Frame1 = frame("Frame1", "dati conosciuti", {240, 180, 3300, 1620});
    OptionGroup& Option1 = options("Option1",
                                   {{0, "INDUTTANZA e CAPACITA'", {180, 330, 3000, 330}},
                                    {1, "FREQUENZA e INDUTTANZA", {180, 750, 3000, 330}},
                                    {2, "FREQUENZA e CAPACITA'", {180, 1170, 3000, 330}}},
                                   Frame1);
    ControlArray<Label>& lblinput = labels("lblinput",
                                           {{0, QString(), {3840, 330, 1500, 285}},
                                            {1, QString(), {3840, 870, 1500, 285}},
                                            {2, QString(), {3840, 1410, 1500, 285}},
                                            {3, QString(), {5400, 1350, 1260, 345}}});
    TextBox* txtinput1 = textBox("txtinput1", {5400, 270, 1260, 345});
    TextBox* txtinput2 = textBox("txtinput2", {5400, 810, 1260, 345});
    ControlArray<Label>& lblumisura = labels("lblumisura",
                                             {{0, QString(), {6840, 330, 1200, 285}},
                                              {1, QString(), {6840, 870, 1200, 285}},
                                              {2, QString(), {6840, 1410, 1200, 285}}});
    Label* Label1 = label("Label1", "USARE IL PUNTO PER SEPARARE I DECIMALI", {3840, 1920, 4200, 255});
    Button* cmdcalcola = button("cmdcalcola", "CALCOLA", {240, 2400, 3300, 450});
    Button* cmdchiamabobine = button("cmdchiamabobine", "DATI PRATICI COSTRUZIONE BOBINE IN ARIA", {3840, 2400, 4200, 450});
    Button* cmdchiamatoroidi = button("cmdchiamatoroidi", "NUCLEI TOROIDALI  AMIDON", {3840, 2970, 4200, 450});
    Button* cmdesci = closeButton("cmdesci", "ESCI", {240, 2970, 3300, 450});
};

REGISTER_WINDOW("frmvalinduttanza", frmvalinduttanza)

// A tuned circuit whose coil is wound on an iron-powder toroid: from two of inductance, capacitance
// and frequency the third, and the turns that give the inductance on the chosen core.

#include "toroidwindow.h"

#include "common/numbers.h"
#include "common/registry.h"
#include "common/toroids.h"

#include <array>

namespace {
struct Mode {
    const char* option;
    const char* captions[3]; // first input, second input, result
    const char* units[3];
    const char* button;
};

// One row an option: what the user knows, and what the window computes from it.
const Mode modes[3] = {
    {"INDUTTANZA e CAPACITA'", {"INDUTTANZA :", "CAPACITA' :", "FREQUENZA :"}, {" microH", " pF", " MHz"},
     "CALCOLA LA FREQUENZA E LE SPIRE"},
    {"FREQUENZA e INDUTTANZA", {"FREQUENZA :", "INDUTTANZA :", "CAPACITA' :"}, {" MHz", " microH", " pF"},
     "CALCOLA LA CAPACITA' E LE SPIRE"},
    {"FREQUENZA e CAPACITA'", {"FREQUENZA :", "CAPACITA' :", "INDUTTANZA :"}, {" MHz", " pF", " microH"},
     "CALCOLA L'INDUTTANZA E LE SPIRE"},
};

const QColor chosenOption = Qt::blue;
const QColor fieldBackground(0xE0, 0xE0, 0xE0);
} // namespace

class frmsintoniatoro : public ToroidWindow {
public:
    frmsintoniatoro() : ToroidWindow("frmsintoniatoro", "BOBINE DI SINTONIA CON NUCLEI TOROIDALI ", "SELEZIONARE IL TOROIDE")
    {
        setSizeTwips(9480, 7080);
        setForeColor(lblpunto, Qt::red);
        Frame2->setToolTip("EFFETTUARE UNA SCELTA");
        for (int i : {0, 1, 2})
            setFontStyle(lblinput(i), 8.5, true);
        setFontStyle(lblinput(3), 8.5, true);
        setBackColor(txtinput1, fieldBackground);
        setBackColor(txtinput2, fieldBackground);
        Frame1->hide();
        Frame2->hide();
        for (QWidget* w : modeControls())
            w->hide();

        cmbnucleo->onClick([this] { nucleoScelto(); });
        Option1.onClick([this](int i) { modoScelto(i); });
        cmdcalcola->onClick([this] { calcola(); });
    }

    void load() override { toroid.fill(); }

private:
    std::array<QWidget*, 5> modeControls() const { return {txtinput1, txtinput2, cmdcalcola, lblhelp2, lblpunto}; }

    void nucleoScelto()
    {
        toroid.showChosen();
        Frame2->show();
    }

    void modoScelto(int i)
    {
        lblinput(3)->setText(QString());
        lblspire->setText(QString());
        for (QWidget* w : modeControls())
            w->show();
        for (int j : {0, 1, 2})
            setForeColor(Option1(j), j == i ? chosenOption : systemButtonTextColor());
        for (int row : {0, 1, 2}) {
            lblinput(row)->setText(modes[i].captions[row]);
            lblumisura(row)->setText(modes[i].units[row]);
        }
        cmdcalcola->setText(modes[i].button);
    }

    // The mode is the one whose captions stand beside the two fields.
    int modeShown() const
    {
        for (int m : {0, 1, 2})
            if (lblinput(0)->text() == modes[m].captions[0] && lblinput(1)->text() == modes[m].captions[1])
                return m;
        return -1;
    }

    void calcola()
    {
        const Real x1 = readNumber(txtinput1->text());
        const Real x2 = readNumber(txtinput2->text());
        if (x1 * x2 == 0) {
            warn(missingData, txtinput1);
            return;
        }
        // In MHz, microhenry and picofarad the resonance constants are 1000 / 2 pi and 10^6 / 4 pi^2,
        // kept rounded as 159 and 25300.
        Real L;
        switch (modeShown()) {
        case 0: {
            L = x1;
            const Real C = x2;
            const Real f = 159 / sqrt(L * C);
            lblinput(3)->setText(formatFixed(f, 3));
            break;
        }
        case 1: {
            const Real f = x1;
            L = x2;
            const Real C = 25300 / (f * f * L);
            lblinput(3)->setText(formatFixed(C, 3));
            break;
        }
        case 2: {
            const Real f = x1;
            const Real C = x2;
            L = 25300 / (f * f * C);
            lblinput(3)->setText(formatFixed(L, 3));
            break;
        }
        default: return;
        }
        const Real N = 100 * sqrt(L / toroid.al());
        lblspire->setText("OCCORRONO " + formatFixed(N, 1) + " SPIRE");
    }

    Frame* Frame2 = frame("Frame2", "dati conosciuti", {360, 2580, 3120, 1500});
    OptionGroup& Option1 = options("Option1",
                                   {{0, modes[0].option, {180, 330, 2820, 330}},
                                    {1, modes[1].option, {180, 690, 2820, 330}},
                                    {2, modes[2].option, {180, 1050, 2820, 330}}},
                                   Frame2);
    ControlArray<Label>& lblinput = labels("lblinput",
                                           {{0, QString(), {3720, 2745, 1500, 255}},
                                            {1, QString(), {3720, 3195, 1500, 255}},
                                            {2, QString(), {3720, 3645, 1500, 255}},
                                            {3, QString(), {5340, 3645, 1800, 255}}});
    ControlArray<Label>& lblumisura = labels("lblumisura",
                                             {{0, QString(), {7200, 2745, 1000, 255}},
                                              {1, QString(), {7200, 3195, 1000, 255}},
                                              {2, QString(), {7200, 3645, 1000, 255}}});
    TextBox* txtinput1 = textBox("txtinput1", {5280, 2700, 1800, 330});
    TextBox* txtinput2 = textBox("txtinput2", {5280, 3150, 1800, 330});
    Label* lblspire = resultLabel("lblspire", {360, 4320, 5400, 360});
    Label* lblpunto = label("lblpunto", "SEPARARE GLI EVENTUALI DECIMALI CON IL PUNTO", {360, 4860, 8760, 255});
    Label* lblhelp2 = label("lblhelp2",
                            " IL RISULTATO E' TEORICO IN QUANTO LA PIU' O MENO OMOGENEA DISTRIBUZIONE DELLE SPIRE "
                            "MODIFICA    L' INDUTTANZA E GLI STESSI  PRODUTTORI DEI TOROIDI DICHIARANO UNA TOLLERANZA "
                            "DEL 20 % DELLA PERMEABILITA'",
                            {360, 5220, 8760, 720});
    Button* cmdcalcola = button("cmdcalcola", QString(), {360, 6060, 3600, 420});
    Button* cmdesci = closeButton("cmdesci", "E S C I", {7320, 6060, 1800, 420});

    ToroidDisplay toroid{cmbnucleo, Frame1, lblcolor, lblcolore, lbldimensioni, {lblinput(3), lblspire}};
};

REGISTER_WINDOW("frmsintoniatoro", frmsintoniatoro)

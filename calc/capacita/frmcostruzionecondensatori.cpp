// A home-made plate capacitor: capacitance from the plate area, the spacing and the dielectric.

#include "common/calcwindow.h"
#include "common/numbers.h"
#include "common/registry.h"

namespace {
// Relative permittivity of the dielectrics on offer, in the order of the options.
const double dielectricConstants[10] = {
    1,   // ARIA
    5.4, // MICA
    3,   // CELLULOIDE
    5.6, // CERAMICA
    4.6, // VETRONITE
    4.9, // BACHELITE
    6,   // FORMICA
    7,   // VETRO
    4.8, // PIREX
    2.8, // PLEXIGLAS
};

// Breakdown voltage of dry air against the gap between the plates.
struct Breakdown {
    const char* volts;
    const char* spacing;
};
const Breakdown breakdownTable[5] = {
    {"1800 V", "1,3"},
    {"3000 V", "1,8"},
    {"3500 V", "2"},
    {"4000 V", "2,5"},
    {"5000 V", "3,5"},
};
} // namespace

class frmcostruzionecondensatori : public CalcWindow {
public:
    frmcostruzionecondensatori() : CalcWindow("frmcostruzionecondensatori", "COSTRUZIONE CONDENSATORI")
    {
        setSizeTwips(9120, 6240);
        frame1->setToolTip("valore della costante dielettrica");
        txtsuperficie->setToolTip("in centimetri quadri");
        txtdistanza->setToolTip("in millimetri");
        setFontStyle(Label2, 8.5, true);
        setFontStyle(Label3, 8.5, true);
        setFontStyle(lblcapacità, 9, true);
        for (int row = 0; row < 5; ++row) {
            label(QStringLiteral("lblscarica%1").arg(row), breakdownTable[row].volts,
                  {600, 600 + row * 240, 2160, 240}, Frame2)->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
            label(QStringLiteral("lblspaziatura%1").arg(row), breakdownTable[row].spacing,
                  {3000, 600 + row * 240, 2160, 240}, Frame2)->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        }
        for (Label* heading : {lblintestazione1, lblintestazione2}) {
            setFontStyle(heading, 8.5, true);
            heading->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        }
        Option1.onClick([this](int i) { dielettrico(i); });
        cmdcalcola->onClick([this] { calcola(); });
    }

private:
    void dielettrico(int i)
    {
        lblcapacità->setText(QString());
        epsilon = dielectricConstants[i];
    }

    void calcola()
    {
        const Real S = readNumber(txtsuperficie->text());
        Real d = readNumber(txtdistanza->text());
        if (S * d <= 0) {
            warn(missingData, txtsuperficie);
            return;
        }
        d = d / 10; // millimetres to centimetres
        // 0.0885 pF/cm is the permittivity of free space; the result is held in single precision.
        Single C = 0.0885 * epsilon * S / d;
        C = roundPattern(C, "#,##0.#");
        lblcapacità->setText("LA CAPACITA' DEL CONDENSATORE E' CIRCA : " + formatGeneral(C) + "  pF");
    }

    Real epsilon; // relative permittivity of the dielectric chosen

    // The dielectric comes first in the tab order, so the window opens with air chosen.
    Frame* frame1 = frame("frame1", "DIELETTRICO", {240, 840, 3240, 2160});
    OptionGroup& Option1 = options("Option1",
                                   {{0, "ARIA", {150, 300, 1440, 330}},
                                    {1, "MICA", {150, 660, 1440, 330}},
                                    {2, "CELLULOIDE", {150, 1020, 1440, 330}},
                                    {3, "CERAMICA", {150, 1380, 1440, 330}},
                                    {4, "VETRONITE", {150, 1740, 1440, 330}},
                                    {5, "BACHELITE", {1680, 300, 1440, 330}},
                                    {6, "FORMICA", {1680, 660, 1440, 330}},
                                    {7, "VETRO", {1680, 1020, 1440, 330}},
                                    {8, "PIREX", {1680, 1380, 1440, 330}},
                                    {9, "PLEXIGLAS", {1680, 1740, 1440, 330}}},
                                   frame1);
    Label* Label1 = label("Label1",
                          "E' ormai raro che ci si debba cimentare nella costruzione di condensatori, sia fissi che "
                          "variabili.  Tuttavia può essere a volte necessario, per esempio nell'ipotesi di "
                          "realizzazione di antenne EH o trappolate. Conoscendo la superficie e la distanza delle "
                          "armature si può calcolare la capacità .",
                          {240, 120, 8520, 660});
    Label* Label2 = label("Label2", "SUPERFICIE DELL'ARMATURA, OSSIA SEZIONE DEL DIELETTRICO   in cmq",
                          {3720, 930, 3600, 480});
    TextBox* txtsuperficie = textBox("txtsuperficie", {7440, 990, 1320, 330});
    Label* Label3 = label("Label3", "DISTANZA DELLE ARMATURE, OSSIA SPESSORE DEL DIELETTRICO   in mm",
                          {3720, 1590, 3600, 480});
    TextBox* txtdistanza = textBox("txtdistanza", {7440, 1650, 1320, 330});
    Button* cmdcalcola = button("cmdcalcola", "CALCOLA", {3720, 2400, 2400, 480});
    Button* cmdesci = closeButton("cmdesci", "E S C I", {6360, 2400, 2400, 480});
    Label* lblcapacità = resultLabel("lblcapacità", {240, 3240, 8520, 420});
    Frame* Frame2 = frame("Frame2", "Tensione di scarica teorica in aria (secca)", {240, 3720, 5760, 1800});
    Label* lblintestazione1 = label("lblintestazione1", "Tensione di scarica", {600, 300, 2160, 255}, Frame2);
    Label* lblintestazione2 = label("lblintestazione2", "Spaziatura in mm", {3000, 300, 2160, 255}, Frame2);
};

REGISTER_WINDOW("frmcostruzionecondensatori", frmcostruzionecondensatori)

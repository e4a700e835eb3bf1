// The time constant of a resistor and a capacitor, or from it one of the two.

#include "timeconstant.h"

#include "common/registry.h"

namespace {
const TimeConstantTexts texts = {
    "frmcostantetemporc",
    "Calcolo costante di tempo in un circuito con  Resistenza e Capacità",
    "LA COSTANTE DI TEMPO RAPPRESENTA IL TEMPO IMPIEGATO DA UN CONDENSATORE A CARICARSI AL 63 %  ATTRAVERSO UNA "
    "RESISTENZA",
    {"RESISTENZA e CAPACITA'", "TEMPO e RESISTENZA", "TEMPO e CAPACITA'"},
    {
        {{"RESISTENZA :", " megaOhm"}, {"CAPACITA' :", " microFarad"}, {"TEMPO :", " secondi"}},
        {{"TEMPO :", " secondi"}, {"RESISTENZA :", " megaOhm"}, {"CAPACITA' :", " microFarad"}},
        {{"TEMPO :", " secondi"}, {"CAPACITA' :", " microFarad"}, {"RESISTENZA :", " megaOhm"}},
    },
    "lblc",
    "C",
    schematic::Reactive::Capacitor,
};
} // namespace

class frmcostantetemporc : public TimeConstantWindow {
public:
    frmcostantetemporc() : TimeConstantWindow(texts) {}

private:
    // Megaohm times microfarad is seconds.
    Real result(int option, Real X1, Real X2) const override
    {
        switch (option) {
        case 0: return X1 * X2; // seconds from R and C
        case 1: return X1 / X2; // microfarad from t and R
        default: return X1 / X2; // megaohm from t and C
        }
    }
    int decimals(int) const override { return 4; }
};

REGISTER_WINDOW("frmcostantetemporc", frmcostantetemporc)

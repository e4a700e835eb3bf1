// The time constant of a resistor and an inductor, or from it one of the two.

#include "timeconstant.h"

#include "common/registry.h"

namespace {
const TimeConstantTexts texts = {
    "frmcostantetemporl",
    "Calcolo costante di tempo in un circuito con  Resistenza e Induttanza",
    "LA COSTANTE DI TEMPO RAPPRESENTA IL TEMPO IMPIEGATO DALLA CORRENTE A RAGGIUNGERE IL 63 %  DEL VALORE MASSIMO",
    {"RESISTENZA e INDUTTANZA", "TEMPO e RESISTENZA", "TEMPO e INDUTTANZA"},
    {
        {{"RESISTENZA :", " Ohm"}, {"INDUTTANZA :", " microHenry"}, {"TEMPO :", " microsec"}},
        {{"TEMPO :", " microsec"}, {"RESISTENZA :", " Ohm"}, {"INDUTTANZA :", " microHenry"}},
        {{"TEMPO :", " microsec"}, {"INDUTTANZA :", " microHenry"}, {"RESISTENZA :", " Ohm"}},
    },
    "lbll",
    "L",
    schematic::Reactive::Inductor,
};
} // namespace

class frmcostantetemporl : public TimeConstantWindow {
public:
    frmcostantetemporl() : TimeConstantWindow(texts) {}

private:
    // Microhenry over ohm is microseconds.
    Real result(int option, Real X1, Real X2) const override
    {
        switch (option) {
        case 0: return X2 / X1; // microseconds from R and L
        case 1: return X1 * X2; // microhenry from t and R
        default: return X2 / X1; // ohm from t and L
        }
    }
    // An inductance from microseconds and ohms keeps six decimals.
    int decimals(int option) const override { return option == 1 ? 6 : 4; }
};

REGISTER_WINDOW("frmcostantetemporl", frmcostantetemporl)

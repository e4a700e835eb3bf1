// Impedance of an R-L-C circuit at resonance: the resonant frequency, the impedance of the series
// and of the parallel circuit, and the Q and bandwidth of the series circuit.

#include "resonantcircuit.h"

#include "common/numbers.h"
#include "common/registry.h"

class frmimprisonanza : public ResonantCircuitWindow {
public:
    frmimprisonanza()
        : ResonantCircuitWindow("frmimprisonanza", "CALCOLO DELL'IMPEDENZA IN UN CIRCUITO IN RISONANZA",
                                "NOTA LA CAPACITA',  L' INDUTTANZA E LA RESISTENZA,  SI DETERMINA IL VALORE "
                                "DELL'IMPEDENZA IN UN CIRCUITO  R-L-C  IN RISONANZA, SUPPONENDO CHE I COMPONENTI "
                                "SIANO PRIVI DI PERDITE",
                                QString())
    {
        setSizeTwips(9720, 5340);
        cmdcalcola->onClick([this] { calcola(); });
    }

private:
    void calcola()
    {
        const std::optional<Resonance> r = resonance();
        if (!r)
            return;
        lblfrequenza->setText("FREQUENZA DI RISONANZA : " + formatFixed(r->f0, 3) + " MHz");
        lblzserie->setText("IMPEDENZA SERIE : " + formatGeneral(r->R) + " Ohm");
        lblzparallelo->setText("IMPEDENZA PARALLELO : " + formatGeneral(roundFixed(r->Zp, 1)) + " Ohm");
        lblqserie->setText("IL Q DEL CIRCUITO SERIE E' =  " + formatFixed(r->Qs, 1));
        lbllbserie->setText("LARGHEZZA DI BANDA SERIE = " + formatGeneral(roundFixed(r->Bs, 3)) + " KHz");
    }

    Button* cmdcalcola = button("cmdcalcola", "CALCOLA", {4920, 4200, 2100, 420});
    Button* cdmesci = closeButton("cdmesci", "E S C I", {7260, 4200, 2100, 420});
};

REGISTER_WINDOW("frmimprisonanza", frmimprisonanza)

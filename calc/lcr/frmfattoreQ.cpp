// Figure of merit and 3 dB bandwidth of an R-L-C circuit at resonance, for the series and for the
// parallel circuit, with the resonant frequency and the two impedances.

#include "resonantcircuit.h"

#include "common/numbers.h"
#include "common/registry.h"

class frmfattoreQ : public ResonantCircuitWindow {
public:
    frmfattoreQ()
        : ResonantCircuitWindow("frmfattoreQ", "CALCOLO DEL  FATTORE DI MERITO E DELLA LARGHEZZA DI BANDA",
                                "SI DETERMINA IL FATTORE DI MERITO E LA LARGHEZZA DI BANDA  A 3 dB  IN UN CIRCUITO  "
                                "R-L-C  IN RISONANZA, SUPPONENDO CHE I COMPONENTI SIANO PRIVI DI PERDITE",
                                "2")
    {
        setSizeTwips(9720, 5760);
        cmdcalcola->onClick([this] { calcola(); });
    }

private:
    void clearResults() override
    {
        ResonantCircuitWindow::clearResults();
        lblqparallelo->setText(QString());
        lbllbparallelo->setText(QString());
    }

    void calcola()
    {
        const std::optional<Resonance> r = resonance();
        if (!r)
            return;
        // The parallel Q is taken as R over the reactance, as the window has always shown it.
        const Real Qp = r->R / r->XL;
        const Real Bp = 1000 * r->f0 / Qp;
        lblfrequenza->setText("FREQUENZA DI RISONANZA : " + formatPattern(r->f0, "###,##0.###") + " MHz");
        lblzserie->setText("IMPEDENZA SERIE : " + formatGeneral(r->R) + " Ohm");
        lblzparallelo->setText("IMPEDENZA PARALLELO : " + formatGeneral(roundPattern(r->Zp, "###,##0.#")) + " Ohm");
        lblqserie->setText("IL Q DEL CIRCUITO SERIE E' =  " + formatPattern(r->Qs, "##0.#"));
        lbllbserie->setText("LARGHEZZA DI BANDA SERIE = " + formatPattern(r->Bs, "##,##0.###") + " KHz");
        lblqparallelo->setText("IL Q DEL CIRCUITO PARALLELO E' =  " + formatPattern(Qp, "##0.#"));
        lbllbparallelo->setText("LARGHEZZA DI BANDA PARALLELO = " + formatGeneral(roundPattern(Bp, "##,##0.###")) + " KHz");
    }

    Label* lblqparallelo = resultLabel("lblqparallelo", {4920, 4200, 4440, 345});
    Label* lbllbparallelo = resultLabel("lbllbparallelo", {4920, 4620, 4440, 345});

    Button* cmdcalcola = button("cmdcalcola", "CALCOLA", {240, 4620, 2100, 420});
    Button* cdmesci = closeButton("cdmesci", "E S C I", {2580, 4620, 2100, 420});
};

REGISTER_WINDOW("frmfattoreQ", frmfattoreQ)

// Impedance of an R-L-C circuit at resonance: the resonant frequency, the impedance of the series
// and of the parallel circuit, and the Q and bandwidth of the series circuit.

#include "common/calcwindow.h"
#include "common/numbers.h"
#include "common/registry.h"

class frmimprisonanza : public CalcWindow {
public:
    frmimprisonanza() : CalcWindow("frmimprisonanza", "CALCOLO DELL'IMPEDENZA IN UN CIRCUITO IN RISONANZA")
    {
        setSizeTwips(9720, 5340);
        for (Label* heading : {Label4, Label5}) {
            heading->setAlignment(Qt::AlignCenter);
            setFontStyle(heading, 9, true);
        }
        Label6->setWordWrap(true);
        for (Label* result : {lblfrequenza, lblzserie, lblzparallelo, lblqserie, lbllbserie})
            showAsResult(result);

        cmdcalcola->onClick([this] { calcola(); });
    }

private:
    void clearResults()
    {
        for (Label* result : {lblfrequenza, lblzserie, lblzparallelo, lblqserie, lbllbserie})
            result->setText(QString());
    }

    void calcola()
    {
        const Real R = readNumber(txtR->text());
        const Real L = readNumber(txtL->text());
        const Real C = readNumber(txtC->text());
        const Real product = C * L * R;
        if (product == 0) {
            warn(missingData, txtC);
            return;
        }
        if (product < 0) {
            // Nothing is computed; results of other values must not stand beside these.
            clearResults();
            return;
        }
        if (R < 0.05) {
            warn("RESISTENZA TROPPO PICCOLA", txtR, noticeTitle);
            return;
        }
        // 159.155 for 10^3/2π with L in µH and C in pF; the reactance then takes 6.28 for 2π.
        const Real f0 = 159.155 / sqrt(L * C);
        const Real XL = L * f0 * 6.28;
        const Real Qs = XL / R;
        const Real Bs = 1000 * f0 / Qs;
        const Real Zp = 1000000 * L / (R * C);

        lblfrequenza->setText("FREQUENZA DI RISONANZA : " + formatFixed(f0, 3) + " MHz");
        lblzserie->setText("IMPEDENZA SERIE : " + formatGeneral(R) + " Ohm");
        lblzparallelo->setText("IMPEDENZA PARALLELO : " + formatGeneral(roundFixed(Zp, 1)) + " Ohm");
        lblqserie->setText("IL Q DEL CIRCUITO SERIE E' =  " + formatFixed(Qs, 1));
        lbllbserie->setText("LARGHEZZA DI BANDA SERIE = " + formatGeneral(roundFixed(Bs, 3)) + " KHz");
    }

    Label* Label4 = label("Label4", "risonanza serie", {240, 180, 2700, 285});
    Picture* Picture1 = picture("Picture1", ":/assets/risonanza_serie.svg", {240, 480, 2700, 1800});
    Label* Label5 = label("Label5", "risonanza parallelo", {3180, 180, 2700, 285});
    Picture* Picture2 = picture("Picture2", ":/assets/risonanza_parallelo.svg", {3180, 480, 2700, 1800});

    Label* Label1 = label("Label1", "CAPACITA'  IN picoFARAD", {6240, 480, 3120, 285});
    TextBox* txtC = textBox("txtC", {6240, 765, 1800, 345});
    Label* Label2 = label("Label2", "INDUTTANZA IN microHENRY", {6240, 1200, 3120, 285});
    TextBox* txtL = textBox("txtL", {6240, 1485, 1800, 345});
    Label* Label3 = label("Label3", "RESISTENZA IN OHM", {6240, 1920, 3120, 285});
    TextBox* txtR = textBox("txtR", {6240, 2205, 1800, 345});

    Label* Label6 = label("Label6",
                          "NOTA LA CAPACITA',  L' INDUTTANZA E LA RESISTENZA,  SI DETERMINA IL VALORE DELL'IMPEDENZA "
                          "IN UN CIRCUITO  R-L-C  IN RISONANZA, SUPPONENDO CHE I COMPONENTI SIANO PRIVI DI PERDITE",
                          {240, 2760, 9120, 480});

    Label* lblfrequenza = label("lblfrequenza", QString(), {240, 3360, 4440, 345});
    Label* lblzserie = label("lblzserie", QString(), {240, 3780, 4440, 345});
    Label* lblzparallelo = label("lblzparallelo", QString(), {240, 4200, 4440, 345});
    Label* lblqserie = label("lblqserie", QString(), {4920, 3360, 4440, 345});
    Label* lbllbserie = label("lbllbserie", QString(), {4920, 3780, 4440, 345});

    Button* cmdcalcola = button("cmdcalcola", "CALCOLA", {4920, 4200, 2100, 420});
    Button* cdmesci = closeButton("cdmesci", "E S C I", {7260, 4200, 2100, 420});
};

REGISTER_WINDOW("frmimprisonanza", frmimprisonanza)

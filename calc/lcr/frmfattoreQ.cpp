// Figure of merit and 3 dB bandwidth of an R-L-C circuit at resonance, for the series and for the
// parallel circuit, with the resonant frequency and the two impedances.

#include "common/calcwindow.h"
#include "common/numbers.h"
#include "common/registry.h"

#include <array>

class frmfattoreQ : public CalcWindow {
public:
    frmfattoreQ() : CalcWindow("frmfattoreQ", "CALCOLO DEL  FATTORE DI MERITO E DELLA LARGHEZZA DI BANDA")
    {
        setSizeTwips(9720, 5760);
        for (Label* heading : {Label4, Label5}) {
            heading->setAlignment(Qt::AlignCenter);
            setFontStyle(heading, 9, true);
        }
        Label6->setWordWrap(true);
        for (Label* result : results())
            showAsResult(result);

        cmdcalcola->onClick([this] { calcola(); });
    }

private:
    std::array<Label*, 7> results() const
    {
        return {lblfrequenza, lblzserie, lblzparallelo, lblqserie, lbllbserie, lblqparallelo, lbllbparallelo};
    }

    void clearResults()
    {
        for (Label* result : results())
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
        const Real Qp = R / XL;
        const Real Bp = 1000 * f0 / Qp;

        lblfrequenza->setText("FREQUENZA DI RISONANZA : " + formatPattern(f0, "###,##0.###") + " MHz");
        lblzserie->setText("IMPEDENZA SERIE : " + formatGeneral(R) + " Ohm");
        lblzparallelo->setText("IMPEDENZA PARALLELO : " + formatGeneral(roundPattern(Zp, "###,##0.#")) + " Ohm");
        lblqserie->setText("IL Q DEL CIRCUITO SERIE E' =  " + formatPattern(Qs, "##0.#"));
        lbllbserie->setText("LARGHEZZA DI BANDA SERIE = " + formatPattern(Bs, "##,##0.###") + " KHz");
        lblqparallelo->setText("IL Q DEL CIRCUITO PARALLELO E' =  " + formatPattern(Qp, "##0.#"));
        lbllbparallelo->setText("LARGHEZZA DI BANDA PARALLELO = " + formatGeneral(roundPattern(Bp, "##,##0.###")) + " KHz");
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
    TextBox* txtR = textBox("txtR", {6240, 2205, 1800, 345}, nullptr, "2");

    Label* Label6 = label("Label6",
                          "SI DETERMINA IL FATTORE DI MERITO E LA LARGHEZZA DI BANDA  A 3 dB  IN UN CIRCUITO  R-L-C  "
                          "IN RISONANZA, SUPPONENDO CHE I COMPONENTI SIANO PRIVI DI PERDITE",
                          {240, 2760, 9120, 480});

    Label* lblfrequenza = label("lblfrequenza", QString(), {240, 3360, 4440, 345});
    Label* lblzserie = label("lblzserie", QString(), {240, 3780, 4440, 345});
    Label* lblzparallelo = label("lblzparallelo", QString(), {240, 4200, 4440, 345});
    Label* lblqserie = label("lblqserie", QString(), {4920, 3360, 4440, 345});
    Label* lbllbserie = label("lbllbserie", QString(), {4920, 3780, 4440, 345});
    Label* lblqparallelo = label("lblqparallelo", QString(), {4920, 4200, 4440, 345});
    Label* lbllbparallelo = label("lbllbparallelo", QString(), {4920, 4620, 4440, 345});

    Button* cmdcalcola = button("cmdcalcola", "CALCOLA", {240, 4620, 2100, 420});
    Button* cdmesci = closeButton("cdmesci", "E S C I", {2580, 4620, 2100, 420});
};

REGISTER_WINDOW("frmfattoreQ", frmfattoreQ)

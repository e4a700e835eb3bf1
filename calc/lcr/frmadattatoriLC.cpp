// L-network matching a lower input resistance to a higher output resistance at one frequency, in
// its two forms: series capacitor with shunt inductor, series inductor with shunt capacitor.
//
// The series element, on the low side, carries the reactance Rin·√(ρ−1); the shunt element, across
// the high side, Rin·ρ/√(ρ−1), where ρ = Rout/Rin. Each form realises the same two reactances.

#include "common/calcwindow.h"
#include "common/numbers.h"
#include "common/registry.h"

class frmadattatoriLC : public CalcWindow {
public:
    frmadattatoriLC() : CalcWindow("frmadattatoriLC", "ADATTATORI AD INDUTTANZA - CAPACITA'")
    {
        setSizeTwips(9120, 5160);
        txtinput->setToolTip("minore dell'impedenza output");
        txtoutput->setToolTip("maggiore dell'impedenza input");
        for (Label* value : {lblC1, lblL2})
            value->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        for (Label* value : {lblL1, lblC2})
            value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        for (Label* value : {lblC1, lblL1, lblL2, lblC2})
            setFontStyle(value, 9, true);
        for (Label* end : {Label6, Label8})
            end->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
        Label4->setWordWrap(true);

        cmdcalcola->onClick([this] { calcola(); });
        cmdchiamabobine->onClick([this] { openCoilCalculator({180, 180}, {4100, 3000}); });
    }

private:
    void calcola()
    {
        const Real f = readNumber(txtfrequenza->text());
        const Real Rin = readNumber(txtinput->text());
        const Real Rout = readNumber(txtoutput->text());
        const Real product = Rout * Rin * f;
        if (product == 0) {
            warn("IMMETTERE DATI", txtfrequenza);
            return;
        }
        if (product < 0) {
            // Nothing to design; the values of other resistances must not stay on the drawings.
            showNoValues();
            return;
        }
        if (Rin >= Rout) {
            warn("l'impedenza d'entrata deve essere minore di quella d'uscita", txtinput, "AVVISO");
            return;
        }
        const Real rho = Rout / Rin;
        const Real X1 = Rin * sqrt(rho - 1);
        const Real X2 = Rin * rho / sqrt(rho - 1);
        // 159000 for 10^6/2π and 6.28318 for 2π, with the units in MHz, pF and µH.
        const Real C1 = 159000 / (X1 * f);
        const Single L2 = X1 / (6.28318 * f);
        const Real C2 = 159000 / (X2 * f);
        const Real L1 = X2 / (6.28318 * f);
        lblC1->setText(formatFixed(C1, 1) + " pF");
        lblC2->setText(formatFixed(C2, 1) + " pF");
        lblL1->setText(formatFixed(L1, 1) + "µ" + "H");
        lblL2->setText(formatFixed(L2, 1) + "µ" + "H");
    }

    void showNoValues()
    {
        lblC1->setText("C");
        lblL1->setText("L");
        lblL2->setText("L");
        lblC2->setText("C");
    }

    Label* Label1 = label("Label1", "FREQUENZA in MHz", {240, 270, 2700, 285});
    TextBox* txtfrequenza = textBox("txtfrequenza", {3000, 210, 1680, 345});
    Label* Label2 = label("Label2", "IMPEDENZA INPUT in Ohm", {240, 750, 2700, 285});
    TextBox* txtinput = textBox("txtinput", {3000, 690, 1680, 345});
    Label* Label3 = label("Label3", "IMPEDENZA OUTPUT in Ohm", {240, 1230, 2700, 285});
    TextBox* txtoutput = textBox("txtoutput", {3000, 1170, 1680, 345});
    Button* cmdcalcola = button("cmdcalcola", "CALCOLA", {5400, 180, 3480, 420});
    Button* cmdchiamabobine = button("cmdchiamabobine", "COST.BOBINE", {5400, 660, 3480, 420});
    Button* cmdesci = closeButton("cmdesci", "E S C I", {5400, 1140, 3480, 420});

    // Series capacitor, shunt inductor. The pictures are 4200 x 1950: the series element stands at
    // 1575 on the top line, the shunt element at 2700 between the lines.
    Picture* Picture1 = picture("Picture1", ":/assets/rete_l_cserie.svg", {240, 1800, 4200, 1950});
    Label* Label5 = label("Label5", "Input", {180, 983, 780, 285}, Picture1);
    Label* lblC1 = label("lblC1", "C", {675, 45, 1800, 285}, Picture1);
    Label* lblL1 = label("lblL1", "L", {1020, 983, 1590, 285}, Picture1);
    Label* Label6 = label("Label6", "Output", {2880, 983, 1080, 285}, Picture1);

    // Series inductor, shunt capacitor.
    Picture* Picture2 = picture("Picture2", ":/assets/rete_l_lserie.svg", {4680, 1800, 4200, 1950});
    Label* Label7 = label("Label7", "Input", {180, 983, 780, 285}, Picture2);
    Label* lblL2 = label("lblL2", "L", {675, 45, 1800, 285}, Picture2);
    Label* lblC2 = label("lblC2", "C", {960, 983, 1410, 285}, Picture2);
    Label* Label8 = label("Label8", "Output", {2940, 983, 1020, 285}, Picture2);

    Label* Label4 = label("Label4",
                          "LE PERDITE SONO DOVUTE ALLA RESISTENZA OHMICA DEL FILO DELLA BOBINA E ALLA PERDITA DI "
                          "ISOLAMENTO NEL DIELETTRICO DEL CONDENSATORE",
                          {240, 3960, 8640, 480});
};

REGISTER_WINDOW("frmadattatoriLC", frmadattatoriLC)

// The voltage across a capacitor charging through a resistor, a given time after switching on.

#include "chargingcircuit.h"

#include "common/calcwindow.h"
#include "common/numbers.h"
#include "common/registry.h"

class frmesempiocostempo : public CalcWindow {
public:
    frmesempiocostempo() : CalcWindow("frmesempiocostempo", "TENSIONE AI CAPI DI UN CONDENSATORE ISTANTE PER ISTANTE")
    {
        setSizeTwips(8640, 5760);
        setFontStyle(Label1, 8.5, true);
        for (Label* l : {Label2, Label3, Label4, Label5})
            setFontStyle(l, 8.5, true);
        setFontStyle(lbloutput, 8.5, true);
        for (Label* l : {lblr, lblc, lblalim}) {
            setFontStyle(l, 8.5, true);
            l->setWordWrap(false);
        }
        lblr->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
        lblc->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        lblalim->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        cmdcalcola->onClick([this] { calcola(); });
    }

private:
    void calcola()
    {
        const Real C = readNumber(txtcapacita->text());
        const Real R = readNumber(txtohm->text());
        const Real t = readNumber(txtsecondi->text());
        const Real E = readNumber(txttensalim->text());
        if (E * t * R * C == 0) {
            warn(missingData, txtcapacita);
            return;
        }
        if (E * t * R * C < 0)
            return;
        // Microseconds over ohm times microfarad: the time counted in time constants. 2.71 stands for e
        // as it always has in this window, so the voltages match those users have noted down.
        const Real x = -t / (C * R);
        const Real Vc = (1 - pow(2.71, x)) * E;
        lbloutput->setText("LA TENSIONE AI CAPI DEL CONDENSATORE E'  " + formatFixed(Vc, 4) + "  VOLT");
        lblr->setText(formatGeneral(R));
        lblc->setText(formatGeneral(C));
        lblalim->setText(formatGeneral(E));
    }

    Label* Label1 = label("Label1",
                          "SI DETERMINA LA DIFFERENZA DI POTENZIALE RAGGIUNTA DA UN CONDENSATORE IN FUNZIONE DELLA "
                          "CAPACITA, DELLA  RESISTENZA E DEL TEMPO",
                          {240, 150, 8040, 480});
    Label* Label2 = label("Label2", "CAPACITA' IN microF", {240, 885, 2580, 255});
    TextBox* txtcapacita = textBox("txtcapacita", {2880, 840, 1740, 330});
    Label* Label3 = label("Label3", "RESISTENZA IN OHM", {240, 1365, 2580, 255});
    TextBox* txtohm = textBox("txtohm", {2880, 1320, 1740, 330});
    Label* Label4 = label("Label4", "TEMPO in microsecondi", {240, 1845, 2580, 255});
    TextBox* txtsecondi = textBox("txtsecondi", {2880, 1800, 1740, 330});
    Label* Label5 = label("Label5", "TENS. ALIM. in Volt", {240, 2325, 2580, 255});
    TextBox* txttensalim = textBox("txttensalim", {2880, 2280, 1740, 330});
    Label* lbloutput = resultLabel("lbloutput", {240, 2820, 8040, 390});
    Drawing* Picture1 = drawing("Picture1", {240, 3360, schematic::circuitWidth, schematic::circuitHeight},
                                [](QPainter& p) { schematic::chargingCircuit(p, schematic::Reactive::Capacitor); });
    Label* lblr = label("lblr", "R", schematic::resistorLabel, Picture1);
    Label* lblc = label("lblc", "C", schematic::reactiveLabel, Picture1);
    Label* lblalim = label("lblalim", "tens. alim.", schematic::supplyLabel, Picture1);
    Button* cmdcalcola = button("cmdcalcola", "CALCOLA", {5880, 840, 2400, 480});
    Button* cmdesci = closeButton("cmdesci", "ESCI", {5880, 1800, 2400, 480});
};

REGISTER_WINDOW("frmesempiocostempo", frmesempiocostempo)

// The iron-powder toroid catalogue: the colour code and size of each core, and the turns that give
// an inductance on the chosen one.

#include "toroidwindow.h"

#include "common/numbers.h"
#include "common/registry.h"
#include "common/toroids.h"

#include <array>

class frmamidon : public ToroidWindow {
public:
    frmamidon() : ToroidWindow("frmamidon", "NUCLEI TOROIDALI IN POLVERE DI FERRO   SERIE T", "SELEZIONARE IL TOROIDE")
    {
        setSizeTwips(9480, 5700);
        setForeColor(lblpunto, Qt::red);
        txtinduttanza->setToolTip("INDUTTANZA IN microHENRY");
        Frame1->hide();
        for (QWidget* w : turnsControls())
            w->hide();

        cmbnucleo->onClick([this] { nucleoScelto(); });
        txtinduttanza->onChange([this] { lblspire->setText(QString()); });
        cmdcalcola->onClick([this] { calcola(); });
    }

    void load() override { toroid.fill(); }

private:
    std::array<QWidget*, 4> turnsControls() const { return {cmdcalcola, txtinduttanza, lblhelp2, lblpunto}; }

    void nucleoScelto()
    {
        toroid.showChosen();
        // Once a core is known the inductance can be asked for; the controls stay from then on.
        for (QWidget* w : turnsControls())
            w->show();
    }

    void calcola()
    {
        const Real L = readNumber(txtinduttanza->text());
        if (L == 0) {
            lblspire->setText("INSERIRE INDUTTANZA");
            focusTo(txtinduttanza);
            return;
        }
        const Real N = 100 * sqrt(L / toroid.al());
        lblspire->setText("OCCORRONO " + formatFixed(N, 1) + " SPIRE");
    }

    Label* lblhelp2 = label("lblhelp2",
                            "PER TROVARE IL NUMERO DELLE SPIRE INSERIRE IL VALORE DELL'INDUTTANZA IN microHENRY. IL "
                            "RISULTATO E' TEORICO IN QUANTO LA PIU' O MENO OMOGENEA DISTRIBUZIONE DELLE SPIRE MODIFICA  "
                            "L' INDUTTANZA E GLI STESSI  PRODUTTORI DICHIARANO UNA TOLLERANZA DEL 20 % DELLA "
                            "PERMEABILITA'",
                            {360, 2580, 8760, 780});
    TextBox* txtinduttanza = textBox("txtinduttanza", {360, 3480, 1800, 330});
    Label* lblpunto = label("lblpunto", "GLI EVENTUALI DECIMALI DEVONO ESSERE SEPARATI CON IL PUNTO", {2400, 3525, 6720, 255});
    Label* lblspire = resultLabel("lblspire", {360, 4020, 5400, 360});
    Button* cmdcalcola = button("cmdcalcola", "CALCOLA", {360, 4620, 1800, 420});
    Button* cmdesci = closeButton("cmdesci", "E S C I", {7320, 4620, 1800, 420});

    ToroidDisplay toroid{cmbnucleo, Frame1, lblcolor, lblcolore, lbldimensioni, {lblspire}};
};

REGISTER_WINDOW("frmamidon", frmamidon)

// A broadband transformer on an iron-powder toroid that matches an antenna to its cable: the turns
// on the antenna side and, interleaved with them, the turns on the cable side.

#include "toroidwindow.h"

#include "common/numbers.h"
#include "common/registry.h"
#include "common/toroids.h"

#include <array>

class frmadattatoritoroidali : public ToroidWindow {
public:
    frmadattatoritoroidali()
        : ToroidWindow("frmadattatoritoroidali", " ADATTATORI  D'IMPEDENZA A NUCLEI TOROIDALI  PER ANTENNE",
                       "CLICCARE SUL TOROIDE SELEZIONATO")
    {
        setSizeTwips(9480, 6480);
        setForeColor(lblpunto, Qt::red);
        for (TextBox* t : {txtfrequenza, txtimpantenna, txtimpcavo})
            t->setToolTip("SEPARARE I DECIMALI CON IL PUNTO");
        Frame1->hide();
        lblpunto->hide();
        for (QWidget* w : inputControls())
            w->hide();

        cmbnucleo->onClick([this] { nucleoScelto(); });
        for (TextBox* t : {txtfrequenza, txtimpantenna, txtimpcavo})
            t->onChange([this] { clearResults(); });
        cmdcalcola->onClick([this] { calcola(); });
    }

    void load() override { toroid.fill(); }

private:
    std::array<QWidget*, 7> inputControls() const
    {
        return {cmdcalcola, Label1, txtfrequenza, Label2, txtimpantenna, Label3, txtimpcavo};
    }

    void clearResults()
    {
        lblspireprimario->setText(QString());
        lblspiresecondario->setText(QString());
    }

    void nucleoScelto()
    {
        toroid.showChosen();
        lblhelp->hide();
        lblpunto->show();
        for (QWidget* w : inputControls())
            w->show();
    }

    void calcola()
    {
        const Real f = readNumber(txtfrequenza->text());
        const Real Za = readNumber(txtimpantenna->text());
        const Real Zc = readNumber(txtimpcavo->text());
        const Real product = Zc * Za * f;
        if (product == 0) {
            warn(missingData, txtfrequenza);
            return;
        }
        if (product < 0)
            return;
        // The antenna winding has a reactance of five times the antenna impedance at the working
        // frequency; the cable winding follows from the impedance ratio.
        const Real L = 5 * Za / (6.28 * f);
        const Real Np = 100 * sqrt(L / toroid.al());
        const Real Ns = Np / sqrt(Za / Zc);
        lblspireprimario->setText("OCCORRONO " + formatFixed(Np, 1) + " SPIRE VERSO L'ANTENNA");
        lblspiresecondario->setText("INTERCALATE CON " + formatFixed(Ns, 1) + " SPIRE VERSO IL CAVO");
    }

    Label* lblhelp = label("lblhelp",
                           "SELEZIONARE UN TOROIDE IDONEO PER FREQUENZA E DIMENSIONI PER USO RADIANTISTICO SONO "
                           "CONSIGLIATE LE MISCELE : 2 - 6 - 12",
                           {360, 840, 8760, 510});
    Label* Label1 = label("Label1", "FREQUENZA DI LAVORO DELL'ANTENNA in MHz", {360, 2685, 4200, 255});
    TextBox* txtfrequenza = textBox("txtfrequenza", {4680, 2640, 1500, 330});
    Label* Label2 = label("Label2", "IMPEDENZA DELL'ANTENNA in OHM", {360, 3135, 4200, 255});
    TextBox* txtimpantenna = textBox("txtimpantenna", {4680, 3090, 1500, 330});
    Label* Label3 = label("Label3", "IMPEDENZA DEL CAVO in OHM", {360, 3585, 4200, 255});
    TextBox* txtimpcavo = textBox("txtimpcavo", {4680, 3540, 1500, 330}, nullptr, "50");
    Label* lblpunto = label("lblpunto", "SEPARARE GLI EVENTUALI DECIMALI CON IL PUNTO", {360, 4050, 8760, 255});
    Label* lblspireprimario = resultLabel("lblspireprimario", {360, 4440, 8760, 360});
    Label* lblspiresecondario = resultLabel("lblspiresecondario", {360, 4920, 8760, 360});
    Button* cmdcalcola = button("cmdcalcola", "CALCOLA", {360, 5460, 1800, 420});
    Button* cmdesci = closeButton("cmdesci", "E S C I", {7320, 5460, 1800, 420});

    ToroidDisplay toroid{cmbnucleo, Frame1, lblcolor, lblcolore, lbldimensioni, {lblspireprimario, lblspiresecondario}};
};

REGISTER_WINDOW("frmadattatoritoroidali", frmadattatoritoroidali)

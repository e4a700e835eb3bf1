// The information window of "Leggimi": the rule for typing decimals, the version, the disclaimer.

#include "common/calcwindow.h"
#include "common/registry.h"

class frmabaut : public CalcWindow {
public:
    frmabaut() : CalcWindow("frmabaut", "Informazioni")
    {
        setSizeTwips(8700, 5820);
        setFontStyle(Label1, 9.5, true);
        setForeColor(Label1, QColor(0, 0, 128));
        setFontStyle(Label2, 9, true);
        for (Label* disclaimer : {Label4, Label5, Label6})
            setForeColor(disclaimer, QColor(96, 32, 0));
    }

private:
    Picture* Picture1 = picture("Picture1", ":/assets/inventor.svg", {240, 240, 3300, 3480});
    Label* Label1 = label("Label1",
                          "Gli eventuali decimali devono essere separati dalle unità tramite il punto del "
                          "tastierino numerico; l'operatività è risultata molto più pratica e veloce che con "
                          "l'uso della virgola.",
                          {3780, 240, 4680, 1260});
    Label* Label2 = label("Label2", "VERSIONE CORRENTE : 2.10    1/2008", {3780, 1680, 4680, 285});
    Label* Label3 = label("Label3", "prima vers. 4/2002", {3780, 2010, 4680, 255});
    Label* Label4 = label("Label4",
                          "Il programma è di libero utilizzo e non si assume alcuna responsabilità, "
                          "espressa o implicita.",
                          {3780, 2460, 4680, 480});
    Label* Label5 = label("Label5",
                          "In nessun caso potrà essere richiesta responsabilità per incidenti o danni "
                          "causati, direttamente o indirettamente, dall'uso o dal funzionamento del programma.",
                          {3780, 3000, 4680, 720});
    Label* Label6 = label("Label6", "Il semplice utilizzo del programma significa accettare quanto sopra.",
                          {3780, 3780, 4680, 480});
    Button* cmdchiudi = closeButton("cmdchiudi", "CHIUDI", {6660, 4440, 1800, 495});
};

REGISTER_WINDOW("frmabaut", frmabaut)

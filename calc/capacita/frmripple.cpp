// The reservoir capacitor after a bridge rectifier, for a chosen ripple percentage.

#include "common/schematic.h"

#include "common/calcwindow.h"
#include "common/numbers.h"
#include "common/registry.h"
#include "common/variant.h"

#include <QPainter>

namespace {
// The bridge, the reservoir capacitor and the direct-current output, in twips of the drawing.
void paintBridge(QPainter& p)
{
    using namespace schematic;
    p.fillRect(QRectF(0, 0, 4155, 1800), Qt::white);
    begin(p);
    const QPointF top(950, 480), right(1370, 900), bottom(950, 1320), left(530, 900);
    diode(p, top, right);
    diode(p, bottom, right);
    diode(p, left, top);
    diode(p, left, bottom);
    // Alternating current in at the top and bottom corners.
    wire(p, {top, {950, 300}, {150, 300}});
    wire(p, {bottom, {950, 1500}, {150, 1500}});
    terminal(p, {150, 300});
    terminal(p, {150, 1500});
    text(p, QRectF(60, 780, 600, 240), Qt::AlignLeft | Qt::AlignVCenter, "AC");
    // Positive out of the right corner, negative out of the left one, under the input wire.
    wire(p, {right, {3300, 900}});
    wire(p, {left, {530, 1400}});
    wireWithHop(p, {530, 1400}, {530, 1650}, {530, 1500});
    wire(p, {{530, 1650}, {3300, 1650}});
    capacitor(p, {2100, 900}, {2100, 1650}, true);
    junction(p, {2100, 900});
    junction(p, {2100, 1650});
    text(p, QRectF(1450, 1150, 330, 255), Qt::AlignRight | Qt::AlignVCenter, "C");
    terminal(p, {3300, 900});
    terminal(p, {3300, 1650});
    text(p, QRectF(3420, 1020, 700, 240), Qt::AlignLeft | Qt::AlignVCenter, "CC");
}
} // namespace

class frmripple : public CalcWindow {
public:
    frmripple() : CalcWindow("frmripple", "Dimensionamento del condensatore anti ripple")
    {
        txtpercentuale->setToolTip("inserisci percentuale ");
        txtvolt->setToolTip("inserisci Volt");
        txtcorrente->setToolTip("massima corrente prevista");
        setFontStyle(Label8, 7.5);
        for (Label* l : {Label3, Label4, Label5})
            setFontStyle(l, 8.5, true);
        for (Label* l : {lblV, lblC})
            setFontStyle(l, 8.5, true);
        for (Label* l : {lblVeff, lblVp, lblVpp, lblelettrolitico})
            l->hide();
        cmdcalcola->onClick([this] { calcola(); });
    }

    void load() override { setSizeTwips(8595, 5200); }

private:
    void calcola()
    {
        const Real p = readNumber(txtpercentuale->text());
        const Real V = readNumber(txtvolt->text());
        const Real I = readNumber(txtcorrente->text());
        if (I * V == 0) {
            warn(missingData, txtpercentuale);
            return;
        }
        if (I * V < 0)
            return;
        // The ripple voltages are kept as the text shown, and the next step starts from that text.
        const Variant Veff = formatFixed(V * p / 100, 3);
        const Variant Vp = formatFixed(1.4 * Veff, 3);
        const Variant Vpp = formatFixed(2.8 * Veff, 3);
        // Full-wave rectification of 50 Hz mains charges the capacitor 100 times a second. A ripple of
        // 0 % leaves Vpp at zero, and the division stops the calculation with its message.
        Real C = 1e6 * I / (100 * Vpp);
        C = roundFixed(C, 0);
        lblV->setText(formatGeneral(V));
        lblC->setText(formatGeneral(C));
        lblVeff->setText("VOLT EFFICACI DEL RIPPLE = " + Veff.text());
        lblVp->setText("VOLT DI PICCO DEL RIPPLE = " + Vp.text());
        lblVpp->setText("VOLT PICCO-PICCO DEL RIPPLE = " + Vpp.text());
        lblelettrolitico->setText("CAPACITA' IN microFarad : " + formatGeneral(C));
        for (Label* l : {lblVeff, lblVp, lblVpp, lblelettrolitico})
            l->show();
    }

    Label* Label1 = label("Label1",
                          "L'ondulazione residua (RIPPLE) presente all'uscita di un ponte raddrizzatore, aumenta con il "
                          "crescere della corrente e può essere ridotta aumentando la capacità del condensatore "
                          "elettrolitico di livellamento. Una capacità troppo elevata è tuttavia causa di una elevata "
                          "corrente in fase di accensione dell'alimentatore, con possibile danno per i diodi se non sono "
                          "di potenza adeguata.",
                          {120, 60, 8235, 840});
    Label* Label2 = label("Label2",
                          "La situazione ottimale è pertanto quella che prevede un dimensionamento dell'elettrolitico "
                          "tale da ridurre il ripple a valori accettabili, senza danneggiare i diodi. Fissata la "
                          "percentuale di ripple, si ricava il valore del condensatore.",
                          {120, 900, 8235, 600});
    Label* Label3 = label("Label3", "PERCENTUALE DI RIPPLE PREVISTA :", {120, 1620, 3180, 255});
    TextBox* txtpercentuale = textBox("txtpercentuale", {3330, 1575, 750, 315}, nullptr, "2");
    Label* Label4 = label("Label4", "TENSIONE CC ALL'USCITA DEL PONTE", {120, 2010, 3180, 255});
    TextBox* txtvolt = textBox("txtvolt", {3330, 1965, 750, 315}, nullptr, "18");
    Label* Label5 = label("Label5", "CORRENTE IN AMPERE :", {120, 2400, 3180, 255});
    TextBox* txtcorrente = textBox("txtcorrente", {3330, 2355, 750, 315});
    Label* lblVeff = resultLabel("lblVeff", {120, 2790, 3960, 285});
    Label* lblVp = resultLabel("lblVp", {120, 3105, 3960, 285});
    Label* lblVpp = resultLabel("lblVpp", {120, 3420, 3960, 285});
    Label* lblelettrolitico = resultLabel("lblelettrolitico", {120, 3735, 3960, 285});
    Drawing* Picture1 = drawing("Picture1", {4200, 1560, 4155, 1800}, paintBridge);
    Label* lblC = label("lblC", QString(), {2400, 1150, 840, 255}, Picture1);
    Label* lblV = label("lblV", QString(), {3420, 1280, 700, 255}, Picture1);
    Button* cmdcalcola = button("cmdcalcola", "CALCOLA", {4200, 3570, 1980, 450});
    Button* cmdesci = closeButton("cmdesci", "E S C I", {6375, 3570, 1980, 450});
    Label* Label8 = label("Label8",
                          "il RIPPLE è definito come il rapporto tra il valore efficace della componente alternata e la "
                          "componente continua",
                          {120, 4200, 8235, 300});
};

REGISTER_WINDOW("frmripple", frmripple)

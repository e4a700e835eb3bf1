// A broadband transformer wound on a ferrite rod. The permeability of a rod cannot be read from any
// marking, so each winding comes as a range of turns between the lowest and the highest AL that
// such rods are presumed to have.

#include "common/calcwindow.h"
#include "common/numbers.h"
#include "common/registry.h"

#include <QLinearGradient>
#include <QPainter>

namespace {
// Microhenry per 100 turns of an ordinary rod: at the lowest and at the highest presumed permeability.
const Real alLowest = 120;
const Real alHighest = 280;

// The rod seen from the side, with the two windings layered over its middle.
void paintRod(QPainter& p)
{
    const QRectF body(360, 420, 3000, 480);
    const qreal endWidth = 180;

    QLinearGradient shade(0, body.top(), 0, body.bottom());
    shade.setColorAt(0.0, QColor(0x70, 0x70, 0x70));
    shade.setColorAt(0.3, QColor(0xC8, 0xC8, 0xC8));
    shade.setColorAt(1.0, QColor(0x50, 0x50, 0x50));
    p.setPen(QPen(QColor(0x40, 0x40, 0x40), 15));
    p.setBrush(shade);
    p.drawRect(body);
    p.setBrush(QColor(0x90, 0x90, 0x90));
    p.drawEllipse(QRectF(body.right() - endWidth / 2, body.top(), endWidth, body.height()));
    p.setBrush(shade);
    p.drawEllipse(QRectF(body.left() - endWidth / 2, body.top(), endWidth, body.height()));

    // The turns of the two windings, side by side in two colours of enamelled wire.
    const QColor copper(0xB8, 0x73, 0x33);
    const QColor red(0x9A, 0x2A, 0x1E);
    const int turns = 14;
    const qreal pitch = 120;
    const qreal firstTurn = 1020;
    const qreal lastTurn = firstTurn + (turns - 1) * pitch;
    for (int turn = 0; turn < turns; ++turn) {
        const qreal x = firstTurn + turn * pitch;
        p.setPen(QPen(turn % 2 == 0 ? copper : red, 45, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(x, body.top() - 30), QPointF(x + 60, body.bottom() + 30));
    }
    // The leads: the first winding's slanting away, the second's straight out.
    p.setPen(QPen(copper, 30, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(firstTurn, body.top() - 30), QPointF(firstTurn - 240, 120));
    p.drawLine(QPointF(lastTurn - 60, body.bottom() + 30), QPointF(lastTurn + 180, 1200));
    p.setPen(QPen(red, 30, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(firstTurn + pitch, body.top() - 30), QPointF(firstTurn + pitch, 120));
    p.drawLine(QPointF(lastTurn + 60, body.bottom() + 30), QPointF(lastTurn + 60, 1200));
}
} // namespace

class frmtrasferroxcube : public CalcWindow {
public:
    frmtrasferroxcube() : CalcWindow("frmtrasferroxcube", "TRASFORMATORI CILINDRICI PER RADIO FREQUENZA IN FERROXCUBE")
    {
        setSizeTwips(9480, 5820);
        txtf->setToolTip("MASSIMO 3 MEGA HERTZ");
        setFontStyle(Label5, 8.5, true);
        lblh->hide();

        for (TextBox* t : {txtf, txtimpinput, txtimpoutput})
            t->onChange([this] { clearResults(); });
        cmdcalcola->onClick([this] { calcola(); });
    }

private:
    void clearResults()
    {
        lblspire1->setText(QString());
        lblspire2->setText(QString());
    }

    void calcola()
    {
        const Real f = readNumber(txtf->text());
        const Real Zin = readNumber(txtimpinput->text());
        const Real Zout = readNumber(txtimpoutput->text());
        if (Zout * Zin * f <= 0) {
            warn(missingData, txtf);
            return;
        }
        // Ordinary ferrite is too lossy above 3 MHz, and below 0.1 MHz the windings outgrow a rod.
        if (f < 0.1 || f > 3) {
            warn("FREQUENZA NON COMPATIBILE", txtf, noticeTitle);
            return;
        }
        // The input winding has a reactance of five times the input impedance.
        const Real L = 5 * Zin / (6.28 * f);
        const Real N120 = 100 * sqrt(L / alLowest);
        const Real N280 = 100 * sqrt(L / alHighest);
        const Real r = sqrt(Zin / Zout);
        const Real M120 = N120 / r;
        const Real M280 = N280 / r;
        // Whole turns, from the unrounded counts; the higher AL needs fewer turns, so it comes first.
        lblspire1->setText("L'ENTRATA E' FORMATA DA " + formatGeneral(floorNumber(N280)) + " - "
                           + formatGeneral(floorNumber(N120)) + " SPIRE");
        lblspire2->setText("L'USCITA E' FORMATA DA " + formatGeneral(floorNumber(M280)) + " - "
                           + formatGeneral(floorNumber(M120)) + " SPIRE");
        lblh->show();
    }

    Label* Label1 = label("Label1", "FREQUENZA DI LAVORO in MHz :", {360, 405, 3240, 255});
    TextBox* txtf = textBox("txtf", {3660, 360, 1500, 330});
    Label* Label2 = label("Label2", "IMPEDENZA D' ENTRATA in OHM :", {360, 855, 3240, 255});
    TextBox* txtimpinput = textBox("txtimpinput", {3660, 810, 1500, 330});
    Label* Label3 = label("Label3", "IMPEDENZA D' USCITA in OHM :", {360, 1305, 3240, 255});
    TextBox* txtimpoutput = textBox("txtimpoutput", {3660, 1260, 1500, 330});
    Drawing* Shape1 = drawing("Shape1", {5580, 240, 3600, 1320}, paintRod);
    Label* Label4 = label("Label4",
                          "I NUCLEI CILINDRICI IN FERRITE SONO DI SOLITO CARATTERIZZATI DA UNA PERMEABILITA' SUPERIORE "
                          "RISPETTO QUELLA DEI TOROIDI IN POLVERE DI FERRO, TUTTAVIA RIMANE UN PARAMETRO NON RILEVABILE DA "
                          "ALCUNA SIGLA RIPORTATA SUL COMPONENTE, QUINDI IL  RISULTATO DEI CALCOLI FORNISCE UN INTERVALLO "
                          "DI VALORI CHE TIENE CONTO DELLA PRESUMIBILE  PERMEABILITA' MINIMA E MASSIMA",
                          {360, 1800, 8760, 780});
    Label* Label5 = label("Label5", "LE NORMALI FERRITI NON SONO UTILIZZABILI OLTRE  3 MHz", {360, 2700, 8760, 255});
    Label* lblspire1 = resultLabel("lblspire1", {360, 3120, 8760, 360});
    Label* lblspire2 = resultLabel("lblspire2", {360, 3600, 8760, 360});
    Label* lblh = label("lblh", "I DUE AVVOLGIMENTI  VANNO REALIZZATI A STRATI SOVRAPPOSTI O INTERCALATI", {360, 4080, 8760, 255});
    Button* cmdcalcola = button("cmdcalcola", "CALCOLA", {360, 4500, 1800, 420});
    Button* cmdesci = closeButton("cmdesci", "C H I U D I", {7320, 4500, 1800, 420});
};

REGISTER_WINDOW("frmtrasferroxcube", frmtrasferroxcube)

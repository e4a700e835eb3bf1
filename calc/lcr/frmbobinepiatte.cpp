// Flat square spiral etched on the board, for VHF: from the track width, the spacing and the
// turns, the sides of the coil and its approximate inductance.

#include "common/calcwindow.h"
#include "common/numbers.h"
#include "common/registry.h"

#include <QPainter>

#include <algorithm>

namespace {
const QString micro = QString(QChar(0x00B5));

// The sketch, in twips of the drawing: three turns whose band is as wide as the hole, as in the
// coils this window designs (outer side three times the inner one).
constexpr int track = 255;
constexpr int gap = 255;
constexpr int pitch = track + gap;
constexpr int turns = 3;
constexpr int side = 3570;     // outermost turn, centre line to centre line
constexpr int left0 = 480;     // first corner of the spiral
constexpr int top0 = 1020;
constexpr int half = track / 2;

constexpr int outerLeft = left0 - half;
constexpr int outerRight = left0 + side + half;
constexpr int innerLeft = left0 + 2 * pitch + half;
constexpr int innerRight = left0 + side - 2 * pitch - half;

// Where the dimensions stand.
constexpr int outerDimensionY = 640;
constexpr int innerDimensionY = top0 + 2250;
constexpr int trackDimensionY = top0 + 900;
constexpr int gapDimensionY = top0 + 2520;
constexpr int labelColumn = outerRight + 540;

const QColor board(0xe6, 0xee, 0xdc);
const QColor boardEdge(0x9a, 0xb0, 0x8a);
const QColor copper(0xc8, 0x74, 0x2c);
const QColor copperEdge(0x8a, 0x4b, 0x17);
const QColor ink(0x1f, 0x3a, 0x93);

// The corners of the spiral from the outer end inwards: right, down, left, up. After the first
// three full sides every second run is one pitch shorter, which keeps neighbouring runs one pitch
// apart.
QPolygon spiralCorners()
{
    QPolygon corners;
    QPoint at(left0, top0);
    corners << at;
    const QPoint directions[4] = {{1, 0}, {0, 1}, {-1, 0}, {0, -1}};
    for (int run = 0; run < 4 * turns; ++run) {
        const int length = side - (std::max(0, run - 1) / 2) * pitch;
        at += directions[run % 4] * length;
        corners << at;
    }
    return corners;
}

void arrowHead(QPainter& p, QPointF tip, QPointF from)
{
    QLineF back(tip, from);
    back.setLength(90);
    QLineF across = back.normalVector();
    across.setLength(36);
    const QPointF side = across.p2() - across.p1();
    p.drawPolygon(QPolygonF({tip, back.p2() + side, back.p2() - side}));
}

// A dimension line with an arrow at each end.
void dimension(QPainter& p, QPointF a, QPointF b)
{
    p.drawLine(a, b);
    arrowHead(p, a, b);
    arrowHead(p, b, a);
}

void pad(QPainter& p, QPoint centre)
{
    p.setPen(QPen(copperEdge, 15));
    p.setBrush(copper);
    p.drawRect(QRect(centre - QPoint(190, 190), QSize(380, 380)));
    p.setBrush(Qt::white);
    p.drawEllipse(centre, 70, 70);
}

void paintSpiral(QPainter& p, const QSize& size)
{
    p.setPen(QPen(boardEdge, 30));
    p.setBrush(board);
    p.drawRoundedRect(QRect(QPoint(15, 15), size - QSize(30, 30)), 120, 120);

    const QPolygon corners = spiralCorners();
    // Copper: a darker outline under the track gives it an etched edge.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(copperEdge, track + 30, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawPolyline(corners);
    p.setPen(QPen(copper, track, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawPolyline(corners);
    pad(p, corners.first());
    pad(p, corners.last());

    p.setPen(QPen(ink, 15));
    p.setBrush(ink);
    // Outer side, above the coil, with its extension lines.
    p.drawLine(outerLeft, top0 - half - 60, outerLeft, outerDimensionY - 90);
    p.drawLine(outerRight, top0 - half - 60, outerRight, outerDimensionY - 90);
    dimension(p, QPointF(outerLeft, outerDimensionY), QPointF(outerRight, outerDimensionY));
    // Inner side, across the hole.
    dimension(p, QPointF(innerLeft, innerDimensionY), QPointF(innerRight, innerDimensionY));
    // Width of the outermost track on the right: arrows onto both of its edges.
    const int trackRight = left0 + side + half;
    const int trackLeft = left0 + side - half;
    p.drawLine(labelColumn - 60, trackDimensionY, trackRight, trackDimensionY);
    arrowHead(p, QPointF(trackRight, trackDimensionY), QPointF(trackRight + 100, trackDimensionY));
    arrowHead(p, QPointF(trackLeft, trackDimensionY), QPointF(trackLeft - 100, trackDimensionY));
    p.drawLine(trackLeft - gap + 30, trackDimensionY, trackLeft, trackDimensionY);
    // The gap next to it, with a leader across the track to its label.
    const int gapRight = trackLeft;
    const int gapLeft = trackLeft - gap;
    dimension(p, QPointF(gapLeft, gapDimensionY), QPointF(gapRight, gapDimensionY));
    p.drawLine(labelColumn - 60, gapDimensionY + 150, outerRight + 120, gapDimensionY + 150);
    p.drawLine(outerRight + 120, gapDimensionY + 150, (gapLeft + gapRight) / 2, gapDimensionY + 20);
}
} // namespace

class frmbobinepiatte : public CalcWindow {
public:
    frmbobinepiatte() : CalcWindow("frmbobinepiatte", "BOBINE SU CIRCUITO STAMPATO")
    {
        setSizeTwips(9660, 5700);
        for (Label* name : {Label1, Label2, Label3, Label4}) {
            setFontStyle(name, 7.5, true);
            setForeColor(name, ink);
        }
        Label1->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        Label2->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        Label3->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        Label4->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        setFontStyle(Label8, 8, true);
        setFontStyle(lblinduttanza, 8.5, true);
        // A large inductance moves its value to a second line rather than out of the box.
        lblinduttanza->setWordWrap(true);

        txtlp->onChange([this] { lblinduttanza->setText(QString()); });
        txtls->onChange([this] { lblinduttanza->setText(QString()); });
        txtn->onChange([this] { lblinduttanza->setText(QString()); });
        cmdcalcola->onClick([this] { calcola(); });
    }

private:
    void calcola()
    {
        const Real w = readNumber(txtlp->text());
        const Real s = readNumber(txtls->text());
        const Real n = readNumber(txtn->text());
        if (n * s * w <= 0) {
            warn("MANCA DATO", txtlp);
            return;
        }
        // The inner side holds as much as the band of turns; the outer side is three times it.
        const Real t = w * n + s * (n - 1);
        const Real Lraw = (log(t) / log(Real(10)) + 0.9031) * pow(n, Real(5) / 3) * (t * 5.6568);
        Label1->setText(formatFixed(3 * t, 1) + " mm");
        Label2->setText(formatFixed(t, 1) + " mm");
        Label3->setText(formatGeneral(w) + " mm");
        Label4->setText(formatGeneral(s) + " mm");
        const Real L = roundFixed(Lraw / 1000, -1);
        lblinduttanza->setText("L'INDUTTANZA E' " + micro + "HENRY " + formatGeneral(L));
    }

    Drawing* spiral = drawing("spiral", {120, 120, 6240, 5040},
                              [this](QPainter& p) { paintSpiral(p, spiral->size() * twipsPerPixel); });
    Label* Label1 = label("Label1", "LATO ESTERNO", {left0 + side / 2 - 1050, 300, 2100, 300}, spiral);
    Label* Label2 = label("Label2", "LATO INTERNO", {innerLeft + 60, innerDimensionY - 480, innerRight - innerLeft - 120, 420}, spiral);
    Label* Label3 = label("Label3", "LARG. PISTA", {labelColumn, trackDimensionY - 150, 1380, 300}, spiral);
    Label* Label4 = label("Label4", "DIST.PISTA", {labelColumn, gapDimensionY, 1380, 300}, spiral);

    Label* Label8 = label("Label8",
                          "IMPOSTATA LA LARGHEZZA E LA DISTANZA DELLE PISTE NONCHE'  IL NR. DELLE SPIRE SI "
                          "OTTENGONO LE DIMENSIONI DELLA BOBINA E L'INDUTTANZA APPROSSIMATIVA",
                          {6540, 180, 2880, 1320});
    Label* Label5 = label("Label5", "LARGHEZZA PISTA in mm", {6540, 1680, 2880, 255});
    TextBox* txtlp = textBox("txtlp", {6540, 1950, 1560, 315});
    Label* Label6 = label("Label6", "DISTANZA PISTE in mm", {6540, 2400, 2880, 255});
    TextBox* txtls = textBox("txtls", {6540, 2670, 1560, 315});
    Label* Label7 = label("Label7", "NUMERO SPIRE", {6540, 3120, 2880, 255});
    TextBox* txtn = textBox("txtn", {6540, 3390, 1560, 315});
    Label* lblinduttanza = resultLabel("lblinduttanza", {6540, 3840, 2880, 540});
    Button* cmdcalcola = button("cmdcalcola", "CALCOLA", {6540, 4620, 1320, 450});
    Button* cmdesci = closeButton("cmdesci", "E S C I", {8100, 4620, 1320, 450});
};

REGISTER_WINDOW("frmbobinepiatte", frmbobinepiatte)

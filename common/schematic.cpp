#include "schematic.h"

#include "controls.h"

#include <QApplication>
#include <QLineF>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace schematic {
namespace {
constexpr double penWidth = 22; // a pixel and a half

// The unit vector from a to b and its normal, to lay a symbol along its wire.
struct Axis {
    QPointF along;
    QPointF across;
    QPointF middle;
    double length;
};

Axis axis(QPointF a, QPointF b)
{
    const QPointF d = b - a;
    const double length = std::hypot(d.x(), d.y());
    const QPointF u = length > 0 ? d / length : QPointF(1, 0);
    return {u, QPointF(-u.y(), u.x()), (a + b) / 2, length};
}

// Leads from both ends up to a body of the given length in the middle; returns its two ends.
std::pair<QPointF, QPointF> leads(QPainter& p, QPointF a, QPointF b, double body)
{
    const Axis ax = axis(a, b);
    const QPointF start = ax.middle - ax.along * (body / 2);
    const QPointF end = ax.middle + ax.along * (body / 2);
    p.drawLine(a, start);
    p.drawLine(end, b);
    return {start, end};
}
} // namespace

void begin(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    QPen pen(QColor(0x20, 0x20, 0x20), penWidth);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
}

void wire(QPainter& p, std::initializer_list<QPointF> points)
{
    const QPointF* previous = nullptr;
    for (const QPointF& point : points) {
        if (previous)
            p.drawLine(*previous, point);
        previous = &point;
    }
}

void wireWithHop(QPainter& p, QPointF a, QPointF b, QPointF over)
{
    const Axis ax = axis(a, b);
    constexpr double radius = 90;
    const QPointF before = over - ax.along * radius;
    const QPointF after = over + ax.along * radius;
    p.drawLine(a, before);
    QPainterPath hop(before);
    // The arc bulges to the left of the direction of travel.
    hop.cubicTo(before - ax.across * radius * 1.33, after - ax.across * radius * 1.33, after);
    p.drawPath(hop);
    p.drawLine(after, b);
}

void junction(QPainter& p, QPointF at)
{
    p.save();
    p.setBrush(p.pen().color());
    p.drawEllipse(at, 40, 40);
    p.restore();
}

void terminal(QPainter& p, QPointF at)
{
    p.save();
    p.setBrush(Qt::white);
    p.drawEllipse(at, 55, 55);
    p.restore();
}

void resistor(QPainter& p, QPointF a, QPointF b)
{
    constexpr double body = 540;
    constexpr double amplitude = 100;
    constexpr int peaks = 6;
    const auto [start, end] = leads(p, a, b, body);
    const Axis ax = axis(a, b);
    QPainterPath zigzag(start);
    const double step = body / (2 * peaks);
    for (int i = 0; i < 2 * peaks; ++i) {
        if (i % 2 == 0)
            zigzag.lineTo(start + ax.along * (step * (i + 1)) + ax.across * (i % 4 == 0 ? amplitude : -amplitude));
        else
            zigzag.lineTo(start + ax.along * (step * (i + 1)));
    }
    zigzag.lineTo(end);
    p.drawPath(zigzag);
}

void capacitor(QPainter& p, QPointF a, QPointF b, bool electrolytic)
{
    constexpr double gap = 100;
    constexpr double half = 170;
    const auto [first, second] = leads(p, a, b, gap);
    const Axis ax = axis(a, b);
    p.drawLine(first - ax.across * half, first + ax.across * half);
    if (!electrolytic) {
        p.drawLine(second - ax.across * half, second + ax.across * half);
        return;
    }
    // The negative plate of an electrolytic is the curved one.
    QPainterPath curved(second - ax.across * half + ax.along * 60);
    curved.quadTo(second - ax.along * 20, second + ax.across * half + ax.along * 60);
    p.drawPath(curved);
    const QPointF plus = first - ax.along * 90 + ax.across * (half + 20);
    p.drawLine(plus - ax.along * 45, plus + ax.along * 45);
    p.drawLine(plus - ax.across * 45, plus + ax.across * 45);
}

void inductor(QPainter& p, QPointF a, QPointF b)
{
    constexpr double body = 600;
    constexpr int turns = 4;
    const auto [start, end] = leads(p, a, b, body);
    const Axis ax = axis(a, b);
    const double turn = body / turns;
    QPainterPath coil(start);
    for (int i = 0; i < turns; ++i) {
        const QPointF from = start + ax.along * (turn * i);
        const QPointF to = from + ax.along * turn;
        coil.cubicTo(from + ax.across * turn * 0.75, to + ax.across * turn * 0.75, to);
    }
    p.drawPath(coil);
}

void diode(QPainter& p, QPointF anode, QPointF cathode)
{
    constexpr double body = 160;
    constexpr double half = 95;
    const auto [start, end] = leads(p, anode, cathode, body);
    const Axis ax = axis(anode, cathode);
    p.save();
    p.setBrush(p.pen().color());
    const QPointF triangle[3] = {start + ax.across * half, start - ax.across * half, end};
    p.drawPolygon(triangle, 3);
    p.restore();
    p.drawLine(end + ax.across * half, end - ax.across * half);
}

void battery(QPainter& p, QPointF positive, QPointF negative)
{
    constexpr double gap = 90;
    const auto [longPlate, shortPlate] = leads(p, positive, negative, gap);
    const Axis ax = axis(positive, negative);
    p.drawLine(longPlate - ax.across * 200, longPlate + ax.across * 200);
    p.save();
    QPen thick = p.pen();
    thick.setWidthF(penWidth * 2.5);
    thick.setCapStyle(Qt::FlatCap);
    p.setPen(thick);
    p.drawLine(shortPlate - ax.across * 100, shortPlate + ax.across * 100);
    p.restore();
    // The plus sign stands inside the loop, away from the value written beside the cell.
    const QPointF plus = longPlate - ax.along * 100 - ax.across * 220;
    p.drawLine(plus - ax.along * 45, plus + ax.along * 45);
    p.drawLine(plus - ax.across * 45, plus + ax.across * 45);
}

void openSwitch(QPainter& p, QPointF a, QPointF b)
{
    constexpr double body = 360;
    const auto [start, end] = leads(p, a, b, body);
    const Axis ax = axis(a, b);
    // The blade is hinged on the first contact and lifted by thirty degrees.
    const QPointF tip = start + (ax.along * std::cos(0.52) + ax.across * std::sin(-0.52)) * body;
    p.drawLine(start, tip);
    terminal(p, start);
    terminal(p, end);
}

void acSource(QPainter& p, QPointF a, QPointF b)
{
    constexpr double radius = 200;
    const auto [start, end] = leads(p, a, b, 2 * radius);
    const QPointF centre = (start + end) / 2;
    p.drawEllipse(centre, radius, radius);
    QPainterPath sine(centre - QPointF(120, 0));
    sine.cubicTo(centre + QPointF(-80, -130), centre + QPointF(-40, -130), centre);
    sine.cubicTo(centre + QPointF(40, 130), centre + QPointF(80, 130), centre + QPointF(120, 0));
    p.drawPath(sine);
}

void text(QPainter& p, const QRectF& box, int alignment, const QString& caption, bool bold)
{
    p.save();
    QFont f = QApplication::font();
    // The painter counts in twips: the type keeps the size it has in the window's labels.
    const double points = f.pointSizeF() > 0 ? f.pointSizeF() : 9;
    f.setPixelSize(int(std::lround(points * 96 / 72 * twipsPerPixel)));
    f.setBold(bold);
    p.setFont(f);
    p.drawText(box, alignment, caption);
    p.restore();
}

} // namespace schematic

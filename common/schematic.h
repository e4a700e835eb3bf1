#pragma once
// Circuit symbols for the diagrams of the calculator windows, drawn with a Drawing's painter in
// twips. Each symbol spans the two points it is given, so a diagram reads as
// a list of parts and wires, as on the back of an envelope.

#include "common/controls.h"

#include <QPointF>
#include <QString>

#include <initializer_list>

class QPainter;
class QRectF;

namespace schematic {

// Pen and ink for the whole diagram; call first.
void begin(QPainter& p);

// A wire through the given points.
void wire(QPainter& p, std::initializer_list<QPointF> points);
// A wire from a to b that hops over a crossing wire at the point `over` (on the wire).
void wireWithHop(QPainter& p, QPointF a, QPointF b, QPointF over);
void junction(QPainter& p, QPointF at);
void terminal(QPainter& p, QPointF at);

// Two-terminal parts between a and b, on a horizontal or vertical line.
void resistor(QPainter& p, QPointF a, QPointF b);
void capacitor(QPainter& p, QPointF a, QPointF b, bool electrolytic = false);
void inductor(QPainter& p, QPointF a, QPointF b);
void diode(QPainter& p, QPointF anode, QPointF cathode);
// A battery, the long plate (positive) towards a.
void battery(QPainter& p, QPointF positive, QPointF negative);
// A switch, open, between a and b.
void openSwitch(QPainter& p, QPointF a, QPointF b);
// A sine-wave source between a and b.
void acSource(QPainter& p, QPointF a, QPointF b);

// A caption painted on the diagram, in the window's own type.
void text(QPainter& p, const QRectF& box, int alignment, const QString& caption, bool bold = true);

} // namespace schematic

#include "chargingcircuit.h"

#include <QPainter>

namespace schematic {

void chargingCircuit(QPainter& p, Reactive part)
{
    p.fillRect(QRectF(0, 0, circuitWidth, circuitHeight), Qt::white);
    begin(p);
    constexpr double top = 420, bottom = 1500, left = 1380, right = 3780;
    battery(p, {left, top}, {left, bottom});
    openSwitch(p, {left, top}, {2040, top});
    resistor(p, {2040, top}, {3600, top});
    wire(p, {{3600, top}, {right, top}});
    if (part == Reactive::Capacitor)
        capacitor(p, {right, top}, {right, bottom});
    else
        inductor(p, {right, top}, {right, bottom});
    wire(p, {{left, bottom}, {right, bottom}});
}

} // namespace schematic

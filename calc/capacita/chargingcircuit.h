#pragma once
// The charging circuit drawn by the time-constant windows: a battery, a switch, the resistor along
// the top wire and the capacitor or the inductor down the right-hand side.

#include "common/schematic.h"

namespace schematic {

enum class Reactive { Capacitor, Inductor };
void chargingCircuit(QPainter& p, Reactive part);
// Its size, and where its value labels stand, in twips of the drawing.
inline constexpr int circuitWidth = 5400;
inline constexpr int circuitHeight = 1860;
inline constexpr Twips resistorLabel{1860, 75, 1920, 255};
inline constexpr Twips reactiveLabel{4020, 830, 1350, 255};
inline constexpr Twips supplyLabel{30, 830, 1050, 255};

} // namespace schematic

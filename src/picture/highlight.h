// The colours of what the Why window explains, wherever it is drawn: a violet of its own,
// far from the wires' red and black, the timeline's yellow step, its blue shading of
// repeats and its green mark of a settled signal.
#pragma once

#include <QColor>

namespace tessara::app {

inline constexpr QColor kExplainedWire(180, 100, 230);     // a band under each wire
inline constexpr QColor kExplainedGate(236, 214, 250);     // behind each gate and node
inline constexpr QColor kExplainedCell(150, 50, 220, 90);  // over each timeline cell named

}  // namespace tessara::app

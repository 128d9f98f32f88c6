// The colours of what the Why window explains, wherever it is drawn: a clear blue, far
// from the wires' red and black and from the timeline's yellow step.
#pragma once

#include <QColor>

namespace tessara::app {

inline constexpr QColor kExplainedWire(90, 160, 255);      // a band under each wire
inline constexpr QColor kExplainedGate(200, 224, 255);     // behind each gate and node
inline constexpr QColor kExplainedCell(40, 120, 255, 90);  // over each timeline cell named

}  // namespace tessara::app

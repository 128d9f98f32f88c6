// Private to the artwork: the six distinctive-shape gate symbols, built once as
// geometry in the 58 x 53 design space of the orientation-0 picture, and the turns
// that give the other orientations (of gates and of the input and output boxes).
#pragma once

#include <QTransform>
#include <optional>

#include "model/types.h"
#include "picture/artwork/drawing.h"

namespace tessara::artwork {

// The symbol of each logic gate kind with its pin stubs: inputs from column 1 on rows
// 9-10 and 41-42 (NOT: 25-26), the output on rows 26-27 up to column 56.
Drawing AndDrawing();
Drawing NandDrawing();
Drawing OrDrawing();
Drawing NorDrawing();
Drawing XorDrawing();
Drawing NotDrawing();

// Maps an orientation-0 design space width wide (a gate's, or the input and output
// boxes') onto the picture of orientation 0..3:
// 1 turns it a quarter anticlockwise (output at the top, input 0 at the left);
// 2 mirrors it left to right (output on the left, input 0 still at the top);
// 3 mirrors 1 top to bottom (output at the bottom, input 0 at the left).
// Empty for any other orientation.
std::optional<QTransform> OrientationView(int orientation, qreal width);

}  // namespace tessara::artwork

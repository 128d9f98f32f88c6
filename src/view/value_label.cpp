// The value label beside a gate while powered: just beyond the output side by
// orientation; circuit outputs and nodes have fixed places of their own.
#include "view/display.h"

namespace tessara {
namespace {

constexpr Single kHalfCell = kCellSize / 2;
constexpr Single kLabelRise = 175;  // from the output's middle to the label's top
constexpr Single kLabelGap = 75;    // from the cell's edge to the label

void PlaceLabel(const gate& g, LabelElement& label) {
  const Single x = g.GetX(), y = g.GetY();
  if (g.GetType() == kOutputGate) {
    label.SetTop(y + 225);
    label.SetLeft(x - 100);
    return;
  }
  if (g.GetType() == kBufferGate) {  // above the node's marker
    label.SetTop(y - 275);
    label.SetLeft(x);
    return;
  }
  switch (g.GetOrientation()) {
    case 0:
      label.SetTop(y + kHalfCell - kLabelRise);
      label.SetLeft(x + kCellSize + kLabelGap);
      break;
    case 1:
      label.SetTop(y - kLabelRise);
      label.SetLeft(x + kHalfCell);
      break;
    case 2:
      label.SetTop(y + kHalfCell - kLabelRise);
      label.SetLeft(x - kLabelRise);
      break;
    case 3:
      label.SetTop(y + kCellSize + kLabelGap);
      label.SetLeft(x + kHalfCell + kLabelGap);
      break;
    default:  // an orientation only a file can hold: the label stays where it was
      break;
  }
}

}  // namespace

void DisplayValue(const Document& doc, Screen& screen, Integer index) {
  LabelElement& label = screen.txtObjValue(index);
  if (!doc.PowerOn) {
    label.SetVisible(false);
    return;
  }
  const gate& g = doc.Gates(index);
  label.SetVisible(true);
  PlaceLabel(g, label);
  label.SetText(g.GetCurrOutput() ? "1" : "0");
}

}  // namespace tessara

// The value label beside a gate while powered: just beyond the output side by
// orientation; circuit outputs and nodes have fixed places of their own.
#include <array>

#include "model/cell.h"
#include "view/display.h"

namespace tessara {
namespace {

// Where the label's top-left corner lies from the output pin, by orientation: right of
// the pin (0), above it (1), left of it (2), below it (3).
constexpr float kLabelRise = 175;  // the top above the pin; turned left, the left edge left of it
constexpr float kLabelGap = 75;    // the left edge right of the pin; turned down, the top below it
constexpr std::array<TwipsXY, kOrientationCount> kFromPin = {{
    {kLabelGap, -kLabelRise},
    {0, -kLabelRise},
    {-kLabelRise, -kLabelRise},
    {kLabelGap, kLabelGap},
}};

void PlaceLabel(const Gate& g, LabelElement& label) {
  const float x = g.GetX(), y = g.GetY();
  if (HasRole(g, KindRole::Output)) {
    label.SetTop(y + 225);
    label.SetLeft(x - 100);
    return;
  }
  if (HasRole(g, KindRole::Node)) {  // above the node's marker
    label.SetTop(y - 275);
    label.SetLeft(x);
    return;
  }
  // An orientation only a file can hold has no pin: the label stays where it was.
  if (const std::optional<TwipsXY> pin = OutputPin(g)) {
    const TwipsXY offset = kFromPin[static_cast<std::size_t>(g.GetOrientation())];
    label.SetTop(pin->y + offset.y);
    label.SetLeft(pin->x + offset.x);
  }
}

}  // namespace

void DisplayValue(const Document& doc, Screen& screen, std::int16_t index) {
  LabelElement& label = screen.ValueLabel(index);
  if (!doc.PowerOn) {
    label.SetVisible(false);
    return;
  }
  const Gate& g = doc.Gates(index);
  label.SetVisible(true);
  PlaceLabel(g, label);
  label.SetText(g.GetCurrOutput() ? "1" : "0");
}

}  // namespace tessara

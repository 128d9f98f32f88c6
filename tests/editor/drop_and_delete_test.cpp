#include "window.h"

namespace tessara {
namespace {

using testing::PutGate;
using DropAndDelete = Window;

TEST_F(DropAndDelete, DropKeepsTheWholePictureOnTheCanvasTopToBottom) {
  for (std::int32_t kind : {kAndGate, kBufferGate, kInputGate, kOutputGate})
    PutGate(doc, doc.GetFreeGate().value(), kind, 2000, 2000);
  const struct {
    DragSource source;
    float dropY, y;
  } rows[] = {{{DragPool::GateImage, 0}, 50, 0},       {{DragPool::GateImage, 0}, 7900, 7205},
              {{DragPool::GateImage, 0}, 7305, 7205},  {{DragPool::NodeMarker, 1}, 60, 0},
              {{DragPool::NodeMarker, 1}, 7990, 7865}, {{DragPool::GateImage, 2}, 50, 0},
              {{DragPool::GateImage, 3}, 7999, 7205}};
  screen.GateImage(0).SetDragMode(DragMode::Automatic);  // as after New or Open
  for (const auto& row : rows) {
    OnAutomaticDragPress(form, row.source, 100, 100);
    OnCanvasDrop(form, screen.drags.back(), 3000, row.dropY);
    EXPECT_EQ(GateAt(row.source.index).GetY(), row.y)
        << "slot " << row.source.index << " at " << row.dropY;
  }
  EXPECT_EQ(screen.NodeMarker(1).Top(), 7865);
  EXPECT_EQ(screen.GateImage(0).GetDragMode(), DragMode::Manual)
      << "a drop hands its presses to the handlers";
}

TEST_F(DropAndDelete, DeletingAGateTakesTheBentLinksOnBothSidesAndLeavesAnotherLinkWhole) {
  const std::int16_t in = Place(OnInputTool, 0, 1000), other = Place(OnInputTool, 0, 5000);
  const std::int16_t gateSlot = Place(OnAndTool, 3000, 2000), out = Place(OnOutputTool, 0, 2000);
  OnLinkTool(form);
  for (auto [from, to, bendY] : {std::tuple{in, gateSlot, float{1000}},
                                 {gateSlot, out, float{2000}},
                                 {other, out, float{5000}}}) {
    PressOutput(from);
    for (float bendX : {float{5000}, float{6000}})
      PressCanvas(bendX, bendY);  // two nodes each, in slots 4 to 9
    PressInput(to);
  }
  ASSERT_EQ(Used(kLinkSlots).size(), 9u);
  OnTrashDrop(form, {DragPool::GateImage, gateSlot});
  EXPECT_EQ(Used(kLinkSlots), (std::vector<std::int16_t>{6, 7, 8}))
      << "the link from the other input";
  EXPECT_EQ(Used(kGateSlots), (std::vector<std::int16_t>{in, other, out, 8, 9}))
      << "its nodes stay";
  EXPECT_FALSE(screen.NodeMarker(5).Visible());
}

}  // namespace
}  // namespace tessara

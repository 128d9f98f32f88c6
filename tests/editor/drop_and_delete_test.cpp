#include "window.h"

namespace tessara {
namespace {

using testing::PutGate;
using DropAndDelete = Window;

TEST_F(DropAndDelete, DropKeepsTheWholePictureOnTheCanvasTopToBottom) {
  for (Long kind : {kAndGate, kBufferGate, kInputGate, kOutputGate})
    PutGate(doc, doc.GetFreeGate().value(), kind, 2000, 2000);
  const struct {
    DragSource source;
    Single dropY, y;
  } rows[] = {{{DragPool::ObjImage, 0}, 50, 0},      {{DragPool::ObjImage, 0}, 7900, 7205},
              {{DragPool::ObjImage, 0}, 7305, 7205}, {{DragPool::buffer, 1}, 60, 0},
              {{DragPool::buffer, 1}, 7990, 7865},   {{DragPool::ObjImage, 2}, 50, 0},
              {{DragPool::ObjImage, 3}, 7999, 7205}};
  screen.ObjImage(0).SetDragMode(DragMode::Automatic);  // as after New or Open
  for (const auto& row : rows) {
    AutomaticDrag_MouseDown(form, row.source, 100, 100);
    Tessara_Frame_DragDrop(form, row.source, 3000, row.dropY);
    EXPECT_EQ(Gate(row.source.index).GetY(), row.y)
        << "slot " << row.source.index << " at " << row.dropY;
  }
  EXPECT_EQ(screen.buffer(1).Top(), 7865);
  EXPECT_EQ(screen.ObjImage(0).GetDragMode(), DragMode::Manual)
      << "a drop hands its presses to the handlers";
}

TEST_F(DropAndDelete, DeletingAGateTakesTheBentLinksOnBothSidesAndLeavesAnotherLinkWhole) {
  const Integer in = Place(InputButton_Click, 0, 1000), other = Place(InputButton_Click, 0, 5000);
  const Integer gateSlot = Place(AndGateButton_Click, 3000, 2000),
                out = Place(OutputButton_Click, 0, 2000);
  LinkButton_Click(form);
  for (auto [from, to, bendY] : {std::tuple{in, gateSlot, Single{1000}},
                                 {gateSlot, out, Single{2000}},
                                 {other, out, Single{5000}}}) {
    PressOutput(from);
    for (Single bendX : {Single{5000}, Single{6000}})
      PressCanvas(bendX, bendY);  // two nodes each, in slots 4 to 9
    PressInput(to);
  }
  ASSERT_EQ(Used(kLinkSlots).size(), 9u);
  TrashCan_DragDrop(form, {DragPool::ObjImage, gateSlot});
  EXPECT_EQ(Used(kLinkSlots), (std::vector<Integer>{6, 7, 8})) << "the link from the other input";
  EXPECT_EQ(Used(kGateSlots), (std::vector<Integer>{in, other, out, 8, 9})) << "its nodes stay";
  EXPECT_FALSE(screen.buffer(5).Visible());
}

}  // namespace
}  // namespace tessara

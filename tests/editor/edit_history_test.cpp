#include "editor/edit_history.h"

#include <functional>
#include <random>
#include <sstream>

#include "editor/keyboard.h"
#include "io/circuit_file.h"
#include "temp_folder.h"
#include "window.h"

namespace tessara {
namespace {

// Everything an undo must bring back exactly: each gate's exact place and signals, and
// the saved bytes, which hold every slot's kind, use and orientation and every link.
std::string Exact(const Document& doc) {
  std::ostringstream out;
  out << std::hexfloat;
  for (std::int16_t i = 0; i < kSlotCount; ++i) {
    const Gate& g = doc.Gates(i);
    out << g.GetX() << ' ' << g.GetY() << ' ' << int{g.GetSignals()} << '\n';
  }
  return out.str() + WriteCircuit(doc);
}

class History : public Window {
 protected:
  // One random edit as a user makes it: a tool and a press, a link press, a bend, a
  // drop, a turn, the trash can, New, Open, Save As or a key on the canvas.
  std::function<void(Form&)> AnyEdit() {
    auto pick = [this](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
    const std::int16_t slot = static_cast<std::int16_t>(pick(kSlotCount));
    const float x = static_cast<float>(pick(9000)), y = static_cast<float>(pick(8000));
    const DragSource node{DragPool::NodeMarker, slot}, image{DragPool::GateImage, slot};
    void (*tools[])(Form&) = {OnAndTool,    OnNotTool, OnInputTool,
                              OnOutputTool, OnXorTool, [](Form&) {}};  // or the tool as it is
    switch (pick(12)) {
      case 0:
      case 3:
        return [=, tool = tools[pick(6)]](Form& f) {
          tool(f);
          OnCanvasPress(f, x, y);
        };
      case 1:
      case 2:
        return [=](Form& f) {
          OnLinkTool(f);
          OnGatePress(f, slot, x / 10, y / 10);
        };
      case 4:
      case 5:
        return [=](Form& f) { OnCanvasDrop(f, x > 6000 ? node : image, x, y); };
      case 6:
        return [=](Form& f) { OnGateDoubleClick(f, slot); };
      case 7:
        return [=](Form& f) { OnTrashDrop(f, y > 7000 ? node : image); };
      case 8:
        return [this](Form& f) {
          if (f.doc.GetFreeGate()) return;
          OnNew(f);
          refresh.AfterNew();
        };
      case 9:
        return [this](Form& f) {
          screen.file_answers = {saved};
          OnOpen(f);
        };
      case 10:
        return [=](Form& f) {
          const KeyPress keys[] = {{Key::Left},  {Key::Down, Modifiers::Shift},
                                   {Key::Enter}, {Key::Up, Modifiers::ControlShift},
                                   {Key::R},     {Key::Delete},
                                   {Key::M},     {Key::L},
                                   {Key::B},     {Key::Digit, Modifiers::None, slot % 10}};
          OnCanvasKey(f, keys[slot % 10]);
        };
      default:
        return [this](Form& f) {
          screen.file_answers = {saved};
          OnSave(f);
        };
    }
  }

  EditHistory history;
  testing::RefreshCheck refresh;  // after every action the screen shows a full refresh
  std::mt19937 rng{20261206};
  testing::TempFolder folder;
  std::string saved = (folder.path() / "saved.cir").string();
};

TEST_F(History, EveryUndoBringsBackTheCircuitBeforeTheStepAndEveryRedoTheOneAfterAsARefreshShows) {
  std::vector<std::string> states{Exact(doc)};
  std::string before;
  for (int n = 0; n < 1200; ++n) {
    if (!form.EditUnderWay()) before = Exact(doc);
    history.Record(form, AnyEdit());
    ASSERT_EQ(refresh.Faults(screen, form), "") << "edit " << n;
    const std::string after = Exact(doc);
    if (form.EditUnderWay() || after == before) continue;
    history.Undo(form);
    ASSERT_EQ(Exact(doc), before) << "edit " << n;
    ASSERT_EQ(refresh.Faults(screen, form), "") << "undo of edit " << n;
    history.Redo(form);
    ASSERT_EQ(Exact(doc), after) << "edit " << n;
    ASSERT_EQ(refresh.Faults(screen, form), "") << "redo of edit " << n;
    states.push_back(after);
  }
  ASSERT_GT(states.size(), 200u);
  history.CancelLink(form);
  for (auto state = states.rbegin(); history.CanUndo(form); history.Undo(form)) {
    ASSERT_EQ(Exact(doc), *state++);
    ASSERT_EQ(refresh.Faults(screen, form), "") << "undo back to step " << states.rend() - state;
  }
  EXPECT_EQ(Exact(doc), states.front());
  EXPECT_FALSE(screen.GateImage(0).Visible());
  EXPECT_FALSE(screen.LinkLine(0).Visible());
  history.Record(form, [](Form& f) {
    OnNotTool(f);
    OnCanvasPress(f, 0, 0);
  });
  EXPECT_FALSE(history.CanRedo(form)) << "a new edit drops the undone ones";
}

}  // namespace
}  // namespace tessara

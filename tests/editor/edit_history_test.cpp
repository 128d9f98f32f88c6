#include <functional>
#include <random>
#include <sstream>
#include <tuple>

#include "editor/edit_history.h"
#include "io/circuit_file.h"
#include "temp_folder.h"
#include "window.h"

namespace tessara {
namespace {

// Everything an undo must bring back exactly: each slot's kind, place, use,
// orientation and signals, and the saved bytes, which hold every link.
std::string Exact(const Document& doc) {
  std::ostringstream out;
  out << std::hexfloat;
  for (Integer i = 0; i < kSlotCount; ++i) {
    const gate& g = doc.Gates(i);
    out << g.GetType() << ' ' << g.GetX() << ' ' << g.GetY() << ' ' << g.GetUsed() << ' '
        << g.GetOrientation() << ' ' << int{g.GetSignals()} << '\n';
  }
  return out.str() + WriteCircuit(doc);
}

class History : public Window {
 protected:
  // One random edit as a user makes it: a tool and a press, a link press, a drop, a
  // turn, the trash can, New, Open or Save.
  std::function<void(Form&)> AnyEdit() {
    auto pick = [this](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
    const Integer slot = static_cast<Integer>(pick(kSlotCount));
    const Single x = static_cast<Single>(pick(9000)), y = static_cast<Single>(pick(8000));
    const DragSource node{DragPool::buffer, slot}, image{DragPool::ObjImage, slot};
    switch (pick(12)) {
      case 0: {
        void (*tools[])(Form&) = {AndGateButton_Click, NotGateButton_Click, InputButton_Click,
                                  OutputButton_Click, XorGateButton_Click};
        return [=, tool = tools[pick(5)]](Form& f) {
          tool(f);
          Tessara_Frame_MouseMove(f, x, y);
          Tessara_Frame_MouseDown(f);
        };
      }
      case 1: case 2: return [=](Form& f) { LinkButton_Click(f); ObjImage_MouseDown(f, slot, x / 10, y / 10); };
      case 3: return [=](Form& f) { Tessara_Frame_MouseMove(f, x, y); Tessara_Frame_MouseDown(f); };
      case 4: return [=](Form& f) { Tessara_Frame_DragDrop(f, x > 4500 ? node : image, x, y); };
      case 5: return [=](Form& f) { ObjImage_DblClick(f, slot); };
      case 6: return [=](Form& f) { TrashCan_DragDrop(f, y > 7000 ? node : image); };
      case 7: return [](Form& f) { if (f.doc.GetFreeGate() == std::nullopt) New_Click(f); };
      case 8: return [this](Form& f) { screen.file_answers = {saved}; Open_Click(f); };
      case 9: return [this](Form& f) { screen.file_answers = {saved}; Save_Click(f); };
      default: return [=](Form& f) { Tessara_Frame_DragDrop(f, image, x, y); };
    }
  }

  EditHistory history;
  std::mt19937 rng{20261206};
  testing::TempFolder folder;
  std::string saved = (folder.path() / "saved.cir").string();
};

TEST_F(History, EveryUndoBringsBackTheCircuitBeforeTheStepAndEveryRedoTheOneAfter) {
  std::vector<std::string> states{Exact(doc)};
  std::string stepStart;
  Document stepStartDoc;
  for (int n = 0; n < 1200; ++n) {
    if (form.LinkStarted == 0) std::tie(stepStart, stepStartDoc) = std::pair(Exact(doc), doc.Clone());
    history.Record(form, AnyEdit());
    if (form.LinkStarted == 1 || doc.SameCircuit(stepStartDoc)) continue;
    const std::string after = Exact(doc);
    history.Undo(form);
    ASSERT_EQ(Exact(doc), stepStart) << "edit " << n;
    history.Redo(form);
    ASSERT_EQ(Exact(doc), after) << "edit " << n;
    states.push_back(after);
  }
  ASSERT_GT(states.size(), 300u);
  history.CancelLink(form);
  for (auto state = states.rbegin(); history.CanUndo(form); history.Undo(form)) {
    ASSERT_EQ(Exact(doc), *state++);
  }
  EXPECT_EQ(Exact(doc), states.front());
  for (Integer i = 0; i < kSlotCount; ++i) {
    EXPECT_FALSE(screen.ObjImage(i).Visible() || screen.buffer(i).Visible() || screen.LinkLine(i).Visible());
  }
}

}  // namespace
}  // namespace tessara

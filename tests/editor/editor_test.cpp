// The window's handlers on the stand-in screen: palette, placing, links, moving and
// the commands of the File menu and the Power and prop buttons.
#include <set>

#include "editor/refresh.h"
#include "io/circuit_file.h"
#include "temp_folder.h"
#include "window.h"

namespace tessara {
namespace {
using testing::Message;
using testing::PutGate;

const Message kStartWithOutput{"Error: You must start with an output\r\n", "Error",
                               MessageStyle::Exclamation};
const Message kFinishWithInput{"Error: You must finish with an input\r\n", "Error",
                               MessageStyle::Exclamation};
const Message kClickOnTheGates{"Error: Click on the gates", "Error", MessageStyle::Stop};
const Message kNoRoomForLink{"Error: The circuit has no room for another link", "Error",
                             MessageStyle::Stop};
const Message kNoRoomForGate{"Error: The circuit has no room for another gate", "Error",
                             MessageStyle::Stop};

// A used segment as drawn: from start to input `input` of stop, through nodes as flagged.
Link Segment(std::int16_t start, std::int16_t stop, std::int16_t input = 0, bool fromNode = false,
             bool toNode = false, std::int16_t linkTo = 0) {
  Link s = testing::PutLink(*std::make_unique<Document>(), 0, start, stop, input);
  std::tie(s.FromNode, s.ToNode, s.Next) = std::tuple(fromNode, toNode, linkTo);
  return s;
}

// Which button chooses which tool, and its border, are read from the real window in
// app_tests; here what only the handlers decide.
TEST_F(Window, ToolButtonsHandPressesToTheHandlersAndEachToolShowsItsOwnCursorOverTheCanvas) {
  std::set<std::optional<int>> cursors;
  for (void (*button)(Form&) : {OnLinkTool, OnAndTool, OnOrTool, OnNotTool, OnInputTool,
                                OnOutputTool, OnNandTool, OnNorTool, OnXorTool, OnSelectTool}) {
    button(form);
    OnCanvasMove(form);
    cursors.insert(screen.ToolPointer());
  }
  EXPECT_EQ(cursors.size(), 10u);
  EXPECT_FALSE(cursors.contains(std::nullopt)) << "the arrow over the canvas";
  EXPECT_EQ(screen.GateImage(50).GetDragMode(), DragMode::Manual);
  EXPECT_EQ(screen.NodeMarker(50).GetDragMode(), DragMode::Manual);
  OnWindowPointerMove(form);
  EXPECT_EQ(screen.ToolPointer(), std::nullopt) << "the arrow over the background";
  OnPower(form);
  OnCanvasMove(form);
  EXPECT_EQ(screen.ToolPointer(), std::nullopt) << "the arrow while powered";
}

TEST_F(Window, NewGateIsCentredOnThePointerWithinItsAreaOrInItsColumnInTheLowestFreeSlot) {
  const struct {
    void (*button)(Form&);
    float mouseX, mouseY, x, y;
  } rows[] = {{OnAndTool, 1500, 3000, 1100, 2600}, {OnNotTool, 900, 300, 800, -100},
              {OnXorTool, 8000, 4000, 7400, 3600}, {OnNandTool, 7800, 1000, 7400, 600},
              {OnInputTool, 5000, 2000, 0, 1600},  {OnOutputTool, 5000, 2000, 8200, 1600}};
  for (const auto& row : rows) {
    OnNew(form);
    ASSERT_EQ(Place(row.button, row.mouseX, row.mouseY), 0);
    EXPECT_EQ(GateAt(0).GetType(), doc.CurrentTool);
    EXPECT_EQ(std::pair(GateAt(0).GetX(), GateAt(0).GetY()), std::pair(row.x, row.y))
        << "kind " << doc.CurrentTool;
    EXPECT_TRUE(GateAt(0).GetUsed());
    EXPECT_TRUE(screen.GateImage(0).Visible());
  }
  for (int n = 0; n < 3; ++n) Place(OnAndTool, 2000, float(1000 + 1000 * n));
  OnTrashDrop(form, {DragPool::GateImage, 1});
  EXPECT_EQ(Place(OnOrTool, 5000, 5000), 1);
  for (std::int16_t i = 4; i < kSlotCount; ++i) PutGate(doc, i, kNotGate, 1000, 100 * i);
  const std::string full = WriteCircuit(doc);
  PressCanvas(2000, 2000);
  EXPECT_EQ(WriteCircuit(doc), full);
  doc.EditGate(50).SetUsed(false);
  for (void (*act)(Form&) : {OnPower, +[](Form& f) { OnCanvasPress(f, 2000, 2000); }, OnPower,
                             OnSelectTool, +[](Form& f) { OnCanvasPress(f, 2000, 2000); }}) {
    act(form);
  }
  EXPECT_FALSE(GateAt(50).GetUsed()) << "nor powered, nor with the cross";
  EXPECT_EQ(screen.messages, std::vector<Message>{kNoRoomForGate});
}

TEST_F(Window, TheCellSplitsAtItsMidlineIntoOutputAndInputHalvesInEveryOrientation) {
  const struct {
    std::int32_t orientation;
    float x, y;
    std::int32_t outputSide;
    std::int16_t input;
  } rows[] = {{0, 600, 300, 1, 0}, {0, 100, 500, 0, 1}, {0, 400, 100, 1, 0}, {0, 100, 400, 0, 1},
              {1, 100, 700, 0, 0}, {1, 600, 100, 1, 1}, {1, 100, 400, 1, 0}, {1, 400, 700, 0, 1},
              {2, 100, 300, 1, 0}, {2, 600, 500, 0, 1}, {2, 400, 700, 1, 1}, {3, 300, 100, 0, 0},
              {3, 500, 600, 1, 1}, {3, 100, 400, 1, 0}, {4, 600, 600, 0, 0}};
  for (const auto& row : rows) {
    PutGate(doc, 0, kAndGate, 2000, 2000, row.orientation);
    EXPECT_EQ(IsOutputSide(form, row.x, row.y, 0), row.outputSide)
        << row.orientation << " " << row.x << "," << row.y;
    EXPECT_EQ(GetClickedInput(form, row.x, row.y, 0), row.input)
        << row.orientation << " " << row.x << "," << row.y;
  }
}

struct Links : Window {
  Links() { OnLinkTool(form); }
  std::int16_t a = Place(OnAndTool, 2000, 1000), b = Place(OnOrTool, 6000, 3000);
};

TEST_F(Links, OutputThenBendsThenInputMakeAChainAndWrongPressesAreRefusedWithTheDrawingGoingOn) {
  PressCanvas(2000, 2000);
  PressInput(b);
  PressOutput(a);
  PressOutput(b);
  EXPECT_EQ(screen.messages,
            (std::vector<Message>{kClickOnTheGates, kStartWithOutput, kFinishWithInput}));
  EXPECT_FALSE(LinkAt(0).GetUsed()) << "the segment being drawn is not in use yet";
  EXPECT_FALSE(GateAt(2).GetUsed()) << "nor is a node";
  PressCanvas(3000, 2000);
  PressCanvas(300, 2500);
  PressInput(b, 1);
  EXPECT_EQ(form.LinkStarted, 0);
  EXPECT_EQ(std::tuple(GateAt(2).GetType(), GateAt(2).GetX(), GateAt(3).GetX(), GateAt(3).GetY()),
            std::tuple(kBufferGate, 3000.0f, 800.0f, 2500.0f))
      << "nodes at the pointer, within the gate area";
  const Link chain[] = {Segment(a, 2, 0, false, true, 1), Segment(2, 3, 0, true, true, 2),
                        Segment(3, b, 1, true)};
  for (std::int16_t j = 0; j < 3; ++j) EXPECT_EQ(LinkAt(j), chain[j]) << "segment " << j;
  EXPECT_TRUE(screen.NodeMarker(2).Visible());
  EXPECT_TRUE(screen.LinkLine(2).Visible());
}

TEST_F(Links, FullCircuitRefusesTheStartOrTheNodeAndLeavesTheDrawingOpen) {
  for (std::int16_t j = 0; j < kSlotCount; ++j) doc.EditLink(j).SetUsed(true);
  PressOutput(a);
  EXPECT_EQ(form.LinkStarted, 0) << "no free link slot";
  for (std::int16_t j = 1; j < kSlotCount; ++j) doc.EditLink(j).SetUsed(false);
  PressOutput(a);  // and again for a node, with no second link slot
  for (std::int16_t j = 1; j < kSlotCount; ++j) doc.EditLink(j).SetUsed(j != form.CurrentLink);
  PressCanvas(3000, 3000);
  for (std::int16_t j = 1; j < kSlotCount; ++j) doc.EditLink(j).SetUsed(false);
  for (std::int16_t i = 2; i < kSlotCount; ++i) PutGate(doc, i, kNotGate, 1000, 100 * i);
  const std::string before = WriteCircuit(doc);
  PressCanvas(3000, 3000);
  EXPECT_EQ(WriteCircuit(doc), before) << "no node without a free gate slot, nor a link slot";
  EXPECT_EQ(screen.messages,
            (std::vector<Message>{kNoRoomForLink, kNoRoomForLink, kNoRoomForGate}));
  PressInput(b);
  EXPECT_EQ(LinkAt(form.CurrentLink), Segment(a, b));
}

TEST_F(Links, ABendTakesTheLastLinkSlotWhenItIsTheOnlyOneFree) {
  PressOutput(a);
  for (std::int16_t j = 0; j < kSlotCount - 1; ++j) doc.EditLink(j).SetUsed(j != form.CurrentLink);
  PressCanvas(3000, 3000);
  EXPECT_EQ(form.CurrentLink, kSlotCount - 1);
  EXPECT_EQ(screen.messages, std::vector<Message>{});
}

TEST_F(Links, TheDrawingEndsWithItsStartOrLastNodeOrNewButNotAnotherGate) {
  const auto drop = [](DragPool pool, std::int16_t slot) {
    return [=](Form& f) { OnTrashDrop(f, {pool, slot}); };
  };
  const auto nodeThenDrop = [&](Form& f) {
    PressCanvas(3000, 2000);
    OnTrashDrop(f, {DragPool::NodeMarker, 2});
  };
  const struct {
    const char* what;
    std::function<void(Form&)> act;
    int started;
  } rows[] = {{"another gate deleted", drop(DragPool::GateImage, b), 1},
              {"the start deleted", drop(DragPool::GateImage, a), 0},
              {"the last node deleted", nodeThenDrop, 0},
              {"New", OnNew, 0}};
  for (const auto& row : rows) {
    PutGate(doc, a, kAndGate, 2000, 1000);
    PutGate(doc, b, kOrGate, 6000, 3000);
    OnLinkTool(form);
    PressOutput(a);
    row.act(form);
    EXPECT_EQ(form.LinkStarted, row.started) << row.what;
    form.LinkStarted = 0;
  }
}

TEST_F(Window, DropsMoveTheGrabbedPointDoubleClicksTurnAndNodesTellRiddlesInTurn) {
  const std::int16_t slot = Place(OnAndTool, 2000, 2000);
  OnSelectTool(form);
  OnGatePress(form, slot, 100, 200);
  OnCanvasDrop(form, screen.drags.back(), 3000, 4000);
  EXPECT_EQ(std::pair(GateAt(slot).GetX(), screen.GateImage(slot).Top()),
            std::pair(2900.0f, 3800.0f));
  for (std::int32_t expected : {1, 2, 3, 0}) {
    OnGateDoubleClick(form, slot);
    EXPECT_EQ(screen.GateImage(slot).GetPicture(), (Picture{kAndGate, int(expected)}));
  }
  for (int n = 0; n < 5; ++n) OnNodeDoubleClick(form);
  const char* const riddles[][2] = {
      {"Riddle", "What goes around and around all day long, but always straight ahead"},
      {"Joke", "How do you tell when a lawyer is lieing?  His lips are moving."},
      {"Joke",
       "Why was the AND gate never invited to parties?  It only said yes when everyone else did."},
      {"Riddle", "More of me is hidden then is seen. I am light than what I am made of"}};
  ASSERT_EQ(screen.messages.size(), 5u);
  for (std::size_t n = 0; n < 5; ++n)
    EXPECT_EQ(screen.messages[n],
              (Message{riddles[n % 4][1], riddles[n % 4][0], MessageStyle::Stop}));
}

struct Commands : Window {
  std::string At(const char* name) const { return (folder.path() / name).string(); }
  testing::TempFolder folder;
};

TEST_F(Commands, PowerCaptionAndWhetherImagesDragAtOnceFollowPowerNewAndOpen) {
  const std::string empty = testing::WriteFile(At("empty.cir"), WriteCircuit(Document{})).string();
  constexpr DragMode kAtOnce = DragMode::Automatic,
                     kByHandler = DragMode::Manual;  // powering hands presses to the handlers
  const std::tuple<std::function<void()>, const char*, DragMode> rows[] = {
      {[] {}, "power up", kAtOnce},
      {[&] { OnNew(form); }, "power up", kAtOnce},  // New before any power keeps the caption
      {[&] { OnPower(form); }, "Power Down", kByHandler},
      {[&] { OnPower(form); }, "Power Up", kByHandler},
      {[&] { OnNew(form); }, "Power Up", kAtOnce},
      {[&] { OnPower(form); }, "Power Down", kByHandler},
      {[&] { OnNew(form); }, "Power Up", kAtOnce},
      {[&] { OnPower(form); }, "Power Down", kByHandler},
      {[&] { LoadCircuit(form, empty); }, "Power Up", kAtOnce}};
  PutGate(doc, 50, kAndGate, 2000, 2000);  // the last slot, shown until New
  Refresh(form);
  OnNew(form);
  EXPECT_FALSE(screen.GateImage(50).Visible());
  for (const auto& [act, caption, drag] : rows) {
    act();
    EXPECT_EQ(screen.PowerCaption().English(), caption);
    EXPECT_EQ(doc.PowerOn, caption == std::string("Power Down"));
    EXPECT_EQ(screen.GateImage(50).GetDragMode(), drag) << caption;
  }
}

TEST_F(Commands, SavedCircuitOpensBackIdenticalWhileCancelledDialogsAndBadFilesChangeNothing) {
  Place(OnInputTool, 300, 1600);  // an input driving a NOT gate
  Place(OnNotTool, 2400, 1600);
  OnLinkTool(form);
  PressOutput(0);
  PressInput(1);
  const std::string saved = WriteCircuit(doc);
  OnOpen(form);  // both dialogs cancelled
  OnSave(form);
  EXPECT_TRUE(folder.Names().empty());
  screen.file_answers = {At("inverter.cir")};
  OnSave(form);
  EXPECT_EQ(testing::ReadFile(At("inverter.cir")), saved);
  EXPECT_EQ(screen.Caption().English(), "Tessara - " + At("inverter.cir"));
  std::string damaged = saved;
  damaged.replace(damaged.rfind("#TRUE#"), 6, "#MAYBE#");  // the link's used flag, line 56
  testing::WriteFile(At("damaged.cir"), damaged);
  const std::int16_t extra = Place(OnAndTool, 4000, 4000);
  OnLinkTool(form);
  PressOutput(extra);
  OnPower(form);
  const std::string before = WriteCircuit(doc);
  const std::string shown = testing::Shown(screen, true);
  for (const auto& [file, says] :
       {std::pair{At("damaged.cir"), "line 56: expected #TRUE# or #FALSE#, found \"#MAYBE#\""},
        std::pair{At("nowhere.cir"), "cannot open: No such file or directory"}}) {
    screen.file_answers = {file};
    OnOpen(form);
    EXPECT_EQ(screen.messages.back(),
              (Message{"Cannot open \"" + file + "\":\n" + says, "Error", MessageStyle::Stop}));
    EXPECT_EQ(WriteCircuit(doc), before);
    EXPECT_EQ(testing::Shown(screen, true), shown);
    EXPECT_TRUE(doc.PowerOn);
    EXPECT_EQ(form.LinkStarted, 1);
    EXPECT_EQ(screen.Caption().English(), "Tessara - " + At("inverter.cir"));
  }
  screen.file_answers = {At("inverter.cir")};
  OnOpen(form);
  EXPECT_EQ(WriteCircuit(doc), saved);
  EXPECT_EQ(form.LinkStarted, 0);
  EXPECT_TRUE(screen.GateImage(1).Visible());
  EXPECT_TRUE(screen.LinkLine(0).Visible());
  EXPECT_FALSE(screen.GateImage(extra).Visible());
  // Each dialog offers the circuit file chosen last, opened or not.
  const auto open = [](std::string offered) {
    return testing::FileRequest{FileDialogMode::Open, "Circuits (*.cir)|*.cir|All files (*)|*|", 0,
                                offered, ""};
  };
  const testing::FileRequest save{FileDialogMode::Save, "Circuits (*.cir)|*.cir|", 0, "", ""};
  EXPECT_EQ(screen.file_requests,
            (std::vector<testing::FileRequest>{open(""), save, save, open(At("inverter.cir")),
                                               open(At("damaged.cir")), open(At("nowhere.cir"))}));
}
}  // namespace
}  // namespace tessara

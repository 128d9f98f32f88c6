#include "app/tessara_form.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>

#include "app/artwork/artwork.h"
#include "app/canvas.h"
#include "app/dialogs.h"
#include "app/elements.h"
#include "app/run_clock.h"
#include "app/twips.h"
#include "app/window_drag.h"
#include "editor/command_state.h"
#include "editor/commands.h"
#include "editor/linking.h"
#include "editor/moving.h"
#include "editor/palette.h"
#include "editor/placing.h"
#include "editor/stepping.h"
#include "view/display.h"

namespace tessara::app {
namespace {

const QColor kTeal(0, 128, 128);

// The window's client area: teal, and the one that hears moves over the bare
// background (not over the canvas or any element).
class ClientArea : public QWidget {
 public:
  explicit ClientArea(std::function<void()> onBareMove) : onBareMove_(std::move(onBareMove)) {
    setObjectName(QStringLiteral("ClientArea"));
    setFixedSize(TwipsRect(0, 0, 10875, 8250).size());
    QPalette colours = palette();
    colours.setColor(QPalette::Window, kTeal);
    setPalette(colours);
    setAutoFillBackground(true);
    setMouseTracking(true);
  }

 protected:
  void mouseMoveEvent(QMouseEvent* event) override {
    if (childAt(event->position().toPoint()) == nullptr) onBareMove_();
  }

 private:
  std::function<void()> onBareMove_;
};

struct PaletteEntry {
  PaletteButton button;
  const char* name;
  Art art;
  Single left, top;
  void (*click)(Form&);
};

const PaletteEntry kPaletteEntries[kPaletteButtonCount] = {
    {PaletteButton::CrossButton, "CrossButton", {Art::Kind::Cross}, 240, 720, CrossButton_Click},
    {PaletteButton::LinkButton, "LinkButton", {Art::Kind::Link}, 960, 720, LinkButton_Click},
    {PaletteButton::AndGateButton,
     "AndGateButton",
     {Art::Kind::Gate, kAndGate, 0},
     240,
     1440,
     AndGateButton_Click},
    {PaletteButton::NandGateButton,
     "NandGateButton",
     {Art::Kind::Gate, kNandGate, 0},
     960,
     1440,
     NandGateButton_Click},
    {PaletteButton::OrGateButton,
     "OrGateButton",
     {Art::Kind::Gate, kOrGate, 0},
     240,
     2160,
     OrGateButton_Click},
    {PaletteButton::NorGateButton,
     "NorGateButton",
     {Art::Kind::Gate, kNorGate, 0},
     960,
     2160,
     NorGateButton_Click},
    {PaletteButton::NotGateButton,
     "NotGateButton",
     {Art::Kind::Gate, kNotGate, 0},
     240,
     2880,
     NotGateButton_Click},
    {PaletteButton::XorGateButton,
     "XorGateButton",
     {Art::Kind::Gate, kXorGate, 0},
     960,
     2880,
     XorGateButton_Click},
    {PaletteButton::InputButton, "InputButton", {Art::Kind::Input}, 240, 3720, InputButton_Click},
    {PaletteButton::OutputButton,
     "OutputButton",
     {Art::Kind::Output},
     960,
     3720,
     OutputButton_Click},
};

QString PoolName(const char* pool, Integer i) {
  return QStringLiteral("%1(%2)").arg(QLatin1String(pool)).arg(i);
}

QPushButton* AddCommandButton(QWidget* client, const char* name, const char* caption, Single top) {
  auto* button = new QPushButton(QString::fromLatin1(caption), client);
  button->setObjectName(QString::fromLatin1(name));
  button->setGeometry(TwipsRect(120, top, 1455, 375));
  return button;
}

}  // namespace

Tessara_Form::Tessara_Form()
    : form_(*this),
      dialogs_(*this, clock_),
      context_(form_, history_, clock_, *this),
      companions_(context_) {
  setObjectName(QStringLiteral("Tessara_Form"));
  setWindowTitle(QStringLiteral("Tessara"));
  setWindowIcon(QIcon(QPixmap::fromImage(artwork::AppIcon(64))));
  auto* client = new ClientArea([this] { Form_MouseMove(form_); });
  setCentralWidget(client);
  layout()->setSizeConstraint(QLayout::SetFixedSize);

  canvas_ = new Tessara_Frame(client);
  connect(&clock_, &RunClock::tick, this, [this] { Act(StepForward_Click); });
  connect(&context_, &CompanionContext::acted, this, &Tessara_Form::FollowAct);
  BuildPalette(client);
  BuildPools();
  canvas_->RaiseLines();
  BuildMenus();

  drag_ = new WindowDrag(this);
  connect(drag_, &WindowDrag::dropped, this, &Tessara_Form::OnDrop);
  connect(canvas_, &Tessara_Frame::mouseMove, this,
          [this](Single x, Single y) { Tessara_Frame_MouseMove(form_, x, y); });
  connect(canvas_, &Tessara_Frame::mouseDown, this, [this] { Act(Tessara_Frame_MouseDown); });
  connect(canvas_, &Tessara_Frame::mouseUp, this, [this] { Act(Tessara_Frame_MouseUp); });
}

Tessara_Form::~Tessara_Form() { SetDefaultPointer(); }

void Tessara_Form::BuildPalette(QWidget* client) {
  auto* tools = new QLabel(QStringLiteral("Tools"), client);
  tools->setObjectName(QStringLiteral("Label2"));
  tools->setGeometry(TwipsRect(120, 120, 1575, 5295));
  tools->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
  QPalette white = tools->palette();
  white.setColor(QPalette::Window, Qt::white);
  tools->setPalette(white);
  tools->setAutoFillBackground(true);

  auto* rule = new QWidget(client);
  rule->setObjectName(QStringLiteral("Line2"));
  rule->setGeometry(TwipsRect(120, 360, 1440, kTwipsPerPixel));
  QPalette black = rule->palette();
  black.setColor(QPalette::Window, Qt::black);
  rule->setPalette(black);
  rule->setAutoFillBackground(true);
  rule->setAttribute(Qt::WA_TransparentForMouseEvents);

  for (const PaletteEntry& entry : kPaletteEntries) {
    auto* button =
        new PictureElement(client, entry.art, TwipsRect(entry.left, entry.top, 600, 600));
    button->setObjectName(QString::fromLatin1(entry.name));
    connect(button, &PictureElement::pressed, this, [this, &entry] { Act(entry.click); });
    palette_[static_cast<std::size_t>(entry.button)] = button;
  }

  trashCan_ = new PictureElement(client, {Art::Kind::TrashCan}, TwipsRect(360, 5880, 1005, 1005));
  trashCan_->setObjectName(QStringLiteral("TrashCan"));
  connect(trashCan_, &PictureElement::pressed, this, [this] { Act(TrashCan_MouseDown); });

  power_ = AddCommandButton(client, "Power", "power up", 6960);
  connect(power_, &QPushButton::clicked, this, [this] { Act(Power_Click); });
  QPushButton* prop = AddCommandButton(client, "prop", "prop", 7440);
  connect(prop, &QPushButton::clicked, this, [this] { Act(prop_Click); });
}

void Tessara_Form::BuildPools() {
  for (Integer i = 0; i < kSlotCount; ++i) {
    auto* image = new PoolImage(canvas_, {DragPool::ObjImage, i}, kGateImageSize, {});
    image->setObjectName(PoolName("ObjImage", i));
    auto* marker =
        new PoolImage(canvas_, {DragPool::buffer, i}, kNodeMarkerSize, {Art::Kind::NodeDot});
    marker->setObjectName(PoolName("buffer", i));
    for (PoolImage* element : {image, marker}) {
      connect(element, &PoolImage::dragWanted, this, [this](DragSource s, Single x, Single y) {
        Act([&](Form& form) { AutomaticDrag_MouseDown(form, s, x, y); });
      });
      connect(element, &PoolImage::pressedAt, this, [this](DragSource s, Single x, Single y) {
        Act([&](Form& form) {
          if (s.pool == DragPool::ObjImage) {
            ObjImage_MouseDown(form, s.index, x, y);
          } else {
            buffer_MouseDown(form, s.index, x, y);
          }
        });
      });
      connect(element, &PoolImage::doubleClicked, this, [this](DragSource s) {
        Act([&](Form& form) {
          if (s.pool == DragPool::ObjImage) {
            ObjImage_DblClick(form, s.index);
          } else {
            buffer_DblClick(form);
          }
        });
      });
    }
    auto* value = new ValueLabel(canvas_);
    value->setObjectName(PoolName("txtObjValue", i));
    const auto slot = static_cast<std::size_t>(i);
    objImages_[slot] = image;
    buffers_[slot] = marker;
    values_[slot] = value;
  }
}

void Tessara_Form::BuildMenus() {
  auto addAction = [this](QWidget* menu, const char* name, const char* caption,
                          QList<QKeySequence> shortcuts, auto action) {
    auto* entry = new QAction(QString::fromLatin1(caption), this);
    menu->addAction(entry);
    entry->setObjectName(QString::fromLatin1(name));
    entry->setShortcuts(shortcuts);
    connect(entry, &QAction::triggered, this, action);
    return entry;
  };
  using Keys = QList<QKeySequence>;
  QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
  addAction(file, "New", "New", {Qt::CTRL | Qt::Key_N}, [this] { Act(New_Click); });
  addAction(file, "Open", "Open", QKeySequence::keyBindings(QKeySequence::Open),
            [this] { Act(Open_Click); });
  addAction(file, "SaveFile", "Save", {Qt::CTRL | Qt::Key_S}, [this] { Act(SaveFile_Click); });
  addAction(file, "Save", "Save As", {Qt::CTRL | Qt::SHIFT | Qt::Key_S},
            [this] { Act(Save_Click); });
  file->addAction(QString())->setObjectName(QStringLiteral("blah"));  // no action
  addAction(file, "Exit", "Exit", QKeySequence::keyBindings(QKeySequence::Quit),
            [this] { close(); });
  QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
  undo_ = addAction(edit, "Undo", "Undo", {Qt::CTRL | Qt::Key_Z},
                    [this] { Act([this](Form& form) { history_.Undo(form); }); });
  const Keys redoKeys{Qt::CTRL | Qt::Key_Y, Qt::CTRL | Qt::SHIFT | Qt::Key_Z};
  redo_ = addAction(edit, "Redo", "Redo", redoKeys,
                    [this] { Act([this](Form& form) { history_.Redo(form); }); });
  // Escape is the window's own key, in no menu.
  addAction(this, "CancelLink", "Cancel Link", {Qt::Key_Escape},
            [this] { Act([this](Form& form) { history_.CancelLink(form); }); });
  QMenu* options = menuBar()->addMenu(QStringLiteral("&Options"));
  runCommands_ = {
      addAction(options, "StepBack", "Step Back", {Qt::CTRL | Qt::Key_Left},
                [this] { Act(StepBack_Click); }),
      addAction(options, "StepForward", "Step Forward", {Qt::CTRL | Qt::Key_Right},
                [this] { Act(StepForward_Click); }),
      addAction(options, "Run", "Run", {Qt::CTRL | Qt::Key_R}, [this] { clock_.Toggle(); })};
  runCommands_[2]->setCheckable(true);
  connect(&clock_, &RunClock::runningChanged, runCommands_[2], &QAction::setChecked);
  options->addSeparator();
  addAction(options, "Timeline", "Timeline", {Qt::CTRL | Qt::Key_L},
            [this] { companions_.ShowTimeline(); });
  addAction(options, "TruthTable", "Truth Table", {Qt::CTRL | Qt::Key_T},
            [this] { companions_.ShowTruthTable(); });
  options->addSeparator();
  QAction* colour = addAction(options, "ColourWires", "Colour Wires", {},
                              [this](bool on) { canvas_->SetColourWires(on); });
  colour->setCheckable(true);
  colour->setChecked(true);
  QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
  help->setObjectName(QStringLiteral("HelpMenu"));
  addAction(help, "Help_About", "About", {}, [this] { dialogs_.ShowAbout(); });
  FollowAct();
}

void Tessara_Form::closeEvent(QCloseEvent* event) {
  clock_.Stop();
  if (Form_QueryUnload(form_)) {
    event->accept();
  } else {
    event->ignore();
  }
}

ImageElement& Tessara_Form::ObjImage(Integer i) {
  return *objImages_.at(static_cast<std::size_t>(i));
}
ImageElement& Tessara_Form::buffer(Integer i) { return *buffers_.at(static_cast<std::size_t>(i)); }
LabelElement& Tessara_Form::txtObjValue(Integer i) {
  return *values_.at(static_cast<std::size_t>(i));
}
LineElement& Tessara_Form::LinkLine(Integer i) { return canvas_->LinkLine(i); }

BorderElement& Tessara_Form::Palette(PaletteButton button) {
  return *palette_.at(static_cast<std::size_t>(button));
}

void Tessara_Form::SetPowerCaption(std::string_view caption) {
  power_->setText(QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())));
}

std::string Tessara_Form::PowerCaption() const { return power_->text().toStdString(); }

void Tessara_Form::SetCaption(std::string_view caption) {
  setWindowTitle(QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())));
}

std::string Tessara_Form::Caption() const { return windowTitle().toStdString(); }

// The pointer is the application's override cursor while a tool icon shows.
void Tessara_Form::SetDefaultPointer() {
  if (toolPointer_ == kArrowPointer) return;
  QGuiApplication::restoreOverrideCursor();
  toolPointer_ = kArrowPointer;
}

void Tessara_Form::SetToolPointer(int iconCacheIndex) {
  if (iconCacheIndex == toolPointer_) return;
  const QCursor icon = artwork::IconCache(iconCacheIndex);
  if (toolPointer_ == kArrowPointer) {
    QGuiApplication::setOverrideCursor(icon);
  } else {
    QGuiApplication::changeOverrideCursor(icon);
  }
  toolPointer_ = iconCacheIndex;
}

void Tessara_Form::ShowMessage(std::string_view prompt, std::string_view title,
                               MessageStyle style) {
  dialogs_.ShowMessage(prompt, title, style);
}

Answer Tessara_Form::Ask(std::string_view prompt, std::string_view title) {
  return dialogs_.Ask(prompt, title);
}

std::string Tessara_Form::ChooseFile(FileDialogMode mode, std::string_view filter) {
  return dialogs_.ChooseFile(mode, filter);
}

PoolImage& Tessara_Form::Pooled(DragSource source) {
  const auto slot = static_cast<std::size_t>(source.index);
  return source.pool == DragPool::ObjImage ? *objImages_.at(slot) : *buffers_.at(slot);
}

void Tessara_Form::BeginDrag(DragSource source) {
  if (!IsSlotIndex(source.index)) return;
  PoolImage& element = Pooled(source);
  drag_->Begin(&element, element.LastPress(), source);
}

// Only the bare canvas and the trash can take drops.
void Tessara_Form::OnDrop(DragSource source, QWidget* target, QPoint pos) {
  if (target == canvas_) {
    Act([&](Form& form) {
      Tessara_Frame_DragDrop(form, source, ToTwips(pos.x()), ToTwips(pos.y()));
    });
  } else if (target == trashCan_) {
    Act([&](Form& form) { TrashCan_DragDrop(form, source); });
  }
}

// After every act: Undo, Redo and the run's commands are greyed as they allow, and the
// link being drawn shows.
void Tessara_Form::FollowAct() {
  for (QAction* command : runCommands_) {
    command->setEnabled(Works(When::Powered, form_, history_));
  }
  undo_->setEnabled(Works(When::CanUndo, form_, history_));
  redo_->setEnabled(Works(When::CanRedo, form_, history_));
  std::optional<QPoint> from;
  if (form_.LinkStarted == 1) {
    if (auto start = LineStart(form_.doc, form_.CurrentLink)) from = TwipsPoint(start->x, start->y);
  }
  canvas_->SetLinkInProgress(from);
}

}  // namespace tessara::app

#include "app/main_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QMouseEvent>
#include <QPushButton>

#include "app/accessibility.h"
#include "app/canvas.h"
#include "app/element_pools.h"
#include "app/focus_frames.h"
#include "app/menus.h"
#include "app/translated.h"
#include "app/twips.h"
#include "editor/commands.h"
#include "editor/palette.h"
#include "editor/stepping.h"
#include "picture/artwork/artwork.h"
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

QPushButton* AddCommandButton(QWidget* client, const char* name, const QString& caption,
                              float top) {
  auto* button = new QPushButton(caption, client);
  button->setObjectName(QString::fromLatin1(name));
  button->setGeometry(TwipsRect(120, top, 1455, 375));
  return button;
}

}  // namespace

MainWindow::MainWindow()
    : form_(*this),
      dialogs_(*this, clock_),
      context_(form_, history_, clock_, *this),
      companions_(context_) {
  InstallAccessibility();
  setObjectName(QStringLiteral("MainWindow"));
  SetCaption(Name("Tessara"));
  setWindowIcon(QIcon(QPixmap::fromImage(artwork::AppIcon(64))));
  auto* client = new ClientArea([this] { OnWindowPointerMove(form_); });
  setCentralWidget(client);
  layout()->setSizeConstraint(QLayout::SetFixedSize);

  canvas_ = new CanvasPanel(client);
  pools_ = new ElementPools(*this, *client, *canvas_, context_);
  connect(pools_, &ElementPools::whyAsked, this, [this] { companions_.ShowWhy(); });
  power_ = AddCommandButton(client, "Power", QString(), 6960);
  SetPowerCaption(Words("Editor", TESSARA_PHRASE("Editor", "power up")));
  connect(power_, &QPushButton::clicked, this, [this] { Act(OnPower); });
  QPushButton* prop = AddCommandButton(client, "prop", tr("prop"), 7440);
  connect(prop, &QPushButton::clicked, this, [this] { Act(OnProp); });
  power_->setToolTip(tr("Power: switch the circuit on or off (Tab to it, then Space)"));
  prop->setToolTip(KeyTip(tr("prop: advance every signal one step"), tr("P")));
  setTabOrder(&pools_->LastTabStop(), power_);
  setTabOrder(power_, prop);
  FrameKeyboardFocus(*client);
  const MenuReach reach{context_, history_, companions_, dialogs_, *canvas_, *this};
  menus_ = new Menus(*this, clock_,
                     [reach](const MenuEntry& entry, bool checked) { entry.run(reach, checked); });
  companions_.ShareCommands(menus_->Actions());

  connect(&clock_, &RunClock::tick, this, [this] { Act(OnStepForward); });
  connect(&context_, &CompanionContext::acted, this, &MainWindow::FollowAct);
  FollowAct();
}

MainWindow::~MainWindow() { SetDefaultPointer(); }

void MainWindow::FollowAct() {
  menus_->Enable(form_, history_);
  std::optional<QPoint> from;
  if (form_.LinkStarted == 1) {
    if (auto start = LineStart(form_.doc, form_.CurrentLink)) from = TwipsPoint(start->x, start->y);
  }
  canvas_->SetLinkInProgress(from);
  bool empty = true;
  for (std::int16_t i = 0; i < kSlotCount && empty; ++i) empty = !form_.doc.Gates(i).GetUsed();
  canvas_->SetStartHint(empty);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  clock_.Stop();
  if (OnWindowClose(form_)) {
    event->accept();
  } else {
    event->ignore();
  }
}

ImageElement& MainWindow::GateImage(std::int16_t i) { return pools_->GateImage(i); }
ImageElement& MainWindow::NodeMarker(std::int16_t i) { return pools_->NodeMarker(i); }
LabelElement& MainWindow::ValueLabel(std::int16_t i) { return pools_->ValueLabel(i); }
LineElement& MainWindow::LinkLine(std::int16_t i) { return pools_->LinkLine(i); }
MarksElement& MainWindow::ProblemMarks() { return pools_->ProblemMarks(); }
BorderElement& MainWindow::Palette(PaletteButton button) { return pools_->Palette(button); }
MarkElement& MainWindow::FocusMark() { return pools_->FocusMark(); }
MarkElement& MainWindow::CrossHair() { return pools_->CrossHair(); }
void MainWindow::SetCanvasSpoken(const Phrase& name) { pools_->SetCanvasSpoken(name); }
Phrase MainWindow::CanvasSpoken() const { return pools_->CanvasSpoken(); }
void MainWindow::BeginDrag(DragSource source) { pools_->BeginDrag(source); }

void MainWindow::SetPowerCaption(const Phrase& caption) {
  powerCaption_ = caption;
  power_->setText(Translated(caption));
}

// "[*]" stands for the modified mark; one in the caption itself is written twice.
void MainWindow::SetCaption(const Phrase& caption) {
  caption_ = caption;
  QString title = Translated(caption_);
  title.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
  setWindowTitle(title + QStringLiteral("[*]"));
}

// The pointer is the application's override cursor while a tool icon shows.
void MainWindow::SetDefaultPointer() {
  if (toolPointer_ == kArrowPointer) return;
  QGuiApplication::restoreOverrideCursor();
  toolPointer_ = kArrowPointer;
}

void MainWindow::SetToolPointer(std::int32_t toolCode) {
  if (toolCode == toolPointer_) return;
  const QCursor icon = artwork::ToolCursor(toolCode);
  if (toolPointer_ == kArrowPointer) {
    QGuiApplication::setOverrideCursor(icon);
  } else {
    QGuiApplication::changeOverrideCursor(icon);
  }
  toolPointer_ = toolCode;
}

void MainWindow::ShowMessage(const Phrase& prompt, const Phrase& title, MessageStyle style) {
  dialogs_.ShowMessage(Translated(prompt).toStdString(), Translated(title).toStdString(), style);
}

Answer MainWindow::Ask(const Phrase& prompt, const Phrase& title, Choices choices,
                       Answer preferred) {
  return dialogs_.Ask(Translated(prompt).toStdString(), Translated(title).toStdString(), choices,
                      preferred);
}

FileChoice MainWindow::ChooseFile(FileDialogMode mode, const Phrase& filters, std::size_t filter,
                                  const std::string& offered, const Phrase& title) {
  return dialogs_.ChooseFile(mode, Translated(filters).toStdString(), filter, offered,
                             Translated(title).toStdString());
}

}  // namespace tessara::app

#include "app/element_pools.h"

#include <QCoreApplication>
#include <QLabel>

#include "app/canvas.h"
#include "app/companion_context.h"
#include "app/elements.h"
#include "app/translated.h"
#include "app/twips.h"
#include "app/window_drag.h"
#include "editor/keyboard.h"
#include "editor/linking.h"
#include "editor/moving.h"
#include "editor/palette.h"
#include "editor/placing.h"
#include "editor/why.h"
#include "view/tools.h"

namespace tessara::app {
namespace {

// The buttons in the palette's order (kPaletteOrder): two columns, five rows.
struct PaletteEntry {
  PaletteButton button;
  const char* name;
  const char* spoken;  // the tool's name for screen readers
  const char* tip;     // its name for the tooltip, followed there by its digit key
  Art art;
  float left, top;
  void (*click)(Form&);
};

constexpr PaletteEntry kPaletteEntries[kPaletteButtonCount] = {
    {PaletteButton::CrossButton,
     "CrossButton",
     QT_TRANSLATE_NOOP("ElementPools", "cross"),
     QT_TRANSLATE_NOOP("ElementPools", "Select and move"),
     {Art::Kind::Cross},
     240,
     720,
     OnSelectTool},
    {PaletteButton::LinkButton,
     "LinkButton",
     QT_TRANSLATE_NOOP("ElementPools", "link"),
     QT_TRANSLATE_NOOP("ElementPools", "Link"),
     {Art::Kind::Link},
     960,
     720,
     OnLinkTool},
    {PaletteButton::AndGateButton,
     "AndGateButton",
     QT_TRANSLATE_NOOP("ElementPools", "AND"),
     QT_TRANSLATE_NOOP("ElementPools", "AND gate"),
     {Art::Kind::Gate, kAndGate, 0},
     240,
     1440,
     OnAndTool},
    {PaletteButton::NandGateButton,
     "NandGateButton",
     QT_TRANSLATE_NOOP("ElementPools", "NAND"),
     QT_TRANSLATE_NOOP("ElementPools", "NAND gate"),
     {Art::Kind::Gate, kNandGate, 0},
     960,
     1440,
     OnNandTool},
    {PaletteButton::OrGateButton,
     "OrGateButton",
     QT_TRANSLATE_NOOP("ElementPools", "OR"),
     QT_TRANSLATE_NOOP("ElementPools", "OR gate"),
     {Art::Kind::Gate, kOrGate, 0},
     240,
     2160,
     OnOrTool},
    {PaletteButton::NorGateButton,
     "NorGateButton",
     QT_TRANSLATE_NOOP("ElementPools", "NOR"),
     QT_TRANSLATE_NOOP("ElementPools", "NOR gate"),
     {Art::Kind::Gate, kNorGate, 0},
     960,
     2160,
     OnNorTool},
    {PaletteButton::NotGateButton,
     "NotGateButton",
     QT_TRANSLATE_NOOP("ElementPools", "NOT"),
     QT_TRANSLATE_NOOP("ElementPools", "NOT gate"),
     {Art::Kind::Gate, kNotGate, 0},
     240,
     2880,
     OnNotTool},
    {PaletteButton::XorGateButton,
     "XorGateButton",
     QT_TRANSLATE_NOOP("ElementPools", "XOR"),
     QT_TRANSLATE_NOOP("ElementPools", "XOR gate"),
     {Art::Kind::Gate, kXorGate, 0},
     960,
     2880,
     OnXorTool},
    {PaletteButton::InputButton,
     "InputButton",
     QT_TRANSLATE_NOOP("ElementPools", "input"),
     QT_TRANSLATE_NOOP("ElementPools", "Circuit input"),
     {Art::Kind::Gate, kInputGate, 0},
     240,
     3720,
     OnInputTool},
    {PaletteButton::OutputButton,
     "OutputButton",
     QT_TRANSLATE_NOOP("ElementPools", "output"),
     QT_TRANSLATE_NOOP("ElementPools", "Circuit output"),
     {Art::Kind::Gate, kOutputGate, 0},
     960,
     3720,
     OnOutputTool},
};

constexpr bool EntriesFollowThePaletteOrder() {
  for (std::size_t i = 0; i < kPaletteOrder.size(); ++i) {
    if (kPaletteEntries[i].button != kPaletteOrder[i]) return false;
  }
  return true;
}
static_assert(EntriesFollowThePaletteOrder(), "the buttons are laid out in the palette's order");

QString PoolName(const char* pool, std::int16_t i) {
  return QStringLiteral("%1(%2)").arg(QLatin1String(pool)).arg(i);
}

// A widget of one plain colour.
void Fill(QWidget* widget, const QColor& colour) {
  QPalette colours = widget->palette();
  colours.setColor(QPalette::Window, colour);
  widget->setPalette(colours);
  widget->setAutoFillBackground(true);
}

}  // namespace

ElementPools::ElementPools(QWidget& window, QWidget& client, CanvasPanel& canvas,
                           CompanionContext& context)
    : QObject(&window), canvas_(canvas), context_(context) {
  BuildPalette(client);
  BuildPools();
  canvas_.RaiseLayers();
  drag_ = new WindowDrag(&window);
  connect(drag_, &WindowDrag::dropped, this, &ElementPools::OnDrop);
  FollowCanvas();
}

void ElementPools::BuildPalette(QWidget& client) {
  auto* tools = new QLabel(tr("Tools"), &client);
  tools->setObjectName(QStringLiteral("ToolsHeading"));
  tools->setGeometry(TwipsRect(120, 120, 1575, 5295));
  tools->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
  Fill(tools, Qt::white);

  auto* rule = new QWidget(&client);
  rule->setObjectName(QStringLiteral("PaletteRule"));
  rule->setGeometry(TwipsRect(120, 360, 1440, kTwipsPerPixel));
  Fill(rule, Qt::black);
  rule->setAttribute(Qt::WA_TransparentForMouseEvents);

  QWidget* previous = nullptr;
  for (std::size_t i = 0; i < std::size(kPaletteEntries); ++i) {
    const PaletteEntry& entry = kPaletteEntries[i];
    auto* button =
        new PictureElement(&client, entry.art, TwipsRect(entry.left, entry.top, 600, 600));
    button->setObjectName(QString::fromLatin1(entry.name));
    button->setAccessibleName(QCoreApplication::translate("ElementPools", entry.spoken));
    button->setToolTip(KeyTip(QCoreApplication::translate("ElementPools", entry.tip),
                              QString::number((i + 1) % 10)));
    button->setFocusPolicy(Qt::TabFocus);  // until chained, as Qt chains only focusable widgets
    connect(button, &PictureElement::pressed, this, [this, &entry] { context_.Act(entry.click); });
    connect(button, &PictureElement::activated, this,
            [this, &entry] { context_.Act(entry.click); });
    connect(button, &PictureElement::stepped, this,
            [this, i](QPoint direction) { StepPalette(i, direction); });
    palette_[static_cast<std::size_t>(entry.button)] = button;
    if (previous) QWidget::setTabOrder(previous, button);
    previous = button;
  }

  trashCan_ = new PictureElement(&client, {Art::Kind::TrashCan}, TwipsRect(360, 5880, 1005, 1005));
  trashCan_->setObjectName(QStringLiteral("TrashCan"));
  trashCan_->setAccessibleName(tr("trash can"));
  trashCan_->setAccessibleDescription(tr("Deletes the gate or bend focused on the canvas"));
  trashCan_->setToolTip(KeyTip(tr("Trash can: drop a gate here to delete it"), tr("Delete")));
  trashCan_->setFocusPolicy(Qt::TabFocus);
  connect(trashCan_, &PictureElement::pressed, this, [this] { context_.Act(OnTrashPress); });
  connect(trashCan_, &PictureElement::activated, this, [this] { context_.Act(OnTrashKey); });
  QWidget::setTabOrder(previous, &canvas_);
  QWidget::setTabOrder(&canvas_, trashCan_);
  for (PictureElement* button : palette_) button->SetRoving(true);
}

void ElementPools::StepPalette(std::size_t from, QPoint direction) {
  constexpr int kColumns = 2;
  const int column = static_cast<int>(from) % kColumns + direction.x();
  const int to = static_cast<int>(from) + direction.x() + kColumns * direction.y();
  if (column < 0 || column >= kColumns || to < 0 || to >= kPaletteButtonCount) return;
  const PaletteEntry& entry = kPaletteEntries[to];
  context_.Act(entry.click);
  palette_[static_cast<std::size_t>(entry.button)]->setFocus(Qt::TabFocusReason);
}

QWidget& ElementPools::LastTabStop() { return *trashCan_; }

void ElementPools::BuildPools() {
  for (std::int16_t i = 0; i < kSlotCount; ++i) {
    auto* image = new PoolImage(&canvas_, {DragPool::GateImage, i}, kGateImageSize, {});
    image->setObjectName(PoolName("GateImage", i));
    auto* marker =
        new PoolImage(&canvas_, {DragPool::NodeMarker, i}, kNodeMarkerSize, {Art::Kind::NodeDot});
    marker->setObjectName(PoolName("NodeMarker", i));
    for (PoolImage* element : {image, marker}) {
      connect(element, &PoolImage::dragWanted, this, [this](DragSource s, float x, float y) {
        context_.Act([&](Form& form) { OnAutomaticDragPress(form, s, x, y); });
      });
      connect(element, &PoolImage::pressedAt, this, [this](DragSource s, float x, float y) {
        context_.Act([&](Form& form) {
          if (s.pool == DragPool::GateImage) {
            OnGatePress(form, s.index, x, y);
          } else {
            OnNodePress(form, s.index, x, y);
          }
        });
      });
      connect(element, &PoolImage::doubleClicked, this, [this](DragSource s) {
        context_.Act([&](Form& form) {
          if (s.pool == DragPool::GateImage) {
            OnGateDoubleClick(form, s.index);
          } else {
            OnNodeDoubleClick(form);
          }
        });
      });
    }
    auto* value = new PoolLabel(&canvas_);
    value->setObjectName(PoolName("ValueLabel", i));
    connect(value, &PoolLabel::pressed, this, [this, i] {
      if (context_.ActThen([i](Form& form) { return OnValuePress(form, i); }) == Follows::OpenWhy)
        emit whyAsked();
    });
    const auto slot = static_cast<std::size_t>(i);
    objImages_[slot] = image;
    markers_[slot] = marker;
    values_[slot] = value;
  }
}

void ElementPools::FollowCanvas() {
  connect(&canvas_, &CanvasPanel::mouseMove, this,
          [this](float, float) { OnCanvasMove(context_.form()); });
  connect(&canvas_, &CanvasPanel::mouseDown, this, [this](float x, float y) {
    context_.Act([x, y](Form& form) { OnCanvasPress(form, x, y); });
  });
  connect(&canvas_, &CanvasPanel::keyDown, this, [this](KeyPress press) {
    context_.Act([press](Form& form) { OnCanvasKey(form, press); });
  });
  connect(&canvas_, &CanvasPanel::mouseUp, this, [this] { context_.Act(OnCanvasRelease); });
}

ImageElement& ElementPools::GateImage(std::int16_t i) {
  return *objImages_.at(static_cast<std::size_t>(i));
}
ImageElement& ElementPools::NodeMarker(std::int16_t i) {
  return *markers_.at(static_cast<std::size_t>(i));
}
LabelElement& ElementPools::ValueLabel(std::int16_t i) {
  return *values_.at(static_cast<std::size_t>(i));
}
LineElement& ElementPools::LinkLine(std::int16_t i) { return canvas_.LinkLine(i); }
MarksElement& ElementPools::ProblemMarks() { return canvas_.ProblemMarks(); }

BorderElement& ElementPools::Palette(PaletteButton button) {
  return *palette_.at(static_cast<std::size_t>(button));
}

MarkElement& ElementPools::FocusMark() { return canvas_.FocusMark(); }
MarkElement& ElementPools::CrossHair() { return canvas_.CrossHair(); }
void ElementPools::SetCanvasSpoken(const Phrase& name) { canvas_.SetSpoken(name); }
Phrase ElementPools::CanvasSpoken() const { return canvas_.SpokenName(); }

PoolImage& ElementPools::Pooled(DragSource source) {
  const auto slot = static_cast<std::size_t>(source.index);
  return source.pool == DragPool::GateImage ? *objImages_.at(slot) : *markers_.at(slot);
}

void ElementPools::BeginDrag(DragSource source) {
  if (!IsSlotIndex(source.index)) return;
  PoolImage& element = Pooled(source);
  drag_->Begin(&element, element.LastPress(), source);
}

void ElementPools::OnDrop(DragSource source, QWidget* target, QPoint pos) {
  if (target == &canvas_) {
    context_.Act(
        [&](Form& form) { OnCanvasDrop(form, source, ToTwips(pos.x()), ToTwips(pos.y())); });
  } else if (target == trashCan_) {
    context_.Act([&](Form& form) { OnTrashDrop(form, source); });
  }
}

}  // namespace tessara::app

#include "app/getting_started.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

#include "model/types.h"
#include "picture/artwork/artwork.h"

namespace tessara::app {
namespace {

// A step of the road: its picture and its text.
struct Step {
  QImage (*picture)(qreal scale);
  const char* text;
};

QImage AndGate(qreal scale) { return artwork::GatePicture(kAndGate, 0, scale); }

const Step kSteps[] = {
    {AndGate, QT_TRANSLATE_NOOP("GettingStarted",
                                "<b>Place.</b> Choose a gate on the left (its name and key show "
                                "when the pointer rests on it), then click the canvas. Circuit "
                                "inputs go to the column on the left, outputs to the right.")},
    {artwork::LinkPicture,
     QT_TRANSLATE_NOOP("GettingStarted",
                       "<b>Link.</b> Choose the link tool, press a gate's output half, then "
                       "another gate's input half. Press the canvas on the way to bend the link.")},
    {artwork::PowerPicture,
     QT_TRANSLATE_NOOP("GettingStarted",
                       "<b>Power.</b> Press Power up: every gate shows its value, 0 or "
                       "1, beside it. The values stay through Power down and up.")},
    {artwork::InputPicture,
     QT_TRANSLATE_NOOP("GettingStarted",
                       "<b>Toggle.</b> Click a circuit input to switch it between 0 and 1.")},
    {artwork::PropPicture,
     QT_TRANSLATE_NOOP("GettingStarted",
                       "<b>prop.</b> Press prop (or P) to move every signal one step "
                       "on; each gate adds one step.")},
    {artwork::OutputPicture,
     QT_TRANSLATE_NOOP("GettingStarted",
                       "<b>Ask why.</b> While powered, click the 0 or 1 beside a gate: the Why "
                       "window says why it shows that value.")},
    {artwork::CheckPicture,
     QT_TRANSLATE_NOOP("GettingStarted",
                       "<b>Check.</b> Options > Truth Table lists every combination of "
                       "inputs; Compare With... checks each row against an answer "
                       "from your teacher. File > Open Example... opens circuits to "
                       "try.")},
};

}  // namespace

GettingStarted::GettingStarted(QWidget& main) : QWidget(&main, Qt::Window) {
  setObjectName(QStringLiteral("GettingStarted"));
  setWindowTitle(tr("Tessara - Getting Started"));
  auto* steps = new QGridLayout;
  const qreal scale = devicePixelRatioF();
  int row = 0;
  for (const Step& step : kSteps) {
    auto* picture = new QLabel;
    picture->setFixedSize(64, 64);
    picture->setAlignment(Qt::AlignCenter);
    picture->setPixmap(QPixmap::fromImage(step.picture(scale)));
    auto* text = new QLabel(QStringLiteral("%1. %2").arg(row + 1).arg(
        QCoreApplication::translate("GettingStarted", step.text)));
    text->setWordWrap(true);
    text->setTextFormat(Qt::RichText);
    text->setMinimumWidth(420);
    steps->addWidget(picture, row, 0, Qt::AlignTop);
    steps->addWidget(text, row, 1);
    ++row;
  }
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
  connect(buttons, &QDialogButtonBox::rejected, this, &QWidget::close);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(steps);
  layout->addWidget(buttons);
}

void ShowGettingStarted(QWidget& main) {
  auto* page = main.findChild<GettingStarted*>(QString(), Qt::FindDirectChildrenOnly);
  if (!page) page = new GettingStarted(main);
  page->show();
  page->raise();
  page->activateWindow();
}

}  // namespace tessara::app

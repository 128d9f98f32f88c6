#include "app/timeline_window.h"

#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLayout>
#include <QPainter>
#include <QPushButton>
#include <QSvgGenerator>

#include "app/companion_context.h"
#include "app/run_clock.h"
#include "app/timeline_view.h"
#include "app/translated.h"
#include "editor/file_dialogs.h"
#include "editor/refusals.h"
#include "editor/stepping.h"
#include "io/replace_file.h"
#include "sim/repeat_notes.h"

namespace tessara::app {
namespace {

QPushButton* AddButton(QBoxLayout* row, const char* name, const QString& caption) {
  auto* button = new QPushButton(caption);
  button->setObjectName(QString::fromLatin1(name));
  button->setFocusPolicy(Qt::TabFocus);  // in the Tab order; a click leaves the focus
  row->addWidget(button);
  return button;
}

}  // namespace

TimelineWindow::TimelineWindow(CompanionContext& context)
    : QWidget(&context.Main(), Qt::Window), context_(context) {
  setObjectName(QStringLiteral("Timeline"));
  setWindowTitle(tr("Tessara - Timeline"));
  resize(640, 320);
  auto* column = new QVBoxLayout(this);
  auto* buttons = new QHBoxLayout;
  column->addLayout(buttons);
  back_ = AddButton(buttons, "StepBack", tr("Step Back"));
  forward_ = AddButton(buttons, "StepForward", tr("Step Forward"));
  run_ = AddButton(buttons, "Run", tr("Run"));
  run_->setCheckable(true);
  rate_ = new QComboBox;
  rate_->setObjectName(QStringLiteral("Rate"));
  for (int rate : RunClock::kRates) {
    rate_->addItem(Translated(Counted("TimelineWindow",
                                      TESSARA_COUNTED("TimelineWindow", "%n step(s)/s"), rate)),
                   rate);
  }
  rate_->setCurrentIndex(rate_->findData(context_.Clock().Rate()));
  buttons->addWidget(rate_);
  counter_ = new QLabel;
  counter_->setObjectName(QStringLiteral("StepCounter"));
  // Room for seven-digit steps from the start; longer counts never widen the window.
  counter_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  counter_->setMinimumWidth(
      counter_->fontMetrics().horizontalAdvance(tr("Step %1 of %2").arg(8888888).arg(8888888)));
  buttons->addWidget(counter_, 1);
  connect(AddButton(buttons, "SavePicture", tr("Save Picture...")), &QPushButton::clicked, this,
          &TimelineWindow::SavePicture);
  connect(AddButton(buttons, "SaveValues", tr("Save Values...")), &QPushButton::clicked, this,
          &TimelineWindow::SaveValues);

  view_ = new TimelineView(context_.form(), this);
  column->addWidget(view_, 1);
  note_ = new QLabel;
  note_->setObjectName(QStringLiteral("Note"));
  column->addWidget(note_);

  RunClock& clock = context_.Clock();
  connect(back_, &QPushButton::clicked, this, [this] { context_.Act(StepBack_Click); });
  connect(forward_, &QPushButton::clicked, this, [this] { context_.Act(StepForward_Click); });
  connect(run_, &QPushButton::clicked, this, [this, &clock] {
    clock.Toggle();
    run_->setChecked(clock.Running());
  });
  connect(&clock, &RunClock::runningChanged, run_, &QPushButton::setChecked);
  connect(rate_, &QComboBox::currentIndexChanged, this,
          [this, &clock] { clock.SetRate(rate_->currentData().toInt()); });
  connect(view_, &TimelineView::stepClicked, this,
          [this](std::size_t step) { context_.GoToStep(step); });
  connect(&context_, &CompanionContext::acted, this, &TimelineWindow::Refresh);
}

QString TimelineWindow::Note() const { return note_->text(); }

void TimelineWindow::Refresh() {
  const Form& form = context_.form();
  const RunHistory& history = form.history;
  for (QPushButton* button : {back_, forward_, run_}) button->setEnabled(form.doc.PowerOn);
  view_->Refresh();
  if (history.Empty()) {
    counter_->setText(tr("No run"));
    note_->setText(tr("Power up to record a run."));
    return;
  }
  counter_->setText(tr("Step %1 of %2").arg(history.Current()).arg(history.Last()));
  QStringList notes;
  if (const auto& repeat = view_->FoundRepeat()) {
    notes << Translated(RepeatNote(*repeat));
  }
  if (history.First() > 0) {
    notes << tr("steps 0 to %1 dropped: the timeline keeps the last %2 steps")
                 .arg(history.First() - 1)
                 .arg(history.Cap());
  }
  note_->setText(notes.join(tr("; ")));
}

void TimelineWindow::SavePicture() {
  const std::string path = ChooseFileToSave(context_.form(), FilePurpose::TimelinePicture);
  if (path.empty()) return;
  const QString name = QString::fromStdString(path);
  const QSize size = view_->PictureSize();
  if (name.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
    QSvgGenerator svg;
    svg.setFileName(name);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setTitle(windowTitle());
    QPainter painter;
    if (!painter.begin(&svg))
      return RefuseSave(context_.form().screen, path,
                        {Words("Files", TESSARA_PHRASE("Files", "cannot write the file")), 0});
    view_->Paint(painter, size);
    return;
  }
  QImage picture(size, QImage::Format_RGB32);
  QPainter painter(&picture);
  view_->Paint(painter, size);
  painter.end();
  if (!picture.save(name, "PNG"))
    RefuseSave(context_.form().screen, path,
               {Words("Files", TESSARA_PHRASE("Files", "cannot write the file")), 0});
}

void TimelineWindow::SaveValues() {
  const std::string path = ChooseFileToSave(context_.form(), FilePurpose::TimelineValues);
  if (path.empty()) return;
  const std::string csv = RunValuesCsv(context_.form().history, SignalRows(context_.form().doc));
  if (const auto reason = ReplaceFile(path, csv)) {
    RefuseSave(context_.form().screen, path, {*reason, 0});
  }
}

}  // namespace tessara::app

#include "app/timeline_window.h"

#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QSvgGenerator>

#include "app/companion_context.h"
#include "app/run_clock.h"
#include "app/timeline_view.h"
#include "app/translated.h"
#include "editor/expected_answer.h"
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

  auto* checkRow = new QHBoxLayout;
  column->addLayout(checkRow);
  check_ = new QLabel;
  check_->setObjectName(QStringLiteral("SequenceCheck"));
  checkRow->addWidget(check_, 1);
  play_ = new QPushButton(tr("Play Sequence"));
  play_->setObjectName(QStringLiteral("PlaySequence"));
  checkRow->addWidget(play_);
  check_->hide();
  play_->hide();
  auto* middle = new QHBoxLayout;
  column->addLayout(middle, 1);
  view_ = new TimelineView(context_.form(), this);
  middle->addWidget(view_, 1);
  rows_ = new QListWidget;
  rows_->setObjectName(QStringLiteral("SequenceRows"));
  rows_->setAccessibleName(tr("Rows of the sequence"));
  rows_->setMaximumWidth(240);
  rows_->hide();
  middle->addWidget(rows_);
  note_ = new QLabel;
  note_->setObjectName(QStringLiteral("Note"));
  column->addWidget(note_);

  RunClock& clock = context_.Clock();
  connect(back_, &QPushButton::clicked, this, [this] { context_.Act(OnStepBack); });
  connect(forward_, &QPushButton::clicked, this, [this] { context_.Act(OnStepForward); });
  connect(run_, &QPushButton::clicked, this, [this, &clock] {
    clock.Toggle();
    run_->setChecked(clock.Running());
  });
  connect(&clock, &RunClock::runningChanged, run_, &QPushButton::setChecked);
  connect(rate_, &QComboBox::currentIndexChanged, this,
          [this, &clock] { clock.SetRate(rate_->currentData().toInt()); });
  connect(view_, &TimelineView::stepClicked, this,
          [this](std::size_t step) { context_.GoToStep(step); });
  connect(view_, &TimelineView::markClicked, this, &TimelineWindow::GoToRow);
  connect(play_, &QPushButton::clicked, this, [this] {
    if (!done_ || done_->marks.empty()) return;
    const SequenceCheck check = *done_;
    context_.Act([&check](Form& form) { PlaySequence(form, check); });
  });
  const auto chosen = [this](const QListWidgetItem* item) {
    GoToRow(static_cast<std::size_t>(rows_->row(item)));
  };
  connect(rows_, &QListWidget::itemClicked, this, chosen);
  connect(rows_, &QListWidget::itemActivated, this, chosen);
  connect(&context_, &CompanionContext::acted, this, &TimelineWindow::Refresh);
}

QString TimelineWindow::Note() const { return note_->text(); }

QString TimelineWindow::CheckLine() const { return check_->text(); }

void TimelineWindow::Refresh() {
  const Form& form = context_.form();
  const RunHistory& history = form.history;
  for (QPushButton* button : {back_, forward_, run_}) button->setEnabled(form.doc.PowerOn);
  FollowCheck();
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

void TimelineWindow::FollowCheck() {
  const Form& form = context_.form();
  const Sequence* sequence =
      form.expected ? std::get_if<Sequence>(&form.expected->answer) : nullptr;
  if (!sequence) {
    worker_ = std::jthread();
    checkedAnswer_.reset();
    done_.reset();
    check_->hide();
    play_->hide();
    rows_->hide();
    view_->SetMarks({});
    return;
  }
  if (form.expected != checkedAnswer_ || form.doc.Revision() != checkedRevision_) {
    checkedAnswer_ = form.expected;
    checkedRevision_ = form.doc.Revision();
    done_.reset();
    worker_ = std::jthread([this, answer = checkedAnswer_, copy = AsLoaded(form.doc),
                            work = ++work_](std::stop_token stop) {
      std::optional<SequenceCheck> check =
          CheckSequence(std::get<Sequence>(answer->answer), copy, stop);
      if (stop.stop_requested()) return;
      QMetaObject::invokeMethod(
          this,
          [this, work, check = std::move(check)]() mutable { TakeCheck(work, std::move(check)); },
          Qt::QueuedConnection);
    });
    ShowCheck();
  }
  std::vector<TimelineView::RulerMark> marks;
  if (done_ && RunIsChecks()) {
    for (const RowMark& mark : done_->marks) marks.push_back({mark.step, mark.differs});
  }
  view_->SetMarks(std::move(marks));
}

bool TimelineWindow::RunIsChecks() const {
  const Form& form = context_.form();
  const RunHistory& history = form.history;
  const RunHistory& run = done_->run;
  return form.doc.PowerOn && form.runRevision == checkedRevision_ && !history.Empty() &&
         history.First() == run.First() && history.Last() >= run.Last() &&
         history.Step(run.First()).state == run.Step(run.First()).state &&
         history.Step(run.Last()).state == run.Step(run.Last()).state;
}

void TimelineWindow::TakeCheck(int work, std::optional<SequenceCheck> check) {
  if (work != work_ || !check) return;
  done_ = std::move(check);
  ShowCheck();
  Refresh();
}

void TimelineWindow::ShowCheck() {
  QString line = Translated(CheckedAgainst(*checkedAnswer_));
  if (done_) line += QLatin1Char('\n') + Translated(done_->summary);
  check_->setText(line);
  check_->show();
  play_->show();
  play_->setEnabled(done_ && !done_->marks.empty());
  rows_->clear();
  rows_->setVisible(done_ && !done_->marks.empty());
  if (!done_) return;
  for (const RowMark& mark : done_->marks) {
    auto* item = new QListWidgetItem(Translated(mark.line), rows_);
    if (mark.differs) item->setForeground(QColor(200, 0, 0));
  }
}

void TimelineWindow::GoToRow(std::size_t row) {
  if (!done_ || row >= done_->marks.size()) return;
  const SequenceCheck check = *done_;
  if (context_.ActThen([&check, row](Form& form) { return OnSequenceMark(form, check, row); }) ==
      Follows::OpenWhy)
    emit whyAsked();
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

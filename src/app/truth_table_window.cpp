#include "app/truth_table_window.h"

#include <QAbstractTableModel>
#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScrollBar>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "app/build_dialog.h"
#include "app/companion_context.h"
#include "app/expressions_view.h"
#include "app/karnaugh_panel.h"
#include "app/karnaugh_view.h"
#include "app/picture_actions.h"
#include "app/translated.h"
#include "editor/expected_answer.h"
#include "editor/refresh.h"
#include "editor/truth_table_rows.h"
#include "io/circuit_file.h"
#include "io/table_text.h"
#include "sim/repeat_notes.h"
#include "sim/signal_rows.h"
#include "sim/terminals.h"

namespace tessara::app {

// The rows of a table: one column per input, per output, the check against the expected
// answer when there is one (a tick, or "expected 1 0" on a row drawn red), then the
// timing note.
class TruthTableModel : public QAbstractTableModel {
 public:
  using QAbstractTableModel::QAbstractTableModel;

  void Show(TruthTable* table) {
    beginResetModel();
    table_ = table;
    check_.reset();
    endResetModel();
  }
  // Adds rows found to the table shown; the table is not checked while rows come.
  void Append(std::vector<TableRow> rows) {
    if (rows.empty()) return;
    const auto first = static_cast<int>(table_->rows.size());
    beginInsertRows({}, first, first + static_cast<int>(rows.size()) - 1);
    table_->rows.insert(table_->rows.end(), std::make_move_iterator(rows.begin()),
                        std::make_move_iterator(rows.end()));
    endInsertRows();
  }
  // The check of the whole table shown, one mark a row, or none.
  void Check(std::optional<TableCheck> check) {
    if (check && check->rows.empty()) check.reset();
    if (check == check_) return;
    beginResetModel();
    check_ = std::move(check);
    endResetModel();
  }

  int rowCount(const QModelIndex& parent) const override {
    return table_ && !parent.isValid() ? static_cast<int>(table_->rows.size()) : 0;
  }
  int columnCount(const QModelIndex& parent) const override {
    return table_ && !parent.isValid() ? static_cast<int>(CheckColumn() + (check_ ? 2 : 1)) : 0;
  }

  QVariant data(const QModelIndex& index, int role) const override {
    if (!table_) return {};
    const auto column = static_cast<std::size_t>(index.column());
    const RowCheck* check =
        check_ ? &check_->rows.at(static_cast<std::size_t>(index.row())) : nullptr;
    const bool noteColumn = column == CheckColumn() + (check_ ? 1 : 0);
    if (role == Qt::TextAlignmentRole) {
      return QVariant::fromValue(Qt::AlignVCenter |
                                 (noteColumn ? Qt::AlignLeft : Qt::AlignHCenter));
    }
    if (check && check->differs && role == Qt::ForegroundRole) return kDifferingText;
    if (check && check->differs && role == Qt::BackgroundRole) return kDifferingRow;
    if (role != Qt::DisplayRole) return {};
    const TableRow& row = table_->rows.at(static_cast<std::size_t>(index.row()));
    if (column < table_->inputs) return QString(QChar(row.in[column]));
    if (column < CheckColumn()) return QString(QChar(row.out[column - table_->inputs]));
    if (check && column == CheckColumn()) return Translated(check->mark);
    return Translated(RowRepeatNote(row));
  }

  QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
    if (!table_ || orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    const auto column = static_cast<std::size_t>(section);
    if (column < table_->inputs)
      return QString::fromStdString(TerminalName(kInputGate, column + 1));
    if (column < CheckColumn()) {
      return QString::fromStdString(TerminalName(kOutputGate, column - table_->inputs + 1));
    }
    if (check_ && column == CheckColumn()) return TruthTableWindow::tr("Expected");
    return TruthTableWindow::tr("Run");
  }

 private:
  inline static const QColor kDifferingText{180, 0, 0}, kDifferingRow{255, 225, 225};

  std::size_t CheckColumn() const { return table_->inputs + table_->outputs; }

  TruthTable* table_ = nullptr;
  std::optional<TableCheck> check_;  // with a mark for every row of table_
};

TruthTableWindow::TruthTableWindow(CompanionContext& context)
    : QWidget(&context.Main(), Qt::Window), context_(context) {
  setObjectName(QStringLiteral("TruthTableWindow"));
  setWindowTitle(tr("Tessara - Truth Table"));
  message_ = new QLabel(this);
  message_->setObjectName(QStringLiteral("TruthTableMessage"));
  model_ = new TruthTableModel(this);
  QWidget* rows = BuildRows();
  copy_ = new QPushButton(tr("Copy"), this);
  copy_->setObjectName(QStringLiteral("TruthTableCopy"));
  stop_ = new QPushButton(tr("Stop"), this);
  stop_->setObjectName(QStringLiteral("TruthTableStop"));
  stop_->hide();
  auto* progress = new QHBoxLayout;
  progress->addWidget(message_, 1);
  progress->addWidget(stop_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(progress);
  layout->addLayout(BuildCheckBar());
  auto* tabs = new QTabWidget(this);
  tabs->setObjectName(QStringLiteral("TruthTableTabs"));
  auto* tablePage = new QSplitter(Qt::Vertical);
  tablePage->addWidget(rows);
  expressions_ = new ExpressionsView;
  tablePage->addWidget(expressions_);
  tablePage->setStretchFactor(0, 1);
  tablePage->setSizes({360, 100});
  tabs->addTab(tablePage, tr("Table"));
  karnaugh_ = new KarnaughPanel;
  tabs->addTab(karnaugh_, tr("Karnaugh Map"));
  layout->addWidget(tabs, 1);
  build_ = new QPushButton(tr("Build Circuit..."), this);
  build_->setObjectName(QStringLiteral("TruthTableBuild"));
  auto* bottom = new QHBoxLayout;
  bottom->addStretch(1);
  bottom->addWidget(build_);
  bottom->addWidget(copy_);
  layout->addLayout(bottom);
  resize(560, 560);

  connect(&context_, &CompanionContext::acted, this, &TruthTableWindow::Follow);
  connect(expressions_, &ExpressionsView::shown, this, [this] {
    context_.Act(
        [tagged = expressions_->Tagged()](Form& form) { ShowExpressionTags(form, tagged); });
  });
  for (QTableView* part : {view_, outputs_}) {
    connect(part, &QTableView::clicked, this,
            [this](const QModelIndex& index) { OnRowClicked(index.row()); });
    AddPictureActions(*part, *rows, &context_.form());
  }
  connect(karnaugh_, &KarnaughPanel::rowChosen, this,
          [this](unsigned row) { OnRowClicked(static_cast<int>(row)); });
  connect(build_, &QPushButton::clicked, this, [this] {
    // A sequence answer has no table to build from: the complete table shown stands in.
    const std::shared_ptr<const ExpectedAnswer>& expected = context_.form().expected;
    const TruthTable* answer = expected ? std::get_if<TruthTable>(&expected->answer) : nullptr;
    if (answer) {
      BuildAndOpen(context_, this, *answer);
    } else if (table_ && complete_) {
      BuildAndOpen(context_, this, *table_);
    }
  });
  connect(stop_, &QPushButton::clicked, this, [this] {
    Stop();
    model_->Show(nullptr);
    table_.reset();
    ShowMessage(tr("Stopped. An edit, or the window opened again, computes the table anew."));
  });
  connect(copy_, &QPushButton::clicked, this,
          [this] { QGuiApplication::clipboard()->setText(QString::fromStdString(CopyText())); });
  AddPictureActions(*copy_, *rows, nullptr);
  AddPictureActions(karnaugh_->View(), karnaugh_->View(), &context_.form());
}

TruthTableWindow::~TruthTableWindow() {
  for (QTableView* part : {view_, outputs_}) part->horizontalScrollBar()->disconnect(this);
}

void TruthTableWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  Follow();
}

void TruthTableWindow::closeEvent(QCloseEvent* event) {
  context_.Act([](Form& form) { ShowExpressionTags(form, {}); });
  if (!complete_) {
    Stop();
    shownRevision_ = 0;
  }
  QWidget::closeEvent(event);
}

QWidget* TruthTableWindow::BuildRows() {
  view_ = new QTableView;
  view_->setObjectName(QStringLiteral("TruthTableView"));
  outputs_ = new QTableView;
  outputs_->setObjectName(QStringLiteral("TruthTableOutputs"));
  for (QTableView* part : {view_, outputs_}) {
    part->setModel(model_);
    part->setSelectionBehavior(QAbstractItemView::SelectRows);
    part->setSelectionMode(QAbstractItemView::SingleSelection);
    part->setEditTriggers(QAbstractItemView::NoEditTriggers);
    part->verticalHeader()->hide();
    part->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    part->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    part->horizontalHeader()->setDefaultSectionSize(
        fontMetrics().horizontalAdvance(QStringLiteral("I16")) + 16);
    part->setWordWrap(false);
    connect(part->horizontalScrollBar(), &QScrollBar::rangeChanged, this,
            &TruthTableWindow::AlignRows);
  }
  QItemSelectionModel* own = outputs_->selectionModel();
  outputs_->setSelectionModel(view_->selectionModel());
  delete own;
  outputs_->horizontalHeader()->setStretchLastSection(true);
  // One vertical scroll bar, the outputs', moves both.
  view_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  connect(outputs_->verticalScrollBar(), &QScrollBar::valueChanged, view_->verticalScrollBar(),
          &QScrollBar::setValue);
  connect(view_->verticalScrollBar(), &QScrollBar::valueChanged, outputs_->verticalScrollBar(),
          &QScrollBar::setValue);
  connect(model_, &QAbstractItemModel::modelReset, this, &TruthTableWindow::SplitColumns);
  auto* rows = new QWidget;
  rows->setObjectName(QStringLiteral("TruthTableRows"));
  auto* parts = new QHBoxLayout(rows);
  parts->setContentsMargins(0, 0, 0, 0);
  parts->setSpacing(0);
  parts->addWidget(view_, 1);
  parts->addWidget(outputs_, 1);
  return rows;
}

void TruthTableWindow::SplitColumns() {
  const int inputs = table_ ? static_cast<int>(table_->inputs) : 0;
  const int columns = model_->columnCount({});
  int inputsWide = 0, outputsWide = 0;
  for (int c = 0; c < columns; ++c) {
    view_->setColumnHidden(c, c >= inputs);
    outputs_->setColumnHidden(c, c < inputs);
    if (c < inputs) inputsWide += view_->columnWidth(c);
    if (c >= inputs && c < columns - 1) outputsWide += outputs_->columnWidth(c);
  }
  view_->setVisible(inputs > 0);
  // The inputs take no more room than their columns, the outputs keep theirs in view.
  const int frames = 2 * view_->frameWidth();
  view_->setMaximumWidth(inputsWide + frames);
  view_->setMinimumWidth(std::min(inputsWide, view_->horizontalHeader()->defaultSectionSize()) +
                         frames);
  outputs_->setMinimumWidth(outputsWide + outputs_->verticalScrollBar()->sizeHint().width() +
                            frames + outputs_->horizontalHeader()->defaultSectionSize());
}

void TruthTableWindow::AlignRows() {
  // Both parts scroll sideways or neither, so that their rows stay level to the last.
  const bool sideways =
      view_->horizontalScrollBar()->maximum() > 0 || outputs_->horizontalScrollBar()->maximum() > 0;
  for (QTableView* part : {view_, outputs_}) {
    part->setHorizontalScrollBarPolicy(sideways ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded);
  }
}

QLayout* TruthTableWindow::BuildCheckBar() {
  checkLine_ = new QLabel(this);
  checkLine_->setObjectName(QStringLiteral("TruthTableCheck"));
  auto* compare = new QPushButton(tr("Compare With..."), this);
  compare->setObjectName(QStringLiteral("TruthTableCompare"));
  clear_ = new QPushButton(tr("Clear"), this);
  clear_->setObjectName(QStringLiteral("TruthTableClear"));
  connect(compare, &QPushButton::clicked, this, [this] { context_.Act(OnCompareWith); });
  connect(clear_, &QPushButton::clicked, this, [this] { context_.Act(OnClearExpected); });
  auto* bar = new QHBoxLayout;
  bar->addWidget(checkLine_, 1);
  bar->addWidget(compare);
  bar->addWidget(clear_);
  return bar;
}

void TruthTableWindow::Follow() {
  if (!isVisible()) return;
  const bool changed = context_.form().doc.Revision() != shownRevision_;
  if (changed) {
    shownRevision_ = context_.form().doc.Revision();
    ShowTable();
  }
  if (changed || context_.form().expected != checked_) ShowCheck();
}

void TruthTableWindow::ShowCheck() {
  const std::shared_ptr<const ExpectedAnswer>& expected = context_.form().expected;
  checked_ = expected;
  std::optional<TableCheck> check;
  if (expected && table_ && complete_) check = CheckTable(*expected, *table_);
  QString line;
  if (expected) line = Translated(CheckedAgainst(*expected));
  if (check) line += QLatin1Char('\n') + Translated(check->summary);
  checkLine_->setText(line);
  clear_->setEnabled(expected != nullptr);
  build_->setEnabled((table_ && complete_) || expected);
  const bool marked = check && !check->rows.empty();
  model_->Check(std::move(check));
  if (marked) outputs_->resizeColumnToContents(static_cast<int>(table_->inputs + table_->outputs));
}

void TruthTableWindow::ShowTable() {
  // The circuit as its file loads.
  LoadResult saved = ReadCircuit(WriteCircuit(context_.form().doc));
  if (!saved.document) return;
  Stop();
  karnaugh_->Show(nullptr);
  model_->Show(nullptr);
  table_.reset();
  expressions_->Follow(*saved.document);
  if (const std::size_t inputs = FindTerminals(*saved.document).inputs.size();
      inputs > kMaxTableInputs) {
    return ShowMessage(tr("The circuit has %1 inputs; a truth table takes at most %2.")
                           .arg(inputs)
                           .arg(kMaxTableInputs));
  }
  Start(std::move(*saved.document));
}

void TruthTableWindow::Start(Document circuit) {
  const Terminals terminals = FindTerminals(circuit);
  table_ = TruthTable{terminals.inputs.size(), terminals.outputs.size(), {}};
  model_->Show(&*table_);
  ShowMessage({});
  worker_ =
      std::jthread([this, circuit = std::move(circuit), work = ++work_](std::stop_token stop) {
        std::vector<TableRow> found;
        auto posted = std::chrono::steady_clock::now();
        const auto post = [&](bool done) {
          QMetaObject::invokeMethod(
              this,
              [this, work, rows = std::move(found), done]() mutable {
                Take(work, std::move(rows), done);
              },
              Qt::QueuedConnection);
          found.clear();
          posted = std::chrono::steady_clock::now();
        };
        const TruthTable table =
            MakeTruthTable(circuit, {kSettleBound, stop}, [&](const TableRow& row) {
              found.push_back(row);
              if (std::chrono::steady_clock::now() - posted >= kBatchEvery) post(false);
            });
        if (!table.stopped) post(true);
      });
}

void TruthTableWindow::Stop() {
  worker_ = std::jthread();
  complete_ = false;
}

void TruthTableWindow::Take(unsigned work, std::vector<TableRow> rows, bool done) {
  if (work != work_) return;
  model_->Append(std::move(rows));
  complete_ = done;
  ShowMessage({});
  if (!done) return;
  karnaugh_->Show(&*table_);
  ShowCheck();
}

void TruthTableWindow::ShowMessage(const QString& noTable) {
  QString shown = noTable;
  if (table_ && !complete_) {
    const QLocale english(QLocale::English);
    shown = tr("row %1 of %2")
                .arg(english.toString(static_cast<qulonglong>(table_->rows.size() + 1)),
                     english.toString(qulonglong{1} << table_->inputs));
  } else if (table_ && (table_->inputs == 0 || table_->outputs == 0)) {
    const bool noInputs = table_->inputs == 0, noOutputs = table_->outputs == 0;
    shown = noInputs && noOutputs ? tr("The circuit has no inputs and no outputs.")
            : noInputs            ? tr("The circuit has no inputs.")
                                  : tr("The circuit has no outputs.");
  }
  message_->setText(shown);
  message_->setVisible(!shown.isEmpty());
  stop_->setVisible(table_ && !complete_);
  copy_->setEnabled(table_ && complete_);
  const std::shared_ptr<const ExpectedAnswer>& expected = context_.form().expected;
  build_->setEnabled((table_ && complete_) ||
                     (expected && std::holds_alternative<TruthTable>(expected->answer)));
}

std::string TruthTableWindow::CopyText() const {
  return table_ && complete_ ? TableText(*table_, true) : std::string();
}

void TruthTableWindow::OnRowClicked(int row) {
  context_.Act([row](Form& form) { OnTruthTableRow(form, static_cast<unsigned>(row)); });
}

}  // namespace tessara::app

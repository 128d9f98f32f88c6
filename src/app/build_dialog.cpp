#include "app/build_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "app/companion_context.h"
#include "app/run_clock.h"
#include "app/translated.h"
#include "editor/commands.h"
#include "io/expression_reader.h"

namespace tessara::app {

void BuildAndOpen(CompanionContext& context, QWidget* parent, std::optional<TruthTable> table) {
  context.Clock().Stop();
  const auto dialog = table ? std::make_unique<BuildDialog>(parent, std::move(*table))
                            : std::make_unique<BuildDialog>(parent);
  if (dialog->exec() != QDialog::Accepted || !dialog->Circuit()) return;
  auto circuit = std::make_shared<Document>(std::move(*dialog->Circuit()));
  context.Act([circuit](Form& form) { NewFromCircuit(form, circuit->Clone()); });
}

BuildDialog::BuildDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("New From Expression"));
  text_ = new QPlainTextEdit(this);
  text_->setObjectName(QStringLiteral("BuildExpressions"));
  text_->setPlaceholderText(QStringLiteral("O1 = (I1 AND I2) OR NOT I3"));
  text_->setTabChangesFocus(true);
  Lay(text_);
  connect(text_, &QPlainTextEdit::textChanged, this, &BuildDialog::ShowTextProblem);
  ShowTextProblem();
}

BuildDialog::BuildDialog(QWidget* parent, TruthTable table)
    : QDialog(parent), table_(std::move(table)) {
  setWindowTitle(tr("Build Circuit"));
  auto* what = new QLabel(tr("A circuit of each output's minimal sum of products, "
                             "opened as a new circuit."),
                          this);
  what->setWordWrap(true);
  Lay(what);
}

BuildDialog::~BuildDialog() = default;

void BuildDialog::Lay(QWidget* source) {
  gates_ = new QComboBox(this);
  gates_->setObjectName(QStringLiteral("BuildGates"));
  gates_->addItems({tr("Any gates"), tr("NAND only"), tr("NOR only")});
  problem_ = new QLabel(this);
  problem_->setObjectName(QStringLiteral("BuildProblem"));
  problem_->setWordWrap(true);
  problem_->setStyleSheet(QStringLiteral("color: #b40000"));
  buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  auto* form = new QFormLayout;
  form->addRow(tr("Gates:"), gates_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(source, 1);
  layout->addWidget(problem_);
  layout->addLayout(form);
  layout->addWidget(buttons_);
  connect(buttons_, &QDialogButtonBox::accepted, this, &BuildDialog::Build);
  connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
  resize(440, table_ ? 160 : 260);
}

GateSet BuildDialog::ChosenSet() const {
  constexpr GateSet kSets[] = {GateSet::Any, GateSet::NandOnly, GateSet::NorOnly};
  return kSets[std::clamp(gates_->currentIndex(), 0, 2)];
}

void BuildDialog::ShowTextProblem() {
  const std::string text = text_->toPlainText().toStdString();
  const ExpressionsResult read = ReadExpressions(text);
  const bool empty = text_->toPlainText().trimmed().isEmpty();
  problem_->setText(read.outputs.empty() && !empty ? Translated(read.error.reason) : QString());
  buttons_->button(QDialogButtonBox::Ok)->setEnabled(!read.outputs.empty());
}

void BuildDialog::Build() {
  buttons_->button(QDialogButtonBox::Ok)->setEnabled(false);
  problem_->setText(tr("Building..."));
  const GateSet set = ChosenSet();
  const unsigned work = ++work_;
  auto job = [table = table_, text = text_ ? text_->toPlainText().toStdString() : std::string(),
              set](std::stop_token stop) {
    return table ? BuildFromTable(*table, set, std::move(stop)) : BuildFromExpressions(text, set);
  };
  worker_ = std::jthread([this, job = std::move(job), work](std::stop_token stop) {
    auto result = std::make_shared<BuildResult>(job(stop));
    if (stop.stop_requested()) return;
    QMetaObject::invokeMethod(
        this, [this, work, result] { Take(work, result); }, Qt::QueuedConnection);
  });
}

void BuildDialog::Take(unsigned work, std::shared_ptr<BuildResult> result) {
  if (work != work_) return;
  if (result->document) {
    circuit_ = std::move(result->document);
    accept();
    return;
  }
  problem_->setText(Translated(result->error.reason));
  buttons_->button(QDialogButtonBox::Ok)->setEnabled(true);
}

}  // namespace tessara::app

#include "app/karnaugh_panel.h"

#include <QComboBox>
#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

#include "app/karnaugh_view.h"
#include "sim/karnaugh_map.h"
#include "sim/signal_rows.h"

namespace tessara::app {

KarnaughPanel::KarnaughPanel(QWidget* parent) : QWidget(parent) {
  output_ = new QComboBox;
  output_->setObjectName(QStringLiteral("KarnaughOutput"));
  note_ = new QLabel;
  note_->setObjectName(QStringLiteral("KarnaughNote"));
  note_->setWordWrap(true);
  view_ = new KarnaughView;
  auto* scroll = new QScrollArea;
  scroll->setWidget(view_);
  scroll->setWidgetResizable(true);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(output_, 0, Qt::AlignLeft);
  layout->addWidget(note_);
  layout->addWidget(scroll, 1);
  connect(output_, &QComboBox::currentIndexChanged, this, [this] { MapChosenOutput(); });
  connect(view_, &KarnaughView::rowChosen, this, &KarnaughPanel::rowChosen);
  Show(nullptr);
}

void KarnaughPanel::Show(const TruthTable* table) {
  const bool mappable = table && table->inputs >= kMinMapInputs && table->inputs <= kMaxMapInputs &&
                        table->outputs > 0;
  table_.reset();
  if (mappable) table_ = *table;
  const QSignalBlocker quiet(output_);
  const int chosen = std::max(output_->currentIndex(), 0);
  output_->clear();
  for (std::size_t k = 1; table_ && k <= table_->outputs; ++k)
    output_->addItem(QString::fromStdString(TerminalName(kOutputGate, k)));
  output_->setCurrentIndex(chosen < output_->count() ? chosen : 0);
  output_->setVisible(mappable);
  note_->setVisible(!mappable);
  if (table && !mappable) {
    note_->setText(tr("A Karnaugh map needs 2 to 4 inputs and an output; the circuit has %1 "
                      "inputs and %2 outputs.")
                       .arg(table->inputs)
                       .arg(table->outputs));
  } else {
    note_->clear();
  }
  MapChosenOutput();
}

void KarnaughPanel::MapChosenOutput() {
  if (!table_ || output_->currentIndex() < 0) return view_->Show(std::nullopt);
  view_->Show(MakeKarnaughMap(*table_, static_cast<std::size_t>(output_->currentIndex())));
}

}  // namespace tessara::app

#include "app/keyboard_help.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

namespace tessara::app {

KeyboardHelp::KeyboardHelp(QWidget* parent, const std::vector<KeyHelpRow>& rows) : QDialog(parent) {
  setObjectName(QStringLiteral("KeyboardHelp"));
  setWindowTitle(tr("Tessara - Keyboard"));
  auto* table = new QTableWidget(static_cast<int>(rows.size()), 2, this);
  table->setAccessibleName(tr("Keys"));
  table->setHorizontalHeaderLabels({tr("Keys"), tr("What they do")});
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setWordWrap(true);
  table->verticalHeader()->hide();
  for (std::size_t r = 0; r < rows.size(); ++r) {
    const int row = static_cast<int>(r);
    table->setItem(row, 0, new QTableWidgetItem(rows[r].keys));
    table->setItem(row, 1, new QTableWidgetItem(rows[r].what));
  }
  table->setColumnWidth(1, 520);
  table->resizeColumnToContents(0);
  table->resizeRowsToContents();
  table->setMinimumSize(table->columnWidth(0) + 540, 480);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(table);
  layout->addWidget(buttons);
}

}  // namespace tessara::app

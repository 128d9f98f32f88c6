#include "app/dialogs.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QRegularExpression>
#include <QStringList>

#include "app/about_window.h"
#include "app/run_clock.h"

namespace tessara::app {
namespace {

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

FileChoice ShowFileDialog(QWidget* parent, FileDialogMode mode, std::string_view filters,
                          std::size_t filter, const std::string& offered, std::string_view title) {
  QFileDialog dialog(parent);
  if (!title.empty()) dialog.setWindowTitle(FromUtf8(title));
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  const QStringList names = QtNameFilters(filters).split(QStringLiteral(";;"));
  dialog.setNameFilters(names);
  if (filter < static_cast<std::size_t>(names.size())) {
    dialog.selectNameFilter(names[static_cast<qsizetype>(filter)]);
  }
  if (mode == FileDialogMode::Open) {
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
  } else {
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
  }
  if (!offered.empty()) dialog.selectFile(QFile::decodeName(offered.c_str()));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  const auto chosen = names.indexOf(dialog.selectedNameFilter());
  return {QFile::encodeName(dialog.selectedFiles().constFirst()).toStdString(),
          static_cast<std::size_t>(std::max<qsizetype>(chosen, 0))};
}

}  // namespace

QString QtNameFilters(std::string_view filter) {
  const QStringList parts = FromUtf8(filter).split(QLatin1Char('|'));
  static const QRegularExpression trailingPatterns(QStringLiteral("\\s*\\([^()]*\\)\\s*$"));
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    const QString patterns =
        parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts).join(QLatin1Char(' ')).trimmed();
    if (patterns.isEmpty()) continue;
    QString description = parts[i];
    description.remove(trailingPatterns);
    filters << QStringLiteral("%1 (%2)").arg(description.trimmed(), patterns);
  }
  return filters.join(QStringLiteral(";;"));
}

ModalDialogs::ModalDialogs(QWidget& parent, RunClock& clock) : parent_(parent), clock_(clock) {}

void ModalDialogs::ShowMessage(std::string_view prompt, std::string_view title,
                               MessageStyle style) {
  clock_.Stop();
  const QMessageBox::Icon icon =
      style == MessageStyle::Stop ? QMessageBox::Critical : QMessageBox::Warning;
  QMessageBox box(icon, FromUtf8(title), FromUtf8(prompt), QMessageBox::Ok, &parent_);
  box.exec();
}

Answer ModalDialogs::Ask(std::string_view prompt, std::string_view title, Choices choices,
                         Answer preferred) {
  clock_.Stop();
  const bool cancel = choices != Choices::YesNo;
  const QMessageBox::StandardButton no =
      choices == Choices::YesDiscardCancel ? QMessageBox::Discard : QMessageBox::No;
  QMessageBox::StandardButtons buttons = QMessageBox::Yes | no;
  if (cancel) buttons |= QMessageBox::Cancel;
  QMessageBox box(QMessageBox::Question, FromUtf8(title), FromUtf8(prompt), buttons, &parent_);
  box.setDefaultButton(preferred == Answer::Yes  ? QMessageBox::Yes
                       : preferred == Answer::No ? no
                                                 : QMessageBox::Cancel);
  box.setEscapeButton(cancel ? QMessageBox::Cancel : no);
  const int answer = box.exec();
  if (answer == QMessageBox::Yes) return Answer::Yes;
  return answer == no ? Answer::No : Answer::Cancel;
}

FileChoice ModalDialogs::ChooseFile(FileDialogMode mode, std::string_view filters,
                                    std::size_t filter, const std::string& offered,
                                    std::string_view title) {
  clock_.Stop();
  // Over the window the learner acted in: the main window or one of its companions.
  QWidget* over = QApplication::activeWindow();
  if (!over || (over != &parent_ && over->parentWidget() != &parent_)) over = &parent_;
  return fileChooser_ ? fileChooser_(mode, filters, filter, offered)
                      : ShowFileDialog(over, mode, filters, filter, offered, title);
}

void ModalDialogs::ShowAbout() {
  clock_.Stop();
  AboutWindow about(&parent_);
  about.exec();
}

void ModalDialogs::ShowKeyboard(const std::vector<KeyHelpRow>& rows) {
  clock_.Stop();
  KeyboardHelp help(&parent_, rows);
  help.exec();
}

}  // namespace tessara::app

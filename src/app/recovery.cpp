#include "app/recovery.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QWidget>
#include <algorithm>

#include "app/companion_context.h"
#include "io/circuit_file.h"

namespace tessara::app {
namespace {

// The files of the program whose files are named `name` (recovery-NAME.*) in folder.
RecoveryFiles FilesOf(const QString& folder, const QString& name) {
  const QString stem = folder + QStringLiteral("/recovery-") + name;
  return {QFile::encodeName(stem + QStringLiteral(".cir")).toStdString(),
          QFile::encodeName(stem + QStringLiteral(".origin")).toStdString()};
}

// A lock that counts as stale only when the process that took it is gone.
std::unique_ptr<QLockFile> LockOf(const QString& folder, const QString& name) {
  auto lock = std::make_unique<QLockFile>(folder + QStringLiteral("/recovery-") + name +
                                          QStringLiteral(".lock"));
  lock->setStaleLockTime(0);
  return lock;
}

}  // namespace

QString CrashRecovery::DefaultFolder() {
  return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
         QStringLiteral("/recovery");
}

CrashRecovery::CrashRecovery(CompanionContext& context, const QString& folder, QObject* parent)
    : QObject(parent), context_(context), folder_(folder) {
  QDir().mkpath(folder_);
  const QString name = QStringLiteral("%1-%2")
                           .arg(QCoreApplication::applicationPid())
                           .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
  lock_ = LockOf(folder_, name);
  lock_->tryLock();
  own_ = FilesOf(folder_, name);
  timer_.setSingleShot(true);
  timer_.setTimerType(Qt::PreciseTimer);  // a coarse one may fire 5 % after kDelay
  timer_.setInterval(kDelay);
  connect(&timer_, &QTimer::timeout, this, &CrashRecovery::WriteNow);
  connect(&context_, &CompanionContext::acted, this, &CrashRecovery::Follow);
}

CrashRecovery::~CrashRecovery() {
  if (!kept_) Remove();
}

void CrashRecovery::OfferLeftovers() {
  RemoveDeadTemporaries();
  const QDir folder(folder_);
  const auto nameOf = [](const QFileInfo& file) {
    return file.completeBaseName().mid(QStringLiteral("recovery-").size());
  };
  // A program that ended with nothing to recover may have left its lock and origin.
  for (const QFileInfo& lock :
       folder.entryInfoList({QStringLiteral("recovery-*.lock")}, QDir::Files)) {
    const RecoveryFiles files = FilesOf(folder_, nameOf(lock));
    if (QFileInfo::exists(QFile::decodeName(files.circuit.c_str()))) continue;
    if (LockOf(folder_, nameOf(lock))->tryLock()) RemoveRecovery(files);
  }
  for (const QFileInfo& file :
       folder.entryInfoList({QStringLiteral("recovery-*.cir")}, QDir::Files, QDir::Time)) {
    const std::unique_ptr<QLockFile> theirs = LockOf(folder_, nameOf(file));
    if (!theirs->tryLock()) continue;  // its program still runs
    const RecoveryFiles files = FilesOf(folder_, nameOf(file));
    const QString time = QLocale().toString(file.lastModified(), QLocale::ShortFormat);
    auto outcome = RecoveryOutcome::Kept;
    context_.Act([&](Form& form) { outcome = OfferRecovery(form, files, time.toStdString()); });
    if (outcome == RecoveryOutcome::Kept) continue;
    if (outcome == RecoveryOutcome::Recovered) WriteNow();
    RemoveRecovery(files);
    if (outcome == RecoveryOutcome::Recovered) return;
  }
}

void CrashRecovery::RemoveDeadTemporaries() {
  // ReplaceFile's temporaries: ".recovery-NAME.cir.tmp-..." and ".recovery-NAME.origin.tmp-...".
  static const QRegularExpression temporary(
      QStringLiteral("^\\.recovery-(.+)\\.(cir|origin)\\.tmp-.*$"));
  QDir folder(folder_);
  for (const QString& file :
       folder.entryList({QStringLiteral(".recovery-*")}, QDir::Files | QDir::Hidden)) {
    const QRegularExpressionMatch match = temporary.match(file);
    if (match.hasMatch() && LockOf(folder_, match.captured(1))->tryLock()) folder.remove(file);
  }
}

void CrashRecovery::KeepForNextStart() {
  if (context_.Main().isWindowModified()) WriteNow();
  timer_.stop();
  disconnect(&context_, &CompanionContext::acted, this, &CrashRecovery::Follow);
  kept_ = true;
  lock_->unlock();
}

void CrashRecovery::Follow() {
  if (!context_.Main().isWindowModified()) {
    timer_.stop();
    Remove();
  } else if (!timer_.isActive()) {
    timer_.start();
  }
}

void CrashRecovery::WriteNow() {
  timer_.stop();
  const Form& form = context_.form();
  auto held = std::make_pair(form.doc.Revision(), form.FilePath);
  if (!context_.Main().isWindowModified() || held == written_) return;
  // A failed write is tried again after the next act; the circuit itself is unharmed.
  written_.reset();
  if (!WriteRecovery(form, own_)) written_ = std::move(held);
}

void CrashRecovery::Remove() {
  RemoveRecovery(own_);
  written_.reset();
}

}  // namespace tessara::app

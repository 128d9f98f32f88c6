// Crash recovery for one running program. While its circuit is edited and unsaved, the
// circuit goes to a recovery file of this program's own (editor/recovery.h) at most
// kDelay after an edit; Save, New or Open (after "No" to the unsaved-changes question)
// and anything else that leaves the circuit as saved remove it, and so does a normal exit.
// Each program holds a lock beside its files for as long as it runs (QLockFile, its
// staleness told by whether the process that took it still runs), so two windows never
// share a file and a leftover is one whose lock is free. The write is the circuit file's
// atomic replace on the event thread: a flush to disk, once per kDelay at most. A write
// cut short by a kill leaves its temporary file, which the next start removes.
#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>
#include <QTimer>
#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "editor/recovery.h"

namespace tessara::app {

class CompanionContext;

class CrashRecovery : public QObject {
  Q_OBJECT
 public:
  static constexpr std::chrono::milliseconds kDelay{5000};

  // The recovery files' folder: "recovery" in the user's application data folder.
  static QString DefaultFolder();

  // Takes this program's own files in folder (made when missing) and follows every act
  // of context, which outlives this; parent owns this.
  CrashRecovery(CompanionContext& context, const QString& folder, QObject* parent);
  // A normal exit: removes this program's files and its lock.
  ~CrashRecovery() override;

  // Removes the locks and temporary files of programs no longer running, then offers
  // their recovery files, newest first, each with the time it was written
  // (OfferRecovery), until one is recovered; those discarded are removed, those the
  // learner put off or not offered stay for a later start. A recovered circuit is
  // written as this program's own at once.
  void OfferLeftovers();
  // The program ends without its normal exit (a desktop logging out): an edited circuit
  // is written now and kept with this program's lock released, so that the next start
  // offers it; nothing is written or removed after this.
  void KeepForNextStart();
  // Writes the circuit now while it is edited and differs from what was written last
  // (the timer's work).
  void WriteNow();
  // The time left until the timer's write; negative while none is due.
  std::chrono::milliseconds WriteDue() const {
    return std::chrono::milliseconds(timer_.remainingTime());
  }
  const RecoveryFiles& Own() const { return own_; }

 private:
  // After every act: the timer runs while the caption is marked modified; otherwise
  // the files go.
  void Follow();
  void Remove();
  void RemoveDeadTemporaries();

  CompanionContext& context_;
  QString folder_;
  std::unique_ptr<QLockFile> lock_;
  RecoveryFiles own_;
  QTimer timer_;
  // What own_ holds: the revision of its circuit and the circuit's origin; nothing before
  // the first write and after a failed one.
  std::optional<std::pair<std::uint64_t, std::string>> written_;
  bool kept_ = false;  // KeepForNextStart was called
};

}  // namespace tessara::app

#pragma once

// Keeps the resume file in step with what is in flight, and with the save it sits on top of.
//
// Why no credit is lost or paid twice: a record carries the game state to continue from and
// the save images it applies on top of (its bases). It is rewritten atomically at every change
// of what is in flight, always before a save of the state it describes: a save made while
// something is in flight first adds its bytes to the record's bases. At start-up a record
// applies only when the save on disk equals one of its bases; any other save was made after it.
// When nothing is in flight any more, the final save is made first and the file removed after.
// A death between those two leaves a record whose bases miss the final save: a turning spin's
// record has bases from before its stake, and experience grows with every spin. The records
// that can share the final save's bytes (a spin or a bonus already paid, a double-up never
// gambled) pay nothing more when resumed, so a save at the end of a spin is safe wherever it
// comes after the line pay.

#include <optional>

#include "core/machine.h"
#include "core/resume_file.h"

namespace tarvolenka {

// A record of `kind` from the machine as it stands: its state, generator and reels. The spin
// cycle's counters, the bonus and the double-up are the caller's to add.
ResumeRecord CaptureInFlight(const Machine& m, InFlight kind);

class ResumeJournal {
 public:
  explicit ResumeJournal(std::filesystem::path path) : file_(std::move(path)) {}

  bool enabled() const { return file_.enabled(); }
  std::string fileName() const { return file_.path().filename().string(); }
  bool inFlight() const { return current_.has_value(); }
  const ResumeRecord* current() const { return current_ ? &*current_ : nullptr; }

  // Start-up, with the save image on disk (nothing when it holds no whole state). Answers the
  // record to continue from, which is then in flight; sets a damaged file aside and removes a
  // stale one.
  std::optional<ResumeRecord> TakeAtStart(const std::optional<SaveBytes>& onDisk);
  // The floors above check what only they know, the windows' deals, before a record is taken;
  // the check answers why a record is implausible, or nothing.
  using RecordCheck = const char* (*)(const ResumeRecord&);
  void SetRecordCheck(RecordCheck check) { check_ = check; }

  // A new step in flight, on top of the save on disk.
  void Record(ResumeRecord record);
  // Nothing in flight any more: the next save that lands removes the file.
  void AtRest() { current_.reset(); }

  // How the last write of the record ended: a failure is for the player to hear of, since a
  // game in flight would be lost to a crash.
  const FileResult& lastWrite() const { return lastWrite_; }

  // Around every save of the game.
  void BeforeSave(const SaveBytes& bytes);
  void AfterSave(const SaveBytes& bytes, bool landed);

 private:
  void Write();

  ResumeFile file_;
  std::optional<SaveBytes> disk_;
  std::optional<ResumeRecord> current_;
  bool fileOnDisk_ = false;
  RecordCheck check_ = nullptr;
  FileResult lastWrite_;
};

}  // namespace tarvolenka

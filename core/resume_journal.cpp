#include "core/resume_journal.h"

namespace tarvolenka {

ResumeRecord CaptureInFlight(const Machine& m, InFlight kind) {
  ResumeRecord r;
  r.kind = kind;
  r.state = m.State;
  r.seed = m.Rng.seed();
  r.reels = m.Reels;
  return r;
}

std::optional<ResumeRecord> ResumeJournal::TakeAtStart(const std::optional<SaveBytes>& onDisk) {
  disk_ = onDisk;
  current_.reset();
  ResumeLoadResult loaded = file_.Load();
  if (loaded.status == ResumeLoad::Absent) return std::nullopt;
  if (loaded.status == ResumeLoad::Damaged) {
    file_.SetAside(loaded.reason);
    return std::nullopt;
  }
  const char* why = loaded.record.Implausible();
  if (why == nullptr && check_ != nullptr) why = check_(loaded.record);
  if (why != nullptr) {
    file_.SetAside(why);
    return std::nullopt;
  }
  if (!onDisk || !loaded.record.AppliesOn(*onDisk)) {
    file_.Remove();  // the game finished what the record held and saved after it
    return std::nullopt;
  }
  fileOnDisk_ = true;
  current_ = loaded.record;
  return current_;
}

void ResumeJournal::Record(ResumeRecord record) {
  if (!enabled()) return;
  record.baseCount = 0;
  if (disk_) record.bases[record.baseCount++] = *disk_;
  current_ = record;
  Write();
}

void ResumeJournal::BeforeSave(const SaveBytes& bytes) {
  if (!current_) return;
  ResumeRecord& r = *current_;
  r.baseCount = 0;
  if (disk_) r.bases[r.baseCount++] = *disk_;
  if (!disk_ || *disk_ != bytes) r.bases[r.baseCount++] = bytes;
  Write();
}

void ResumeJournal::AfterSave(const SaveBytes& bytes, bool landed) {
  if (!landed) return;
  disk_ = bytes;
  if (!current_ && fileOnDisk_ && file_.Remove()) fileOnDisk_ = false;
}

void ResumeJournal::Write() {
  lastWrite_ = file_.Write(*current_);
  if (lastWrite_) fileOnDisk_ = true;
}

}  // namespace tarvolenka

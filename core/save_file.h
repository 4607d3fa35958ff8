#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>

#include "core/file_access.h"
#include "core/game_state.h"

namespace tarvolenka {

inline constexpr const char* kSaveFileName = "Tarvolenka.cfg";

// Where each field of GameState lies in the 120 bytes, in file order.
struct SaveField {
  const char* name;
  std::size_t offset;
  std::size_t size;
};

inline constexpr std::array<SaveField, 21> kSaveFields{{
    {"Balance", 0, 8},
    {"LastWin", 8, 8},
    {"LineCount", 16, 4},
    {"LineStake", 20, 4},
    {"TotalStake", 24, 4},
    {"Level", 28, 4},
    {"StakeStep", 32, 4},
    {"MaxLineStake", 36, 4},
    {"JokerUses", 40, 4},
    {"Unused44", 44, 4},
    {"Experience", 48, 8},
    {"LevelStartExperience", 56, 8},
    {"NextLevelExperience", 64, 8},
    {"Reserved72", 72, 8},
    {"TimedBonusAmount", 80, 8},
    {"MegaBonusCeiling", 88, 8},
    {"BonusStage", 96, 1},
    {"Unused97", 97, 7},
    {"BonusDueTime", 104, 8},
    {"SoundOn", 112, 1},
    {"Unused113", 113, 7},
}};

// Bit i stands for kSaveFields[i].
inline constexpr std::uint32_t kAllSaveFields = (1u << kSaveFields.size()) - 1;

// The kSaveFields bits of the fields that lie wholly within the first `length` bytes.
std::uint32_t FieldsWithin(std::size_t length);

// The state held by a file cut short: each field that lies wholly within `held` is taken from
// it, every other one from a new game started at `now`. So a file of 12 bytes keeps its Balance
// (0..7) and takes LastWin (8..15, cut at 11) and all that follows from the new game; a balance
// is never lost because a later byte is missing. Bytes of `held` past the 120th are ignored.
SaveBytes CompleteShortSave(std::span<const std::uint8_t> held, DateTime now);

enum class LoadStatus {
  Absent,    // no file by that name: start a new game
  Loaded,    // the file holds a game
  NewGame,   // an empty or all-zero file: start a new game, as if it were absent
  Unusable,  // a file is there but cannot be read as a save: leave it alone
};

struct LoadResult {
  LoadStatus status = LoadStatus::Absent;
  // Loaded: the saved state, with the fields the file did not hold taken from a new game.
  // Otherwise: a new game's state.
  SaveBytes bytes{};
  // How many of the state's bytes the file held (at most 120) and the kSaveFields bits of the
  // fields it held whole.
  std::size_t heldBytes = 0;
  std::uint32_t heldFields = 0;
  // Unusable: why, in English, and the errno behind it when there is one.
  std::string reason;
  int errorCode = 0;

  bool complete() const { return heldFields == kAllSaveFields; }
};

// A failed save leaves the old file intact; its error names the errno behind it (ENOSPC, EROFS,
// EACCES, ...) and the file that blocked.
using SaveResult = FileResult;

// The save file: the 120 bytes of the game state at the start of the file. Bytes beyond the
// 120th of a longer file belong to nobody we know and are carried over by every save.
//
// The path is used as given and never made absolute, so a bare file name works in a working
// folder deeper than PATH_MAX. A save that is a symbolic link is written through it: the
// temporary file goes beside the link's target and is renamed over the target.
class SaveFile {
 public:
  // An empty path keeps no file at all: nothing is read and every write fails without touching
  // the file system. The simulator's machines play that way.
  explicit SaveFile(std::filesystem::path path) : path_(std::move(path)) {}

  const std::filesystem::path& path() const { return path_; }

  // Reads at most the first 120 bytes, never blocks (FIFOs and devices are refused before they
  // are read) and never changes the save. Removes a temporary file left by a save that died.
  LoadResult Load(DateTime now) const;

  // Replaces the file's first 120 bytes without ever leaving a torn file: the new contents go
  // to a temporary file beside it, are flushed to disk and renamed over the old file. Bytes past
  // the 120th are copied by the kernel, skipping holes, so a long sparse file stays cheap. A file
  // without write permission is not replaced.
  SaveResult Save(const SaveBytes& bytes) const;

  // Renames an unusable save aside to `name` in its folder (a link itself, not its target),
  // never over an existing file. Keeps the player's file when the game must start anew.
  SaveResult SetAside(const std::string& name) const;

  // Removes `<name>.new` left beside the save, or beside its target when it is a link, by a save
  // that died before renaming it. Returns whether one was removed.
  bool RemoveLeftoverTemporary() const;

  // The saved state's bytes when the file holds a whole one; nothing when it is absent,
  // unusable, shorter than a state, or all zero.
  std::optional<SaveBytes> Read() const;

  // Save(), answering only whether it landed.
  bool Write(const SaveBytes& bytes) const;

  // The first half of Save: the complete new file written and flushed under the temporary
  // name, not yet renamed. Returns the temporary path, or nothing on failure.
  std::optional<std::filesystem::path> WriteTemporary(const SaveBytes& bytes) const;

 private:
  std::filesystem::path path_;
};

}  // namespace tarvolenka

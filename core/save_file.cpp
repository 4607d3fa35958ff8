#include "core/save_file.h"

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <string_view>
#include <utility>

namespace tarvolenka {
namespace {

constexpr bool FieldsTileTheState() {
  std::size_t next = 0;
  for (const SaveField& field : kSaveFields) {
    if (field.offset != next) return false;
    next += field.size;
  }
  return next == kSaveSize;
}
static_assert(FieldsTileTheState(), "the save fields must cover the 120 bytes in order");
static_assert(sizeof(GameState) == kSaveSize && offsetof(GameState, LineCount) == 16 &&
                  offsetof(GameState, Experience) == 48 && offsetof(GameState, BonusStage) == 96 &&
                  offsetof(GameState, BonusDueTime) == 104 && offsetof(GameState, SoundOn) == 112,
              "the field table follows the offsets noted in GameState");

// The first bytes of the save, at most 120.
struct Head {
  LoadStatus status = LoadStatus::Absent;
  SaveBytes raw{};
  std::size_t count = 0;
  std::string reason;
  int errorCode = 0;
};

Head Unusable(std::string reason, int errorCode) {
  Head head;
  head.status = LoadStatus::Unusable;
  head.reason = std::move(reason);
  head.errorCode = errorCode;
  return head;
}

Head ReadSaveHead(const std::filesystem::path& path) {
  if (path.empty()) return {};
  const FileRead read = ReadHead(path, kSaveSize, LinkRule::Follow);
  if (read.absent) return {};
  if (!read.result) return Unusable(read.result.error, read.result.errorCode);
  Head head;
  head.count = read.bytes.size();
  std::copy(read.bytes.begin(), read.bytes.end(), head.raw.begin());
  const bool blank = std::all_of(head.raw.begin(), head.raw.begin() + head.count,
                                 [](std::uint8_t b) { return b == 0; });
  head.status = blank ? LoadStatus::NewGame : LoadStatus::Loaded;
  return head;
}

// The save's replacement: through links, whose target is replaced, with whatever the file
// holds past the state's bytes carried over.
constexpr ReplaceOptions kSaveReplace{LinkRule::Follow, true, static_cast<off_t>(kSaveSize)};

std::string_view AsText(const SaveBytes& bytes) {
  return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

}  // namespace

std::uint32_t FieldsWithin(std::size_t length) {
  std::uint32_t fields = 0;
  for (std::size_t i = 0; i < kSaveFields.size(); ++i)
    if (kSaveFields[i].offset + kSaveFields[i].size <= length) fields |= 1u << i;
  return fields;
}

SaveBytes CompleteShortSave(std::span<const std::uint8_t> held, DateTime now) {
  SaveBytes bytes = Encode(NewGameState(now));
  for (const SaveField& field : kSaveFields) {
    if (field.offset + field.size > held.size()) break;
    std::copy_n(held.begin() + static_cast<std::ptrdiff_t>(field.offset), field.size,
                bytes.begin() + static_cast<std::ptrdiff_t>(field.offset));
  }
  return bytes;
}

LoadResult SaveFile::Load(DateTime now) const {
  RemoveLeftoverTemporary();
  Head head = ReadSaveHead(path_);
  LoadResult result;
  result.status = head.status;
  result.reason = std::move(head.reason);
  result.errorCode = head.errorCode;
  result.heldBytes = head.count;
  if (head.status == LoadStatus::Loaded) {
    result.heldFields = FieldsWithin(head.count);
    result.bytes = CompleteShortSave(std::span(head.raw).first(head.count), now);
  } else {
    result.bytes = Encode(NewGameState(now));
  }
  return result;
}

SaveResult SaveFile::SetAside(const std::string& name) const {
  return RenameAside(path_, name);
}

bool SaveFile::RemoveLeftoverTemporary() const {
  return tarvolenka::RemoveLeftoverTemporary(path_, LinkRule::Follow);
}

SaveResult SaveFile::Save(const SaveBytes& bytes) const {
  if (path_.empty()) return FileFailure("", "no save file", EINVAL);
  return ReplaceFile(path_, AsText(bytes), kSaveReplace);
}

std::optional<SaveBytes> SaveFile::Read() const {
  const Head head = ReadSaveHead(path_);
  if (head.status != LoadStatus::Loaded || head.count < kSaveSize) return std::nullopt;
  return head.raw;
}

bool SaveFile::Write(const SaveBytes& bytes) const {
  return Save(bytes).ok();
}

std::optional<std::filesystem::path> SaveFile::WriteTemporary(const SaveBytes& bytes) const {
  if (path_.empty()) return std::nullopt;
  std::filesystem::path temporary;
  if (!WriteTemporaryFile(path_, AsText(bytes), kSaveReplace, temporary)) return std::nullopt;
  return temporary;
}

}  // namespace tarvolenka

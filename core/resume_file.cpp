#include "core/resume_file.h"

#include <cerrno>
#include <cstdio>
#include <ctime>

#include "core/resume_encoding.h"

namespace tarvolenka {
namespace {

constexpr std::size_t kMaxFileSize = 4096;  // a record is far smaller; anything larger is junk

std::string Stamp() {
  const std::time_t t = std::time(nullptr);
  std::tm local{};
  localtime_r(&t, &local);
  char text[32];
  std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &local);
  return text;
}

}  // namespace

std::filesystem::path ResumeFile::BesideSave(const std::filesystem::path& savePath) {
  if (savePath.empty()) return {};
  std::filesystem::path p = savePath;
  return p.replace_extension(".resume");
}

ResumeLoadResult ResumeFile::Load() const {
  ResumeLoadResult result;
  if (!enabled()) return result;
  RemoveLeftoverTemporary(path_, LinkRule::Refuse);
  const FileRead read = ReadHead(path_, kMaxFileSize + 1, LinkRule::Refuse);
  if (read.absent) return result;
  result.status = ResumeLoad::Damaged;
  if (!read.result) {
    result.reason = read.result.error;
    return result;
  }
  if (read.bytes.size() > kMaxFileSize) {
    result.reason = "too long";
    return result;
  }
  const std::vector<std::uint8_t> bytes(read.bytes.begin(), read.bytes.end());
  if (auto record = DecodeResume(bytes)) {
    result.status = ResumeLoad::Loaded;
    result.record = *record;
    return result;
  }
  result.reason = "not a whole resume record of this version";
  return result;
}

FileResult ResumeFile::Write(const ResumeRecord& record) const {
  if (!enabled()) return FileFailure("", "no resume file", EINVAL);
  const std::vector<std::uint8_t> bytes = EncodeResume(record);
  return ReplaceFile(path_, {reinterpret_cast<const char*>(bytes.data()), bytes.size()});
}

bool ResumeFile::Remove() const {
  if (!enabled()) return false;
  return RemoveFile(path_).ok();
}

void ResumeFile::SetAside(const std::string& reason) const {
  std::filesystem::path aside = path_;
  aside += ".unusable-" + Stamp();
  std::error_code ec;
  for (int n = 2; std::filesystem::exists(aside, ec); ++n) {
    aside = path_;
    aside += ".unusable-" + Stamp() + "-" + std::to_string(n);
  }
  const bool moved = RenameAside(path_, aside.filename().string()).ok();
  std::fprintf(stderr, "Tarvolenka: the resume file %s is unusable (%s); %s\n", path_.c_str(),
               reason.c_str(),
               moved ? ("set aside as " + aside.filename().string()).c_str()
                     : "it could not be set aside and is ignored");
}

}  // namespace tarvolenka

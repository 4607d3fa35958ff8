#include "core/save_messages.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <string_view>

namespace tarvolenka {
namespace {

struct Phrase {
  int code;
  std::string_view text;
};

// clang-format off
constexpr Phrase kErrnoPhrases[] = {
    {EACCES, "няма права за достъп до файла"},
    {EPERM, "няма права за достъп до файла"},
    {ENOSPC, "дискът е пълен"},
    {EDQUOT, "квотата на диска е изчерпана"},
    {EROFS, "дискът е само за четене"},
    {ENAMETOOLONG, "пътят до файла е твърде дълъг"},
    {ELOOP, "твърде много символни връзки"},
    {EIO, "грешка при четене или запис на диска"},
    {EFBIG, "файлът е по-голям от разрешеното"},
    {ENOENT, "папката на файла липсва"},
    {ENOTDIR, "част от пътя не е папка"},
    {EISDIR, "на мястото на файла има папка"},
    {EEXIST, "името вече е заето"},
    {EMFILE, "отворени са твърде много файлове"},
    {ENFILE, "отворени са твърде много файлове"},
    {ETXTBSY, "файлът се използва от друга програма"},
};

constexpr Phrase kKindPhrases[] = {
    {0, "directory"}, {1, "FIFO"}, {2, "character device"}, {3, "block device"}, {4, "socket"},
    {5, "symbolic link"},
};
constexpr std::string_view kKindNames[] = {
    "папка", "именуван канал", "символно устройство", "блоково устройство", "сокет",
    "символна връзка",
};
// clang-format on

}  // namespace

std::string ReasonForPlayer(int errorCode, const std::string& reason) {
  if (reason.find("dangling symbolic link") != std::string::npos)
    return "символната връзка сочи към липсващ файл";
  // "already exists: not a regular file (directory)": something not ours holds the name.
  const bool exists = reason.rfind("already exists", 0) == 0;
  if (exists || reason.rfind("not a regular file", 0) == 0) {
    const std::string opening = exists ? "името вече е заето" : "не е обикновен файл";
    for (const Phrase& kind : kKindPhrases)
      if (reason.find(kind.text) != std::string::npos)
        return opening + ", а " + std::string(kKindNames[static_cast<std::size_t>(kind.code)]);
    return opening;
  }
  if (reason == "too large") return "файлът е твърде голям";
  for (const Phrase& phrase : kErrnoPhrases)
    if (phrase.code == errorCode) return std::string(phrase.text);
  return reason;  // the system's own words, when we have none better
}

std::string UnusableSaveName(const std::string& file, DateTime now) {
  // Days since 30 December 1899 back to a civil date (days-to-civil on 1 March, year 0).
  const double whole = std::floor(now);
  const auto ms = static_cast<long long>(std::llround((now - whole) * kMillisPerDay));
  const long long secs = ms / 1000 % 86400;
  const long long z = static_cast<long long>(whole) + 693899;  // 0000-03-01 to 1899-12-30
  const long long era = (z >= 0 ? z : z - 146096) / 146097;
  const long long doe = z - era * 146097;
  const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const long long mp = (5 * doy + 2) / 153;
  const long long day = doy - (153 * mp + 2) / 5 + 1;
  const long long month = mp < 10 ? mp + 3 : mp - 9;
  const long long year = yoe + era * 400 + (month <= 2 ? 1 : 0);
  char stamp[64];
  std::snprintf(stamp, sizeof stamp, "%04d%02d%02d-%02d%02d%02d", static_cast<int>(year),
                static_cast<int>(month), static_cast<int>(day), static_cast<int>(secs / 3600),
                static_cast<int>(secs / 60 % 60), static_cast<int>(secs % 60));
  return file + ".unusable-" + stamp;
}

std::string UnusableSaveMessage(const std::string& file, const LoadResult& loaded,
                                const std::string& asideName) {
  return "Файлът с играта „" + file +
         "“ не може да се използва: " + ReasonForPlayer(loaded.errorCode, loaded.reason) + " (" +
         loaded.reason +
         "). Играта не го променя. Изберете „Изход“, за да го поправите сами, или „Нова игра“, за "
         "да започнете отначало: тогава файлът се запазва като „" +
         asideName + "“.";
}

std::string RetrySaveMessage(const std::string& file, const SaveResult& saved) {
  return "Последният запис във „" + file +
         "“ не успя: " + ReasonForPlayer(saved.errorCode, saved.error) +
         ". Ако излезете сега, играта след последния успешен запис ще се загуби. Опитайте "
         "отново или излезте.";
}

}  // namespace tarvolenka

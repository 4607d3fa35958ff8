#include "program/command_line.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "core/resume_file.h"
#include "core/save_file.h"
#include "history/history_file.h"

namespace tarvolenka::program {
namespace {

// An XDG base folder: the variable when it holds an absolute path, else the default under
// HOME, as the desktop's libraries resolve it.
std::string BaseFolder(const char* variable, const char* underHome) {
  const char* value = std::getenv(variable);
  if (value != nullptr && value[0] == '/') return value;
  const char* home = std::getenv("HOME");
  return std::string(home != nullptr ? home : "~") + "/" + underHome;
}

// Where the desktop's libraries put runtime files: XDG_RUNTIME_DIR, else /run/user/<uid> when
// that exists, else a runtime-<user> folder in the temporary folder.
std::string RuntimeFolder() {
  const char* value = std::getenv("XDG_RUNTIME_DIR");
  if (value != nullptr && value[0] == '/') return value;
  const std::string perUser = "/run/user/" + std::to_string(::getuid());
  struct stat status {};
  if (::stat(perUser.c_str(), &status) == 0 && S_ISDIR(status.st_mode)) return perUser;
  const char* temp = std::getenv("TMPDIR");
  const char* user = std::getenv("USER");
  return std::string(temp != nullptr && temp[0] == '/' ? temp : "/tmp") + "/runtime-" +
         (user != nullptr ? user : "user");
}

constexpr std::string_view kKeys =
    "Keys:\n"
    "  Main window     Space or Enter: СТАРТ   ← →: lines   ↓ ↑: stake per line\n"
    "                  D: ДУБЪЛ   T: ТАБЛИЦА   H: ИСТОРИЯ   B: ВЗЕМИ БОНУС\n"
    "                  A: auto-play   M: sound on or off   F1: the rules\n"
    "  Legend          F1: ПРАВИЛА, the rules\n"
    "  Rules           ← →: the previous or next page\n"
    "  History         ↑ ↓: newer or older game   ← →: its spins   S: СТАТИСТИКА\n"
    "                  Escape closes the history, the statistics, the legend and the rules\n"
    "  Double-up       ←: vodka   →: beer   J: joker   Enter or Space: collect\n"
    "  Hats, covers, bottles, cups, golden board   1-9: that choice, from the left\n"
    "  Meze            1-6: that vegetable of the row in play\n"
    "  OK buttons, mega bonus   Enter\n"
    "  Every window    Ctrl+Plus, Ctrl+Minus: zoom   Ctrl+0: 100 %\n";

}  // namespace

Request ParseArguments(const std::vector<std::string_view>& arguments) {
  if (arguments.empty()) return {};
  const std::string_view first = arguments.front();
  if (arguments.size() == 1 && (first == "--help" || first == "-h")) return {Action::Help, {}};
  if (arguments.size() == 1 && (first == "--version" || first == "-V"))
    return {Action::Version, {}};
  const bool known = first == "--help" || first == "-h" || first == "--version" || first == "-V";
  const std::string_view wrong = known ? arguments[1] : first;
  const bool option = !wrong.empty() && wrong.front() == '-';
  return {Action::Refuse, std::string(option ? "unknown option '" : "unexpected argument '") +
                              std::string(wrong) + "'"};
}

std::string UsageLine(std::string_view programName) {
  return "Usage: " + std::string(programName) + " [--help | --version]\n";
}

std::string HelpText(std::string_view programName) {
  std::string text = UsageLine(programName) +
                     "Tarvolenka, a tavern slot machine for play money: five reels, fifty lines,\n"
                     "free spins, three bonus games, a double-up, levels and an hourly bonus.\n"
                     "Started with no argument, it plays the game saved in the current folder.\n"
                     "\n"
                     "  -h, --help     print this help and exit\n"
                     "  -V, --version  print the name and version and exit\n"
                     "\n";
  text += kKeys;
  const std::string save = kSaveFileName;
  text += "\nFiles, in the current folder:\n  " + save +
          "                the save: the whole game, 120 bytes\n  " + std::string(kResumeFileName) +
          "             a game in flight, resumed at the next start\n  " +
          std::string(kHistoryFileName) +
          "            the last games, for ИСТОРИЯ and СТАТИСТИКА\n  " +
          std::string(kHistoryFileName) +
          ".open       the game under way in free spins\n  "
          "*.new                         a file being replaced, for a moment\n  " +
          save + ".unusable-<date>-<time>\n      a save the game could not use, kept\n";
  text += "Elsewhere:\n  " + BaseFolder("XDG_CONFIG_HOME", ".config") +
          "/Tarvolenka/Tarvolenka.ini\n      the settings (the zoom, quick spin, the volume and "
          "auto-play)\n  " +
          BaseFolder("XDG_CACHE_HOME", ".cache") +
          "/Tarvolenka/pictures/\n      rendered pictures, safe to delete\n  " + RuntimeFolder() +
          "/tarvolenka-*.lock, *.socket\n      one game per save folder\n";
  text +=
      "\nClosing the window, the end of the session, SIGTERM, SIGINT, SIGHUP and SIGQUIT save\n"
      "the game and end it. Exit status: 0 when the game ended, 1 when it could not start\n"
      "(no display, or the player chose to quit over an unusable save), 2 for a wrong argument.\n";
  return text;
}

std::string VersionText() {
  return std::string("Tarvolenka ") + TARVOLENKA_VERSION + "\n";
}

}  // namespace tarvolenka::program

#pragma once

// What the program is asked to do by its arguments. Nothing here opens a window or touches a
// file, so that --help and --version work anywhere, with no display and no save left behind.

#include <string>
#include <string_view>
#include <vector>

namespace tarvolenka::program {

enum class Action { Play, Help, Version, Refuse };

struct Request {
  Action action = Action::Play;
  std::string error;  // with Refuse: one line naming the argument
};

// The game takes no argument but --help and --version: anything else is refused, so that no
// argument ever starts a game by accident.
Request ParseArguments(const std::vector<std::string_view>& arguments);

// The usage, the keys and the files the game uses, with the folders they are in as this
// environment resolves them (HOME, XDG_CONFIG_HOME, XDG_CACHE_HOME, XDG_RUNTIME_DIR).
std::string UsageLine(std::string_view programName);
std::string HelpText(std::string_view programName);
std::string VersionText();

}  // namespace tarvolenka::program

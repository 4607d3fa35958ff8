#pragma once

#include <sys/types.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tarvolenka::testing {

struct ChildOptions {
  bool standardError = false;            // read standard error too, mixed with the output
  long fileSizeLimit = -1;               // RLIMIT_FSIZE in bytes, with SIGXFSZ ignored; -1: none
  std::vector<std::string> environment;  // settings over the offscreen, mute defaults
  int user = -1;  // runs as this user (and group of the same number) when set; needs root
};

// A program run in a directory, headless and mute, with its standard output read line by line.
// A child still running when this ends is killed and reaped. `environment` entries
// ("NAME=value") replace the parent's and the defaults.
class ChildProcess {
 public:
  ChildProcess(const std::string& program, const std::vector<std::string>& args,
               const std::filesystem::path& dir, ChildOptions options = {});
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  // The next line of output, or nothing when none comes within `timeoutMs` or output ended.
  std::optional<std::string> ReadLine(int timeoutMs);
  void Signal(int signal);
  // Whether the child blocks or catches `signal` by now, so that sending it cannot kill it.
  bool Handles(int signal) const;
  // Waits for the end of the child; its wait status, or nothing when it outlives `timeoutMs`.
  std::optional<int> Wait(int timeoutMs);
  // Where each of the child's threads stands, from gdb, for the message of a test that waited
  // in vain; a line saying why not when gdb cannot tell.
  std::string Stacks() const;

 private:
  bool Fill(int timeoutMs);

  pid_t pid_ = -1;
  int out_ = -1;
  bool reaped_ = false;
  std::string buffer_;
};

}  // namespace tarvolenka::testing

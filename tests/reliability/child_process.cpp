#include "tests/reliability/child_process.h"

#include <fcntl.h>
#include <grp.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <stdexcept>
#include <thread>

extern char** environ;

namespace tarvolenka::testing {
namespace {

std::string KeyOf(const std::string& entry) {
  return entry.substr(0, entry.find('=') + 1);
}

// The parent's environment with the offscreen platform and no sound, unless `extra` says
// otherwise.
std::vector<std::string> ChildEnvironment(const std::vector<std::string>& extra) {
  std::vector<std::string> settings{"QT_QPA_PLATFORM=offscreen", "TARVOLENKA_MUTE=1"};
  for (const std::string& e : extra) {
    std::erase_if(settings, [&e](const std::string& s) { return KeyOf(s) == KeyOf(e); });
    settings.push_back(e);
  }
  std::vector<std::string> env;
  for (char** e = environ; *e != nullptr; ++e) {
    const std::string entry = *e;
    if (std::none_of(settings.begin(), settings.end(),
                     [&entry](const std::string& s) { return KeyOf(s) == KeyOf(entry); }))
      env.push_back(entry);
  }
  env.insert(env.end(), settings.begin(), settings.end());
  return env;
}

std::vector<char*> Pointers(std::vector<std::string>& strings) {
  std::vector<char*> out;
  for (std::string& s : strings) out.push_back(s.data());
  out.push_back(nullptr);
  return out;
}

}  // namespace

ChildProcess::ChildProcess(const std::string& program, const std::vector<std::string>& args,
                           const std::filesystem::path& dir, ChildOptions options) {
  std::vector<std::string> argv{program};
  argv.insert(argv.end(), args.begin(), args.end());
  std::vector<std::string> env = ChildEnvironment(options.environment);
  std::vector<char*> argp = Pointers(argv);
  std::vector<char*> envp = Pointers(env);
  const std::string where = dir.string();

  int fds[2];
  if (::pipe2(fds, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
  pid_ = ::fork();
  if (pid_ < 0) throw std::runtime_error("fork failed");
  if (pid_ == 0) {
    ::dup2(fds[1], STDOUT_FILENO);
    if (options.standardError) ::dup2(fds[1], STDERR_FILENO);
    if (options.user >= 0 && (::setgroups(0, nullptr) != 0 || ::setgid(options.user) != 0 ||
                              ::setuid(options.user) != 0))
      ::_exit(126);
    if (options.fileSizeLimit >= 0) {
      ::signal(SIGXFSZ, SIG_IGN);  // a write past the limit then fails with EFBIG
      const rlimit limit{static_cast<rlim_t>(options.fileSizeLimit),
                         static_cast<rlim_t>(options.fileSizeLimit)};
      ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    if (::chdir(where.c_str()) == 0) ::execve(program.c_str(), argp.data(), envp.data());
    ::_exit(127);
  }
  ::close(fds[1]);
  out_ = fds[0];
}

ChildProcess::~ChildProcess() {
  if (!reaped_ && pid_ > 0) {
    ::kill(pid_, SIGKILL);
    ::waitpid(pid_, nullptr, 0);
  }
  if (out_ >= 0) ::close(out_);
}

bool ChildProcess::Fill(int timeoutMs) {
  pollfd p{out_, POLLIN, 0};
  if (::poll(&p, 1, timeoutMs) <= 0) return false;
  char chunk[4096];
  const ssize_t n = ::read(out_, chunk, sizeof chunk);
  if (n <= 0) return false;
  buffer_.append(chunk, static_cast<std::size_t>(n));
  return true;
}

std::optional<std::string> ChildProcess::ReadLine(int timeoutMs) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  for (;;) {
    if (const auto end = buffer_.find('\n'); end != std::string::npos) {
      std::string line = buffer_.substr(0, end);
      buffer_.erase(0, end + 1);
      return line;
    }
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                          deadline - std::chrono::steady_clock::now())
                          .count();
    if (left < 0 || !Fill(static_cast<int>(left))) return std::nullopt;
  }
}

void ChildProcess::Signal(int signal) {
  ::kill(pid_, signal);
}

bool ChildProcess::Handles(int signal) const {
  // /proc/<pid>/status lists the blocked and the caught signals as hexadecimal masks.
  std::ifstream status("/proc/" + std::to_string(pid_) + "/status");
  const unsigned long long bit = 1ULL << (signal - 1);
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("SigBlk:", 0) != 0 && line.rfind("SigCgt:", 0) != 0) continue;
    if (std::stoull(line.substr(7), nullptr, 16) & bit) return true;
  }
  return false;
}

std::optional<int> ChildProcess::Wait(int timeoutMs) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  for (;;) {
    int status = 0;
    if (::waitpid(pid_, &status, WNOHANG) == pid_) {
      reaped_ = true;
      return status;
    }
    if (std::chrono::steady_clock::now() > deadline) return std::nullopt;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
}

std::string ChildProcess::Stacks() const {
  if (reaped_ || pid_ <= 0) return "(the child has ended)";
  const std::string command =
      "gdb -p " + std::to_string(pid_) + " -batch -nx -ex 'thread apply all bt 30' 2>&1 </dev/null";
  std::string out;
  if (FILE* pipe = ::popen(command.c_str(), "r")) {
    char chunk[4096];
    for (std::size_t n; (n = std::fread(chunk, 1, sizeof chunk, pipe)) > 0;) out.append(chunk, n);
    ::pclose(pipe);
  }
  return out.empty() ? "(gdb could not say where the child stands)" : out;
}

}  // namespace tarvolenka::testing

#include "program/display_check.h"

#include <dlfcn.h>

#include <cstdlib>
#include <string_view>

namespace tarvolenka::program {
namespace {

std::string Variable(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

// The connections are tried through the client libraries that Qt's own plugins load, opened
// at run time so that the program needs neither's headers and a desktop of the other kind
// loads nothing extra. A library that is missing means its platform cannot be used either.
bool X11Answers(const std::string& display) {
  void* library = ::dlopen("libxcb.so.1", RTLD_LAZY | RTLD_LOCAL);
  if (library == nullptr) return false;
  using Connect = void* (*)(const char*, int*);
  using HasError = int (*)(void*);
  using Disconnect = void (*)(void*);
  auto connect = reinterpret_cast<Connect>(::dlsym(library, "xcb_connect"));
  auto hasError = reinterpret_cast<HasError>(::dlsym(library, "xcb_connection_has_error"));
  auto disconnect = reinterpret_cast<Disconnect>(::dlsym(library, "xcb_disconnect"));
  bool answers = false;
  if (connect != nullptr && hasError != nullptr && disconnect != nullptr) {
    void* connection = connect(display.c_str(), nullptr);
    answers = connection != nullptr && hasError(connection) == 0;
    if (connection != nullptr) disconnect(connection);  // an erroneous one is freed this way too
  }
  ::dlclose(library);
  return answers;
}

bool WaylandAnswers(const std::string& display) {
  void* library = ::dlopen("libwayland-client.so.0", RTLD_LAZY | RTLD_LOCAL);
  if (library == nullptr) return false;
  using Connect = void* (*)(const char*);
  using Disconnect = void (*)(void*);
  auto connect = reinterpret_cast<Connect>(::dlsym(library, "wl_display_connect"));
  auto disconnect = reinterpret_cast<Disconnect>(::dlsym(library, "wl_display_disconnect"));
  bool answers = false;
  if (connect != nullptr && disconnect != nullptr) {
    void* connection = connect(display.c_str());
    answers = connection != nullptr;
    if (connection != nullptr) disconnect(connection);
  }
  ::dlclose(library);
  return answers;
}

std::string TwoLines(const std::string& bulgarian, const std::string& english) {
  return "Tarvolenka: играта има нужда от графичен работен плот: " + bulgarian +
         ".\nTarvolenka: the game needs a graphical desktop: " + english + ".\n";
}

}  // namespace

std::optional<std::string> MissingDisplay() {
  // A platform other than X11 or Wayland (offscreen for tests, vnc, eglfs) is Qt's to judge.
  const std::string platform = Variable("QT_QPA_PLATFORM");
  const bool x11 = platform.empty() || platform.find("xcb") != std::string::npos;
  const bool wayland = platform.empty() || platform.find("wayland") != std::string::npos;
  if (!x11 && !wayland) return std::nullopt;

  const std::string x11Display = Variable("DISPLAY");
  const std::string waylandDisplay = Variable("WAYLAND_DISPLAY");
  if (x11 && !x11Display.empty() && X11Answers(x11Display)) return std::nullopt;
  if (wayland && !waylandDisplay.empty() && WaylandAnswers(waylandDisplay)) return std::nullopt;

  if (x11Display.empty() && waylandDisplay.empty())
    return TwoLines("нито DISPLAY, нито WAYLAND_DISPLAY назовава дисплей",
                    "neither DISPLAY nor WAYLAND_DISPLAY names a display");
  if (!x11Display.empty())
    return TwoLines("дисплеят „" + x11Display + "“ от DISPLAY не отговаря",
                    "the display '" + x11Display + "' named by DISPLAY does not answer");
  return TwoLines("дисплеят „" + waylandDisplay + "“ от WAYLAND_DISPLAY не отговаря",
                  "the display '" + waylandDisplay + "' named by WAYLAND_DISPLAY does not answer");
}

}  // namespace tarvolenka::program

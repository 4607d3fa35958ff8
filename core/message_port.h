#pragma once

// What the game tells the player and the log about its files, and how it ends the program.

#include <functional>
#include <string_view>

namespace tarvolenka {

class MessagePort {
 public:
  virtual ~MessagePort() = default;

  // Troubles with the player's files. Each is also written as one line to the log (standard
  // error) so that it is on record whatever the player answers.
  // A save the game cannot use: the player quits (false, the default) or starts a new game
  // (true). Blocks until answered.
  virtual bool AskNewGameOverUnusableSave(std::string_view message) = 0;
  // The last save failed and the main window is to close: `answered` runs later from the event
  // loop with retry (true) or quit (false). The question holds nothing meanwhile.
  virtual void AskRetryFailedSave(std::string_view message,
                                  std::function<void(bool retry)> answered) = 0;
  // One line for the log.
  virtual void Log(std::string_view line) = 0;
  // Ends the program with `status` as soon as the running handler returns.
  virtual void Quit(int status) = 0;
};

}  // namespace tarvolenka

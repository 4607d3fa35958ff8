#pragma once

// Where the machine writes the player's record. The machine decides what to write and when;
// the log keeps it, and a machine without a save has one that keeps nothing.

#include <optional>
#include <string>
#include <string_view>

#include "core/game_record.h"
#include "core/save_file.h"

namespace tarvolenka {

// A game the last run left under way, as the log kept it.
struct OpenGame {
  std::string line;  // written to the log as it stands when the game is not continued
  // Its beginning and the spins it had, to go on from; nothing when the line cannot be read.
  std::optional<GameRecord> record;
};

class GameLog {
 public:
  virtual ~GameLog() = default;

  // Whether anything is kept at all.
  virtual bool keeps() const = 0;
  // The file's name, for the messages about it.
  virtual std::string fileName() const = 0;

  // Appends one record: a game (`game`), or a double-up or an award between games.
  virtual SaveResult Append(std::string_view line, bool game) = 0;

  // The game under way, kept while its free spins are still to come, so that a game the
  // program ends in the middle of is finished at the next start with the spins it had.
  virtual SaveResult KeepOpenGame(std::string_view line) = 0;
  virtual void DropOpenGame() = 0;
  // The kept game, if any; it is kept no longer.
  virtual std::optional<OpenGame> TakeOpenGame() = 0;
};

}  // namespace tarvolenka

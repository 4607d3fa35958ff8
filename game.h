#pragma once

#include <filesystem>

#include "desktop.h"
#include "double_up_window.h"
#include "legend_window.h"
#include "machine.h"
#include "main_window.h"

namespace tarvolenka {

// The whole game: the machine state and the logic of its thirteen windows, attached to a
// desktop in their order of creation. The program plugs in the Qt desktop, the tests a
// virtual one.
class Game {
 public:
  Game(Desktop& desktop, std::filesystem::path savePath);

  TForm1& main() { return form1_; }
  Machine& machine() { return machine_; }
  TForm6& doubleUp() { return form6_; }

 private:
  Machine machine_;
  TForm1 form1_;
  TForm2 form2_;
  TForm6 form6_;
};

}  // namespace tarvolenka

#pragma once

#include <filesystem>

#include "bonus/bonus_sequence.h"
#include "bonus/bottles_window.h"
#include "bonus/chooser_window.h"
#include "bonus/cups_window.h"
#include "bonus/golden_board_window.h"
#include "bonus/golden_pick_window.h"
#include "bonus/mega_bonus_window.h"
#include "bonus/meze_window.h"
#include "bonus/result_window.h"
#include "core/desktop.h"
#include "core/legend_window.h"
#include "core/level_window.h"
#include "core/machine.h"
#include "core/main_window.h"
#include "core/timed_bonus_window.h"
#include "double/double_up_window.h"

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
  TFormMegaBonus& megaBonus() { return formMegaBonus_; }
  BonusSequence& bonus() { return bonus_; }
  TForm3& bottles() { return form3_; }
  TForm4& cups() { return form4_; }
  TForm5& result() { return form5_; }
  TForm10& chooser() { return form10_; }
  TForm11& meze() { return form11_; }
  TForm12& goldenPick() { return form12_; }
  TFormZlatenBonus& goldenBoard() { return formZlatenBonus_; }

 private:
  Machine machine_;
  TForm1 form1_;
  TForm2 form2_;
  TForm6 form6_;
  TFormLevel1 formLevel1_;
  TFormBonus formBonus_;
  TFormMegaBonus formMegaBonus_;
  TForm3 form3_;
  TForm4 form4_;
  TForm5 form5_;
  TForm10 form10_;
  TForm11 form11_;
  TForm12 form12_;
  TFormZlatenBonus formZlatenBonus_;
  BonusSequence bonus_;
};

}  // namespace tarvolenka

#include "game/game.h"

namespace tarvolenka {

Game::Game(Desktop& desktop, std::filesystem::path savePath)
    : form1_(desktop, machine_, SaveFile(std::move(savePath))),
      form6_(desktop, machine_),
      formLevel1_(desktop, machine_),
      formBonus_(desktop, machine_),
      formMegaBonus_(desktop, machine_),
      form3_(desktop, machine_),
      form4_(desktop, machine_),
      form5_(desktop, machine_),
      form10_(desktop, machine_),
      form11_(desktop, machine_),
      form12_(desktop, machine_),
      formZlatenBonus_(desktop, machine_),
      bonus_(desktop, machine_, form1_) {
  desktop.Attach(WindowId::Main, form1_);
  desktop.Attach(WindowId::Legend, form2_);
  desktop.Attach(WindowId::Bottles, form3_);
  desktop.Attach(WindowId::Cups, form4_);
  desktop.Attach(WindowId::Result, form5_);
  desktop.Attach(WindowId::Double, form6_);
  desktop.Attach(WindowId::Level, formLevel1_);
  desktop.Attach(WindowId::TimedBonus, formBonus_);
  desktop.Attach(WindowId::MegaBonus, formMegaBonus_);
  desktop.Attach(WindowId::Chooser, form10_);
  desktop.Attach(WindowId::Meze, form11_);
  desktop.Attach(WindowId::GoldenPick, form12_);
  desktop.Attach(WindowId::GoldenBoard, formZlatenBonus_);
  form1_.SetBonusStep(&bonus_);
}

}  // namespace tarvolenka

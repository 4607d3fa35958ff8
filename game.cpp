#include "game.h"

namespace tarvolenka {

Game::Game(Desktop& desktop, std::filesystem::path savePath)
    : form1_(desktop, machine_, SaveFile(std::move(savePath))), form6_(desktop, machine_) {
  desktop.Attach(WindowId::Main, form1_);
  desktop.Attach(WindowId::Legend, form2_);
  desktop.Attach(WindowId::Double, form6_);
}

}  // namespace tarvolenka

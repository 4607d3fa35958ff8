#include "tools/sim/player.h"

#include <stdexcept>

namespace tarvolenka::sim {

RandomPlayer::RandomPlayer(Stream& stream, const DoubleUpWindow& doubleUp, DoubleStrategy strategy)
    : stream_(stream), doubleUp_(doubleUp), strategy_(strategy) {}

void RandomPlayer::Act(WindowId window, HeadlessDesktop& desktop) {
  if (window == WindowId::DoubleUp) return ActInDoubleUp(desktop);
  desktop.ClickableNow(window, clickable_);
  if (clickable_.empty()) throw std::runtime_error("a window waits with nothing to click");
  desktop.Click(clickable_[stream_.Below(static_cast<std::uint32_t>(clickable_.size()))]);
}

void RandomPlayer::ActInDoubleUp(HeadlessDesktop& desktop) {
  using Kind = DoubleStrategy::Kind;
  desktop.Wait(WindowId::DoubleUp, static_cast<int>(stream_.Below(kThinkMsMax)));
  if (static_cast<int>(doubleUp_.rules().rung()) >= strategy_.stopRung() ||
      strategy_.kind == Kind::Never)
    return desktop.Click(Ref(DoubleUpEl::CollectButton));  // collect
  bool vodka = strategy_.kind == Kind::AlwaysVodka;
  if (strategy_.kind == Kind::CollectAt) vodka = stream_.Below(2) == 1;
  desktop.Click(Ref(vodka ? DoubleUpEl::VodkaButton : DoubleUpEl::BeerButton));
}

}  // namespace tarvolenka::sim

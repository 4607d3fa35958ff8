#pragma once

// A whole game on a virtual desktop that also keeps a timeline of what became visible and
// when each window closed, and a scripted player that acts once a given window has input.

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "game/game.h"
#include "tests/support/temp_dir.h"
#include "tests/support/virtual_desktop.h"

namespace tarvolenka::testing {

class TimelineDesktop : public VirtualDesktop {
 public:
  using VirtualDesktop::VirtualDesktop;

  void SetVisible(ElementRef element, bool visible) override {
    if (visible && !Visible(element)) shown_.push_back({now(), element});
    VirtualDesktop::SetVisible(element, visible);
  }
  void CopyPicture(ElementRef target, ElementRef source) override {
    pictured_.push_back({now(), target});
    VirtualDesktop::CopyPicture(target, source);
  }
  void Close(WindowId window) override {
    if (IsShown(window)) closed_.push_back({now(), window});
    VirtualDesktop::Close(window);
  }

  // When `element` last turned visible, or nothing if it never did.
  std::optional<std::int64_t> ShownAt(ElementRef element) const {
    std::optional<std::int64_t> at;
    for (const auto& s : shown_)
      if (s.element == element) at = s.at;
    return at;
  }
  // When a picture was last put into `element`, or nothing if none was.
  std::optional<std::int64_t> PicturedAt(ElementRef element) const {
    std::optional<std::int64_t> at;
    for (const auto& s : pictured_)
      if (s.element == element) at = s.at;
    return at;
  }
  // When `window` last closed, or nothing if it never did.
  std::optional<std::int64_t> ClosedAt(WindowId window) const {
    std::optional<std::int64_t> at;
    for (const auto& c : closed_)
      if (c.window == window) at = c.at;
    return at;
  }
  int Closings(WindowId window) const {
    int n = 0;
    for (const auto& c : closed_) n += c.window == window ? 1 : 0;
    return n;
  }

 private:
  struct Stamp {
    std::int64_t at;
    ElementRef element;
  };
  struct Closed {
    std::int64_t at;
    WindowId window;
  };
  std::vector<Stamp> shown_;
  std::vector<Stamp> pictured_;
  std::vector<Closed> closed_;
};

class BonusTest : public ::testing::Test {
 protected:
  void SetUp() override {
    game_ = std::make_unique<Game>(desk_, dir_ / kSaveFileName);
    desk_.Start();
    desk_.SetObserver([this] { Act(); });
  }

  Machine& m() { return game_->machine(); }
  Game& game() { return *game_; }
  // The bonus round as it stands, and one set up for a window opened on its own.
  const BonusRound& round() { return game_->bonus().round(); }
  void SetRound(const BonusRound& round) {
    game_->bonusRules().Restore(BonusStageId::Chooser, round);
  }

  // Visible rows hold plain symbols; the bonus symbol stands on the middle row of the first
  // `n` reels.
  void ArrangeBonusSymbols(int n) {
    for (int row = 0; row < kRows; ++row)
      for (int reel = 1; reel <= kReels; ++reel)
        m().Reels.at(row, reel) = static_cast<SymbolId>(row + 1);
    for (int reel = 1; reel <= n; ++reel) m().Reels.at(2, reel) = kBonusSymbol;
  }

  // The player's next move, made as soon as `window` takes input (at the next event there).
  void When(WindowId window, std::function<void()> move) {
    moves_.push_back({window, std::move(move)});
  }
  // Moves made in the order given; any window without a scripted move is played by default.
  void PlayTheRestByDefault() { byDefault_ = true; }
  bool AllMovesMade() const { return moves_.empty(); }

  ClickResult Click(ElementRef element) { return desk_.Click(element); }
  // Plays the bonus the reels hold to its end and payment.
  void PlayBonus() {
    desk_.RunToEnd([this](std::function<void()> done) { game().bonus().RunBonus(std::move(done)); },
                   "the bonus");
  }

  GameState Saved() const { return Decode(*game_->main().saveFile().Read()); }

  int CueCount(Cue cue) const {
    int n = 0;
    for (const auto& c : desk_.cues()) n += c.cue == cue ? 1 : 0;
    return n;
  }

  TempDir dir_;
  TimelineDesktop desk_;
  std::unique_ptr<Game> game_;

 private:
  struct Move {
    WindowId window;
    std::function<void()> move;
  };

  void Act() {
    const WindowId input = desk_.inputWindow();
    if (input == WindowId::Main || !desk_.IsShown(input) || desk_.paused()) return;
    if (!moves_.empty()) {
      if (moves_.front().window != input) return;
      auto move = std::move(moves_.front().move);
      moves_.pop_front();
      move();
      return;
    }
    if (byDefault_) PlayDefault(input);
  }

  // A plain player: the first hat, cover or bottle, the lowest cells and cups, then OK.
  void PlayDefault(WindowId window) {
    switch (window) {
      case WindowId::HatChooser:
        Click(Ref(ChooserHat(1)));
        break;
      case WindowId::GoldenPick:
        Click(Ref(Cover(1)));
        break;
      case WindowId::Bottles:
        Click(Ref(Bottle(1)));
        break;
      case WindowId::BonusResult:
        Click(Ref(BonusResultEl::OkButton));
        break;
      case WindowId::Meze:
        for (int row = 0; row < kMezeRows; ++row) Click(Ref(MezePicture(row, 1)));
        break;
      case WindowId::GoldenBoard:
        for (int k = 1; k <= kBoardCells; ++k) Click(Ref(BoardCell(k)));
        break;
      case WindowId::Cups:
        for (int i = 1; i <= kCups; ++i) Click(Ref(Cup(i)));
        break;
      default:
        break;
    }
  }

  std::deque<Move> moves_;
  bool byDefault_ = false;
};

// Expected draws, replayed on a generator of their own.
inline Random Replay(std::uint32_t seed) {
  Random r;
  r.Seed(seed);
  return r;
}

}  // namespace tarvolenka::testing

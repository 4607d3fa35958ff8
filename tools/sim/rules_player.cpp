#include "tools/sim/rules_player.h"

namespace tarvolenka::sim {

RulesPlayer::RulesPlayer(Stream& stream, Random& rng, DoubleStrategy strategy)
    : stream_(stream), rng_(rng), strategy_(strategy) {}

std::int64_t RulesPlayer::PlayBonus(BonusRules& bonus, int bonusSymbols, std::int32_t lineStake) {
  using Stage = BonusStageId;
  if (!bonus.Open(bonusSymbols)) return 0;
  const std::int64_t symbols = bonus.round().symbolCount;
  for (Stage stage = bonus.Next(); stage != Stage::Paid; stage = bonus.Next()) {
    switch (stage) {
      case Stage::Chooser:
        bonus.Chose(ChooseHat());
        break;
      case Stage::Bottles: {
        const BottlePick pick = PickBottle();
        bonus.BottlePicked(pick.bottle, pick.multiplier);
        break;
      }
      case Stage::Cups:
        bonus.CupsWon(PlayCups(symbols));
        break;
      case Stage::Meze:
        bonus.MezeTotal(PlayMeze(symbols));
        break;
      case Stage::GoldenPick:
        bonus.FoulsAllowed(PickGoldenCover());
        break;
      case Stage::GoldenBoard:
        bonus.BoardPrize(PlayGoldenBoard(bonus.round().goldenPick));
        break;
      case Stage::Result:
        ConfirmResult();
        return bonus.Pay(lineStake);
      case Stage::BeforeChooser:
      case Stage::Paid:
      case Stage::Count:
        break;
    }
  }
  return 0;  // no game chosen: nothing played or paid
}

std::uint8_t RulesPlayer::ChooseHat() {
  hats_.DealEachValueOnce(rng_);
  return *hats_.Pick(Click(kHats) + 1);
}

BottlePick RulesPlayer::PickBottle() {
  bottles_.DealEachValueOnce(rng_);
  const int bottle = Click(kBottleClicks) + 1;
  return {bottle, *bottles_.Pick(bottle)};
}

std::int64_t RulesPlayer::PlayCups(std::int64_t bonusSymbols) {
  cups_.Deal(bonusSymbols, rng_);
  for (;;) {
    const auto pick = cups_.Pick(Click(kCupClicks) + 1);
    if (pick && pick->result) return *pick->result;
  }
}

std::int64_t RulesPlayer::PlayMeze(std::int64_t bonusSymbols) {
  meze_.Deal(bonusSymbols, rng_);
  int rowsShown = 1;
  for (;;) {
    const int vegetable = Click(kVegetablesPerRow * rowsShown);
    const auto row = static_cast<MezeRow>(vegetable / kMezeCells);
    if (!meze_.Pick(row, vegetable % kMezeCells + 1)) continue;  // a row already played
    if (meze_.Over()) return meze_.total();
    ++rowsShown;
    meze_.OpenNextRow();
  }
}

// The golden pick re-seeds the generator from the clock before it deals.
std::uint8_t RulesPlayer::PickGoldenCover() {
  rng_.Seed(ReadClock(stream_));
  covers_.DealIntoDrawnCovers(rng_, 2);  // 2, 3 and 4 fouls
  return *covers_.Pick(Click(kCoverClicks) + 1);
}

std::int64_t RulesPlayer::PlayGoldenBoard(int allowedFouls) {
  board_.Deal(allowedFouls, rng_);
  for (;;) {
    const auto pick = board_.Pick(Click(kCellClicks) + 1);
    if (pick && pick->over) return board_.prize();
  }
}

void RulesPlayer::ConfirmResult() {
  Click(kResultClicks);
}

// While the player thinks, the shaking window draws two steps from the game's generator per
// tick of its timer.
void RulesPlayer::ThinkInDoubleUp(bool shaking) {
  const int thinkMs = static_cast<int>(stream_.Below(kThinkMsMax));
  if (!shaking) return;
  for (int tick = 0; tick < thinkMs / kShakeMs; ++tick) {
    int dx = 0;
    int dy = 0;
    DoubleUpRules::ShakeStep(rng_, dx, dy);
  }
}

// The window re-seeds the generator from the clock as it opens, and starts shaking once the
// rung below the top is reached.
std::int64_t RulesPlayer::Gamble(std::int64_t win) {
  using Kind = DoubleStrategy::Kind;
  rng_.Seed(ReadClock(stream_));
  doubleUp_.Start(win);
  bool shaking = false;
  for (;;) {
    ThinkInDoubleUp(shaking);
    if (doubleUp_.rung() >= strategy_.stopRung() || strategy_.kind == Kind::Never)
      return doubleUp_.inHand();  // collect
    bool vodka = strategy_.kind == Kind::AlwaysVodka;
    if (strategy_.kind == Kind::CollectAt) vodka = stream_.Below(2) == 1;
    const DoubleUpStep step = doubleUp_.Guess(vodka ? kVodka : kBeer, rng_);
    if (step.over) return step.inHand;
    if (step.rung == DoubleUpRules::kTopRung - 1) shaking = true;
  }
}

}  // namespace tarvolenka::sim

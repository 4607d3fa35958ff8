#include "core/resume_encoding.h"

#include <cstring>

#include "catalogue/double_up_elements.h"
#include "core/arith.h"

namespace tarvolenka {
namespace {

constexpr std::array<std::uint8_t, 4> kMagic{'T', 'V', 'R', 'S'};
constexpr std::uint16_t kVersion = 1;
constexpr std::size_t kHeaderSize = 4 + 2 + 2 + 4;  // magic, version, reserved, payload length
constexpr std::size_t kChecksumSize = 4;

// FNV-1a: enough to tell a damaged file from a whole one.
std::uint32_t Checksum(const std::uint8_t* data, std::size_t size) {
  std::uint32_t h = 2166136261u;
  for (std::size_t i = 0; i < size; ++i) h = (h ^ data[i]) * 16777619u;
  return h;
}

class Writer {
 public:
  std::vector<std::uint8_t> bytes;
  template <class T>
  void Int(T v) {
    auto u = static_cast<std::uint64_t>(v);
    for (std::size_t i = 0; i < sizeof(T); ++i)
      bytes.push_back(static_cast<std::uint8_t>(u >> (8 * i)));
  }
  template <class Range>
  void Bytes(const Range& r) {
    bytes.insert(bytes.end(), r.begin(), r.end());
  }
};

class Reader {
 public:
  Reader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  bool ok() const { return ok_; }
  bool atEnd() const { return at_ == size_; }
  template <class T>
  T Int() {
    std::uint64_t u = 0;
    if (!Take(sizeof(T))) return T{};
    for (std::size_t i = 0; i < sizeof(T); ++i)
      u |= std::uint64_t{data_[at_ - sizeof(T) + i]} << (8 * i);
    return static_cast<T>(u);
  }
  template <class Array>
  void Bytes(Array& out) {
    if (!Take(out.size())) return;
    std::memcpy(out.data(), data_ + at_ - out.size(), out.size());
  }

 private:
  bool Take(std::size_t n) {
    if (!ok_ || size_ - at_ < n) {
      ok_ = false;
      return false;
    }
    at_ += n;
    return true;
  }
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
  bool ok_ = true;
};

void EncodePayload(const ResumeRecord& r, Writer& w) {
  w.Int(static_cast<std::uint8_t>(r.kind));
  w.Int(r.baseCount);
  for (std::size_t i = 0; i < r.baseCount; ++i) w.Bytes(r.bases[i]);
  w.Bytes(Encode(r.state));
  w.Int(r.seed);
  w.Bytes(r.reels.cells);
  w.Int(r.freeSpins);
  w.Int(r.autoPlay);
  w.Int(static_cast<std::uint8_t>(r.stage));
  const BonusRound& h = r.round;
  w.Int(h.symbolCount);
  w.Int(h.choice);
  w.Int(h.multiplier);
  w.Int(h.amount);
  w.Int(h.bottleChoice);
  w.Int(h.goldenPick);
  w.Int(r.window.dealt);
  for (std::int64_t v : r.window.values) w.Int(v);
  w.Bytes(r.window.marks);
  w.Bytes(r.window.counts);
  w.Int(r.doubleAmount);
}

bool DecodePayload(Reader& in, ResumeRecord& r) {
  const auto kind = in.Int<std::uint8_t>();
  if (kind < static_cast<std::uint8_t>(InFlight::Spin) ||
      kind > static_cast<std::uint8_t>(InFlight::LevelUp))
    return false;
  r.kind = static_cast<InFlight>(kind);
  r.baseCount = in.Int<std::uint8_t>();
  if (r.baseCount > ResumeRecord::kMaxBases) return false;
  for (std::size_t i = 0; i < r.baseCount; ++i) in.Bytes(r.bases[i]);
  SaveBytes state{};
  in.Bytes(state);
  r.state = Decode(state);
  r.seed = in.Int<std::uint32_t>();
  in.Bytes(r.reels.cells);
  r.freeSpins = in.Int<std::int32_t>();
  r.autoPlay = in.Int<std::uint8_t>();
  const auto stage = in.Int<std::uint8_t>();
  if (stage >= static_cast<std::uint8_t>(BonusStageId::Count)) return false;
  r.stage = static_cast<BonusStageId>(stage);
  BonusRound& h = r.round;
  h.symbolCount = in.Int<std::int32_t>();
  h.choice = in.Int<std::uint8_t>();
  h.multiplier = in.Int<std::int32_t>();
  h.amount = in.Int<std::int64_t>();
  h.bottleChoice = in.Int<std::int32_t>();
  h.goldenPick = in.Int<std::uint8_t>();
  r.window.dealt = in.Int<std::uint8_t>();
  for (std::int64_t& v : r.window.values) v = in.Int<std::int64_t>();
  in.Bytes(r.window.marks);
  in.Bytes(r.window.counts);
  r.doubleAmount = in.Int<std::int64_t>();
  for (SymbolId s : r.reels.cells)
    if (s > 15) return false;
  return in.ok() && in.atEnd() && r.freeSpins >= 0;
}

}  // namespace

std::vector<std::uint8_t> EncodeResume(const ResumeRecord& record) {
  Writer payload;
  EncodePayload(record, payload);
  Writer file;
  file.Bytes(kMagic);
  file.Int(kVersion);
  file.Int(std::uint16_t{0});
  file.Int(static_cast<std::uint32_t>(payload.bytes.size()));
  file.Bytes(payload.bytes);
  file.Int(Checksum(file.bytes.data(), file.bytes.size()));
  return file.bytes;
}

std::optional<ResumeRecord> DecodeResume(const std::vector<std::uint8_t>& bytes) {
  if (bytes.size() < kHeaderSize + kChecksumSize) return std::nullopt;
  Reader header(bytes.data(), kHeaderSize);
  std::array<std::uint8_t, 4> magic{};
  header.Bytes(magic);
  const auto version = header.Int<std::uint16_t>();
  header.Int<std::uint16_t>();
  const auto length = header.Int<std::uint32_t>();
  if (magic != kMagic || version != kVersion) return std::nullopt;
  if (bytes.size() != kHeaderSize + length + kChecksumSize) return std::nullopt;
  Reader tail(bytes.data() + kHeaderSize + length, kChecksumSize);
  if (tail.Int<std::uint32_t>() != Checksum(bytes.data(), kHeaderSize + length))
    return std::nullopt;
  Reader payload(bytes.data() + kHeaderSize, length);
  ResumeRecord record;
  if (!DecodePayload(payload, record)) return std::nullopt;
  return record;
}

// The checks of values each floor's rules bound; the bonus windows check their own state as
// they restore it.
const char* ResumeRecord::Implausible() const {
  // Far above any run of free spins play awards, and never below nothing.
  constexpr std::int32_t kMostFreeSpins = 1'000'000;
  // Nothing in hand pays more than the ladder's top rung.
  constexpr std::int64_t kMostDoubleFactor = kDoubleLadder.back().multiplier;
  if (freeSpins < 0 || freeSpins > kMostFreeSpins) return "free spins out of range";
  if (autoPlay > 1) return "auto-play neither on nor off";
  if (state.LastWin < 0) return "a negative last win";
  if (kind == InFlight::DoubleUp &&
      (doubleAmount < 0 || doubleAmount > SatMul(state.LastWin, kMostDoubleFactor)))
    return "a double-up amount the ladder cannot reach";
  if (round.symbolCount < 0 || round.symbolCount > 15 || round.choice > 3 || round.multiplier < 0 ||
      round.amount < 0 || round.bottleChoice < 0 || round.bottleChoice > 5 || round.goldenPick > 4)
    return "a bonus round out of range";
  return nullptr;
}

}  // namespace tarvolenka

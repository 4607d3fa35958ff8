#include "core/draw_block.h"

#include <type_traits>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define TARVOLENKA_X86_VECTORS 1
#endif

namespace tarvolenka {
namespace {

// n steps of the generator are an affine map of its state, found by stepping the generator.
struct Jump {
  std::uint32_t mul;
  std::uint32_t add;
};

constexpr std::uint32_t StateAfterSteps(std::uint32_t seed, int steps) {
  Random r;
  r.Seed(seed);
  for (int i = 0; i < steps; ++i) r.Below(1);
  return r.seed();
}

constexpr Jump JumpOf(int steps) {
  const std::uint32_t add = StateAfterSteps(0, steps);
  return {StateAfterSteps(1, steps) - add, add};
}

// The jumps to each draw's state, 1..kSize steps on, as two arrays for the vector loads.
template <bool kMul>
constexpr auto MakeJumpParts() {
  std::array<std::uint32_t, DrawBlock::kSize + 1> part{};
  for (int n = 0; n <= DrawBlock::kSize; ++n) {
    const Jump j = JumpOf(n);
    part[static_cast<std::size_t>(n)] = kMul ? j.mul : j.add;
  }
  return part;
}

alignas(16) constexpr auto kJumpMul = MakeJumpParts<true>();  // [n]: n steps on
alignas(16) constexpr auto kJumpAdd = MakeJumpParts<false>();

// The draw's index u in 0..72 falls to symbol s when kCumulative[s - 2] <= u < kCumulative[s - 1].
constexpr auto MakeCumulative() {
  std::array<int, kSymbolWeights.size()> cumulative{};
  int total = 0;
  for (std::size_t s = 0; s < kSymbolWeights.size(); ++s)
    cumulative[s] = total += kSymbolWeights[s];
  return cumulative;
}

constexpr auto kCumulative = MakeCumulative();
static_assert(kCumulative.back() == kSymbolWeightTotal);
static_assert(kCumulative.back() < 128, "the vector form keeps draw indices in signed bytes");

// The symbols refused on each reel whatever its column holds, as a set of symbol bits.
constexpr auto MakeNotAllowedSets() {
  std::array<std::uint16_t, kReels> sets{};
  for (int reel = 1; reel <= kReels; ++reel)
    for (int s = 1; s <= 15; ++s)
      if (!AllowedOnReel(static_cast<SymbolId>(s), reel))
        sets[static_cast<std::size_t>(reel - 1)] |= static_cast<std::uint16_t>(1u << s);
  return sets;
}

constexpr auto kNotAllowedSets = MakeNotAllowedSets();

}  // namespace

std::uint32_t DrawBlock::StateAfter(int n) const {
  const auto i = static_cast<std::size_t>(n);
  return kJumpMul[i] * start_ + kJumpAdd[i];
}

void DrawBlock::MarkPositions(const std::array<DrawPositions, 14>& above) {
  static_assert(std::tuple_size_v<std::remove_reference_t<decltype(above)>> ==
                kCumulative.size() - 1);
  at_[0] = 0;  // the empty cell of a window not yet filled: never drawn
  at_[1] = ~above[0];
  for (std::size_t s = 2; s < above.size() + 1; ++s) at_[s] = above[s - 2] & ~above[s - 1];
  at_[above.size() + 1] = above.back();
  MarkNotAllowed();
}

void DrawBlock::MarkNotAllowed() {
#pragma GCC unroll 5
  for (std::size_t c = 0; c < kReels; ++c) {
    DrawPositions refused = 0;
#pragma GCC unroll 16
    for (std::size_t s = 1; s < at_.size(); ++s)
      if ((kNotAllowedSets[c] >> s & 1u) != 0) refused |= at_[s];
    notAllowed_[c] = refused;
  }
}

void DrawBlock::MarkComplements() {
  for (std::size_t s = 0; s < at_.size(); ++s) whereNot_[s] = ~at_[s];
  for (std::size_t c = 0; c < kReels; ++c) allowedOn_[c] = ~notAllowed_[c];
  for (std::size_t j = 0; j < kSize; ++j) whereNotSameAs_[j] = whereNot_[symbol_[j]];
}

void DrawBlock::DrawOneByOne(std::uint32_t start) {
  start_ = start;
  at_.fill(0);
  for (int j = 0; j < kSize; ++j) {
    const SymbolId s = kSymbolOfDraw[Random::Scaled(StateAfter(j + 1), kSymbolWeightTotal)];
    symbol_[static_cast<std::size_t>(j)] = s;
    at_[s] |= DrawPositions{1} << j;
  }
  MarkNotAllowed();
  MarkComplements();
}

#if defined(TARVOLENKA_X86_VECTORS)

// Thirty-two draws to a vector: eight lanes of generator states at a time, each scaled to its
// index u in 0..72 (the high half of 73 × state), packed to bytes. Then each cumulative weight is
// one byte compare: its lanes count towards the symbol and its bits mark the draws above it.
__attribute__((target("avx2"))) void DrawBlock::DrawAvx2(std::uint32_t start) {
  start_ = start;
  const __m256i state = _mm256_set1_epi32(static_cast<int>(start));
  const __m256i total = _mm256_set1_epi32(kSymbolWeightTotal);
  const __m256i oddLanes = _mm256_set_epi32(-1, 0, -1, 0, -1, 0, -1, 0);
  // The packs work within each 128-bit half; this puts the four-draw groups back in order.
  const __m256i inOrder = _mm256_setr_epi32(0, 4, 1, 5, 2, 6, 3, 7);
  std::array<DrawPositions, 14> above{};
  for (int q = 0; q < kSize / 32; ++q) {
    __m256i index[4];
    for (int k = 0; k < 4; ++k) {
      const auto j = static_cast<std::size_t>(q * 32 + k * 8 + 1);
      const __m256i mul = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(&kJumpMul[j]));
      const __m256i add = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(&kJumpAdd[j]));
      const __m256i drawn = _mm256_add_epi32(_mm256_mullo_epi32(mul, state), add);
      const __m256i uEven = _mm256_srli_epi64(_mm256_mul_epu32(drawn, total), 32);
      const __m256i uOdd =
          _mm256_and_si256(_mm256_mul_epu32(_mm256_srli_epi64(drawn, 32), total), oddLanes);
      index[k] = _mm256_or_si256(uEven, uOdd);
    }
    const __m256i packed = _mm256_packus_epi16(_mm256_packs_epi32(index[0], index[1]),
                                               _mm256_packs_epi32(index[2], index[3]));
    const __m256i u = _mm256_permutevar8x32_epi32(packed, inOrder);
    __m256i symbols = _mm256_set1_epi8(1);
    for (std::size_t k = 0; k < above.size(); ++k) {
      const __m256i over =
          _mm256_cmpgt_epi8(u, _mm256_set1_epi8(static_cast<char>(kCumulative[k] - 1)));
      symbols = _mm256_sub_epi8(symbols, over);  // a true lane is -1
      above[k] |= DrawPositions{static_cast<std::uint32_t>(_mm256_movemask_epi8(over))} << (32 * q);
    }
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(&symbol_[static_cast<std::size_t>(32 * q)]),
                        symbols);
  }
  MarkPositions(above);
  MarkComplements();
}

// GCC 12's AVX-512 intrinsics start their results from a deliberately undefined vector, which
// its own uninitialised-use checks then flag where they are inlined (the "maybe" one in the
// sanitizer build).
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wuninitialized"
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"

namespace {

// The indices u in 0..72 of the 64 draws after `start`, a byte each in order: four vectors of
// sixteen states, narrowed to one vector of bytes.
__attribute__((target("avx512f,avx512bw"), always_inline)) inline __m512i DrawIndicesAvx512(
    std::uint32_t start) {
  static_assert(DrawBlock::kSize == 64);
  const __m512i state = _mm512_set1_epi32(static_cast<int>(start));
  const __m512i total = _mm512_set1_epi32(kSymbolWeightTotal);
  constexpr __mmask16 kOddLanes = 0xAAAA;
  __m128i bytes[4];
  for (int k = 0; k < 4; ++k) {
    const auto j = static_cast<std::size_t>(k * 16 + 1);
    const __m512i mul = _mm512_loadu_si512(&kJumpMul[j]);
    const __m512i add = _mm512_loadu_si512(&kJumpAdd[j]);
    const __m512i drawn = _mm512_add_epi32(_mm512_mullo_epi32(mul, state), add);
    const __m512i uEven = _mm512_srli_epi64(_mm512_mul_epu32(drawn, total), 32);
    const __m512i uOdd = _mm512_mul_epu32(_mm512_srli_epi64(drawn, 32), total);
    bytes[k] = _mm512_cvtepi32_epi8(_mm512_mask_blend_epi32(kOddLanes, uEven, uOdd));
  }
  __m512i u = _mm512_castsi128_si512(bytes[0]);
  u = _mm512_inserti32x4(u, bytes[1], 1);
  u = _mm512_inserti32x4(u, bytes[2], 2);
  return _mm512_inserti32x4(u, bytes[3], 3);
}

// The tables of the permute method, a byte each.
struct Bytes64 {
  alignas(64) std::array<std::uint8_t, 64> b{};
};

// The symbol of each draw index, 0..127 in two vectors (indices above 72 are never drawn).
constexpr std::array<Bytes64, 2> kSymbolOfIndex = [] {
  std::array<Bytes64, 2> table{};
  for (std::size_t u = 0; u < kSymbolOfDraw.size(); ++u) table[u / 64].b[u % 64] = kSymbolOfDraw[u];
  return table;
}();

// Per 16-byte lane, the byte looked up by a symbol 0..15: its bit among symbols 0..7 and among
// 8..15, and whether it is allowed on each reel.
constexpr Bytes64 LaneTable(auto byteOfSymbol) {
  Bytes64 t;
  for (std::size_t i = 0; i < 64; ++i) t.b[i] = byteOfSymbol(i % 16);
  return t;
}
constexpr Bytes64 kLowSymbolBit =
    LaneTable([](std::size_t s) { return static_cast<std::uint8_t>(s < 8 ? 1u << s : 0u); });
constexpr Bytes64 kHighSymbolBit =
    LaneTable([](std::size_t s) { return static_cast<std::uint8_t>(s >= 8 ? 1u << (s - 8) : 0u); });
constexpr std::array<Bytes64, kReels> kAllowedOnReel = [] {
  std::array<Bytes64, kReels> t{};
  for (int reel = 1; reel <= kReels; ++reel)
    t[static_cast<std::size_t>(reel - 1)] = LaneTable([reel](std::size_t s) {
      return static_cast<std::uint8_t>(s >= 1 && AllowedOnReel(static_cast<SymbolId>(s), reel));
    });
  return t;
}();

// Reverses the eight bytes of each 64-bit lane.
constexpr Bytes64 kReverseEach8 = [] {
  Bytes64 t;
  for (std::size_t i = 0; i < 64; ++i)
    t.b[i] = static_cast<std::uint8_t>(i % 16 / 8 * 8 + 7 - i % 8);
  return t;
}();

// Transposes the 8 x 8 bytes of a vector: byte 8s + q takes byte 8q + s.
constexpr Bytes64 kTransposeBytes = [] {
  Bytes64 t;
  for (std::size_t s = 0; s < 8; ++s)
    for (std::size_t q = 0; q < 8; ++q) t.b[8 * s + q] = static_cast<std::uint8_t>(8 * q + s);
  return t;
}();

// With 8g added, the byte permute that widens the symbols of draws 8g..8g+7 to 64-bit indices:
// the low byte of lane i takes draw 8g + i (a mask zeroes the other bytes).
constexpr Bytes64 kSpreadGroup = [] {
  Bytes64 t;
  for (std::size_t i = 0; i < 8; ++i) t.b[8 * i] = static_cast<std::uint8_t>(i);
  return t;
}();

__attribute__((target("avx512f,avx512bw"), always_inline)) inline __m512i Load(const Bytes64& t) {
  return _mm512_load_si512(t.b.data());
}

// Where eight symbols were drawn, a 64-bit lane each, from the draws' symbols with each lane's
// eight bytes reversed: `symbolBit` gives each symbol's bit, and so which eight the lanes hold.
__attribute__((target("avx512f,avx512bw,avx512vbmi,gfni"), always_inline)) inline __m512i
PositionsOfSymbols(__m512i reversedSymbols, const Bytes64& symbolBit) {
  const __m512i units = _mm512_set1_epi64(static_cast<long long>(0x8040201008040201ull));
  const __m512i bits = _mm512_shuffle_epi8(Load(symbolBit), reversedSymbols);
  return _mm512_permutexvar_epi8(Load(kTransposeBytes),
                                 _mm512_gf2p8affine_epi64_epi8(units, bits, 0));
}

}  // namespace

// All 64 draws in one vector of indices; each cumulative weight is then one compare straight to
// a mask of the draws above it.
__attribute__((target("avx512f,avx512bw"))) void DrawBlock::DrawAvx512(std::uint32_t start) {
  start_ = start;
  const __m512i u = DrawIndicesAvx512(start);
  std::array<DrawPositions, 14> above{};
  __m512i symbols = _mm512_set1_epi8(1);
  const __m512i one = _mm512_set1_epi8(1);
  for (std::size_t k = 0; k < above.size(); ++k) {
    const __mmask64 over =
        _mm512_cmpgt_epi8_mask(u, _mm512_set1_epi8(static_cast<char>(kCumulative[k] - 1)));
    symbols = _mm512_mask_add_epi8(symbols, over, symbols, one);
    above[k] = _cvtmask64_u64(over);
  }
  _mm512_storeu_si512(symbol_.data(), symbols);
  MarkPositions(above);
  MarkComplementsAvx512();
}

// The complement of each symbol's positions, and for each draw that of its symbol's: eight draws'
// symbols widened to indices, each a two-vector permute of the sixteen symbols' complements.
__attribute__((target("avx512f,avx512bw"))) void DrawBlock::MarkComplementsAvx512() {
  const __m512i none = _mm512_set1_epi64(-1);
  const __m512i low = _mm512_xor_si512(_mm512_loadu_si512(&at_[0]), none);
  const __m512i high = _mm512_xor_si512(_mm512_loadu_si512(&at_[8]), none);
  _mm512_store_si512(&whereNot_[0], low);
  _mm512_store_si512(&whereNot_[8], high);
  for (std::size_t c = 0; c < kReels; ++c) allowedOn_[c] = ~notAllowed_[c];
  for (std::size_t g = 0; g < kSize / 8; ++g) {
    const __m512i index =
        _mm512_cvtepu8_epi64(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(&symbol_[8 * g])));
    _mm512_store_si512(&whereNotSameAs_[8 * g], _mm512_permutex2var_epi64(low, index, high));
  }
}

// The draws' symbols by one two-vector byte permute of the symbol table. Each symbol's positions
// are then a transpose: a symbol looks up its bit (in one byte for symbols 0..7, another for
// 8..15), each 64-bit lane of those bytes is an 8 x 8 bit matrix of eight draws by eight symbols,
// which a GFNI affine step turns into symbols by draws, and a byte permute gathers each symbol's
// eight bytes into its 64-bit lane. No step is taken per symbol, and nothing waits on memory.
__attribute__((target("avx512f,avx512bw,avx512vbmi,gfni"))) void DrawBlock::DrawAvx512Vbmi(
    std::uint32_t start) {
  start_ = start;
  const __m512i u = DrawIndicesAvx512(start);
  const __m512i symbols =
      _mm512_permutex2var_epi8(Load(kSymbolOfIndex[0]), u, Load(kSymbolOfIndex[1]));
  _mm512_store_si512(symbol_.data(), symbols);
  // The affine step's bit i of byte s is bit s of byte 7 - i: reversing the draws first puts
  // draw i at bit i.
  const __m512i reversed = _mm512_shuffle_epi8(symbols, Load(kReverseEach8));
  const __m512i low = PositionsOfSymbols(reversed, kLowSymbolBit);    // lane s: symbol s
  const __m512i high = PositionsOfSymbols(reversed, kHighSymbolBit);  // lane s: symbol 8 + s
  _mm512_storeu_si512(&at_[0], low);
  _mm512_storeu_si512(&at_[8], high);
  const __m512i none = _mm512_set1_epi64(-1);
  const __m512i lowNot = _mm512_xor_si512(low, none);
  const __m512i highNot = _mm512_xor_si512(high, none);
  _mm512_store_si512(&whereNot_[0], lowNot);
  _mm512_store_si512(&whereNot_[8], highNot);
  for (std::size_t c = 0; c < kReels; ++c) {
    const __m512i allowed = _mm512_shuffle_epi8(Load(kAllowedOnReel[c]), symbols);
    const DrawPositions on = _cvtmask64_u64(_mm512_test_epi8_mask(allowed, allowed));
    allowedOn_[c] = on;
    notAllowed_[c] = ~on;
  }
  constexpr __mmask64 kLowBytes = 0x0101010101010101ull;
  for (std::size_t g = 0; g < kSize / 8; ++g) {
    const __m512i spread =
        _mm512_add_epi8(Load(kSpreadGroup), _mm512_set1_epi8(static_cast<char>(8 * g)));
    const __m512i index = _mm512_maskz_permutexvar_epi8(kLowBytes, spread, symbols);
    _mm512_store_si512(&whereNotSameAs_[8 * g], _mm512_permutex2var_epi64(lowNot, index, highNot));
  }
}
#pragma GCC diagnostic pop

std::vector<DrawBlock::Method> DrawBlock::Methods() {
  std::vector<Method> methods{Method::OneByOne};
  if (__builtin_cpu_supports("avx2")) methods.push_back(Method::Avx2);
  if (__builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw")) {
    methods.push_back(Method::Avx512);
    if (__builtin_cpu_supports("avx512vbmi") && __builtin_cpu_supports("gfni"))
      methods.push_back(Method::Avx512Vbmi);
  }
  return methods;
}

#else

std::vector<DrawBlock::Method> DrawBlock::Methods() {
  return {Method::OneByOne};
}
void DrawBlock::DrawAvx2(std::uint32_t start) {
  DrawOneByOne(start);
}
void DrawBlock::DrawAvx512(std::uint32_t start) {
  DrawOneByOne(start);
}
void DrawBlock::DrawAvx512Vbmi(std::uint32_t start) {
  DrawOneByOne(start);
}
void DrawBlock::MarkComplementsAvx512() {
  MarkComplements();
}

#endif

void DrawBlock::DrawBy(Method method, std::uint32_t start) {
  switch (method) {
    case Method::OneByOne:
      return DrawOneByOne(start);
    case Method::Avx2:
      return DrawAvx2(start);
    case Method::Avx512:
      return DrawAvx512(start);
    case Method::Avx512Vbmi:
      return DrawAvx512Vbmi(start);
  }
}

void DrawBlock::Draw(std::uint32_t start) {
  static const Method fastest = Methods().back();
  DrawBy(fastest, start);
}

}  // namespace tarvolenka

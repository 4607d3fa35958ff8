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

// All 64 draws in four vectors of sixteen states, narrowed to one vector of bytes in order; each
// cumulative weight is then one compare straight to a mask of the draws above it.
//
// GCC 12's AVX-512 intrinsics start their results from a deliberately undefined vector, which
// its own uninitialised-use check then flags where they are inlined.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wuninitialized"
__attribute__((target("avx512f,avx512bw"))) void DrawBlock::DrawAvx512(std::uint32_t start) {
  static_assert(kSize == 64);
  start_ = start;
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
  u = _mm512_inserti32x4(u, bytes[3], 3);
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
#pragma GCC diagnostic pop

std::vector<DrawBlock::Method> DrawBlock::Methods() {
  std::vector<Method> methods{Method::OneByOne};
  if (__builtin_cpu_supports("avx2")) methods.push_back(Method::Avx2);
  if (__builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw"))
    methods.push_back(Method::Avx512);
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
  }
}

void DrawBlock::Draw(std::uint32_t start) {
  static const Method fastest = Methods().back();
  DrawBy(fastest, start);
}

}  // namespace tarvolenka

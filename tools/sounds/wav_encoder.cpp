#include "tools/sounds/wav_encoder.h"

#include <stdexcept>
#include <string_view>

namespace tarvolenka::sounds {
namespace {

// WAV is little-endian whatever the host, so the fields are written byte by byte.
class LittleEndianWriter {
 public:
  explicit LittleEndianWriter(std::vector<std::uint8_t>& out) : out_(out) {}

  void Tag(std::string_view four_cc) {
    for (char c : four_cc) out_.push_back(static_cast<std::uint8_t>(c));
  }
  void U16(std::uint16_t v) {
    out_.push_back(static_cast<std::uint8_t>(v & 0xffU));
    out_.push_back(static_cast<std::uint8_t>(v >> 8));
  }
  void U32(std::uint32_t v) {
    for (int shift = 0; shift < 32; shift += 8)
      out_.push_back(static_cast<std::uint8_t>(v >> shift));
  }

 private:
  std::vector<std::uint8_t>& out_;
};

}  // namespace

std::vector<std::uint8_t> EncodeWavU8Mono(std::span<const std::uint8_t> samples,
                                          std::uint32_t sample_rate) {
  constexpr std::uint16_t kPcm = 1;
  constexpr std::uint16_t kChannels = 1;
  constexpr std::uint16_t kBits = 8;
  constexpr std::uint32_t kFmtBytes = 16;
  if (samples.size() > 0xffff'ff00U) throw std::length_error("WAV data exceeds 4 GiB");
  const auto data_bytes = static_cast<std::uint32_t>(samples.size());
  const std::uint32_t pad = data_bytes % 2;

  std::vector<std::uint8_t> out;
  out.reserve(kWavHeaderBytes + data_bytes + pad);
  LittleEndianWriter w(out);
  w.Tag("RIFF");
  w.U32(4 + (8 + kFmtBytes) + (8 + data_bytes + pad));
  w.Tag("WAVE");
  w.Tag("fmt ");
  w.U32(kFmtBytes);
  w.U16(kPcm);
  w.U16(kChannels);
  w.U32(sample_rate);
  w.U32(sample_rate * kChannels * kBits / 8);  // Byte rate.
  w.U16(kChannels * kBits / 8);                // Block align.
  w.U16(kBits);
  w.Tag("data");
  w.U32(data_bytes);
  out.insert(out.end(), samples.begin(), samples.end());
  if (pad != 0) out.push_back(0);
  return out;
}

}  // namespace tarvolenka::sounds

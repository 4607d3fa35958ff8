#include "tools/sim/png_writer.h"

#include <zlib.h>

#include <algorithm>
#include <fstream>

namespace tarvolenka::sim {
namespace {

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(v >> shift));
}

// A chunk: length, type, data, and the CRC of type and data.
void Chunk(std::vector<std::uint8_t>& out, const char* type,
           const std::vector<std::uint8_t>& data) {
  Put32(out, static_cast<std::uint32_t>(data.size()));
  const std::size_t typeAt = out.size();
  out.insert(out.end(), type, type + 4);
  out.insert(out.end(), data.begin(), data.end());
  const uLong crc = crc32(0L, out.data() + typeAt, static_cast<uInt>(out.size() - typeAt));
  Put32(out, static_cast<std::uint32_t>(crc));
}

}  // namespace

Image::Image(int w, int h, std::uint32_t background)
    : width(w), height(h), rgb(static_cast<std::size_t>(w) * static_cast<std::size_t>(h) * 3) {
  Fill(0, 0, w, h, background);
}

void Image::Set(int x, int y, std::uint32_t colour) {
  if (x < 0 || y < 0 || x >= width || y >= height) return;
  const std::size_t at = (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                          static_cast<std::size_t>(x)) *
                         3;
  rgb[at] = static_cast<std::uint8_t>(colour >> 16);
  rgb[at + 1] = static_cast<std::uint8_t>(colour >> 8);
  rgb[at + 2] = static_cast<std::uint8_t>(colour);
}

void Image::Fill(int x0, int y0, int x1, int y1, std::uint32_t colour) {
  for (int y = std::max(y0, 0); y < std::min(y1, height); ++y)
    for (int x = std::max(x0, 0); x < std::min(x1, width); ++x) Set(x, y, colour);
}

std::vector<std::uint8_t> EncodePng(const Image& image) {
  // Each row starts with filter type 0 (none).
  std::vector<std::uint8_t> raw;
  const std::size_t rowBytes = static_cast<std::size_t>(image.width) * 3;
  for (int y = 0; y < image.height; ++y) {
    raw.push_back(0);
    const auto row =
        image.rgb.begin() + static_cast<std::ptrdiff_t>(static_cast<std::size_t>(y) * rowBytes);
    raw.insert(raw.end(), row, row + static_cast<std::ptrdiff_t>(rowBytes));
  }
  uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
  std::vector<std::uint8_t> packed(packedSize);
  compress2(packed.data(), &packedSize, raw.data(), static_cast<uLong>(raw.size()),
            Z_BEST_COMPRESSION);
  packed.resize(packedSize);

  std::vector<std::uint8_t> out{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  std::vector<std::uint8_t> header;
  Put32(header, static_cast<std::uint32_t>(image.width));
  Put32(header, static_cast<std::uint32_t>(image.height));
  header.insert(header.end(), {8, 2, 0, 0, 0});  // 8 bits, RGB, deflate, no filter, no interlace
  Chunk(out, "IHDR", header);
  Chunk(out, "IDAT", packed);
  Chunk(out, "IEND", {});
  return out;
}

bool WritePng(const std::string& path, const Image& image) {
  const std::vector<std::uint8_t> bytes = EncodePng(image);
  std::ofstream file(path, std::ios::binary);
  file.write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(file);
}

}  // namespace tarvolenka::sim

#pragma once

// A minimal PNG encoder: 8-bit RGB, one zlib-compressed IDAT chunk.

#include <cstdint>
#include <string>
#include <vector>

namespace tarvolenka::sim {

struct Image {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgb;  // row by row, three bytes a pixel

  Image(int w, int h, std::uint32_t background);
  void Set(int x, int y, std::uint32_t colour);  // 0xRRGGBB; outside the image: nothing
  void Fill(int x0, int y0, int x1, int y1, std::uint32_t colour);  // [x0, x1) × [y0, y1)
};

// The PNG file's bytes.
std::vector<std::uint8_t> EncodePng(const Image& image);
// Writes the PNG file; false when it cannot be written.
bool WritePng(const std::string& path, const Image& image);

}  // namespace tarvolenka::sim

#pragma once

// Decodes the legend's JPEG with libjpeg. Plain C++ so it can be tested without a toolkit.

#include <cstddef>
#include <vector>

namespace tarvolenka {

struct DecodedImage {
  int width = 0;
  int height = 0;
  std::vector<unsigned char> pixels;  // RGB8, rows top to bottom, width * 3 bytes each
};

// Fills `out` and returns true for a complete, undamaged JPEG. Corrupt or truncated data
// returns false and leaves `out` empty; libjpeg never prints or ends the process.
bool DecodeJpeg(const unsigned char* data, std::size_t size, DecodedImage& out);

}  // namespace tarvolenka

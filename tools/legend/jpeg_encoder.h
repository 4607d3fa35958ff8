#pragma once

// Encodes RGB8 pixels as a baseline JPEG with libjpeg.

#include <vector>

namespace tarvolenka::legend {

// `rgb` holds `height` rows of `width` * 3 bytes. Returns false if libjpeg reports an error.
bool EncodeJpeg(const unsigned char* rgb, int width, int height, int quality,
                std::vector<unsigned char>& out);

}  // namespace tarvolenka::legend

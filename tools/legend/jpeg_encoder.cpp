#include "tools/legend/jpeg_encoder.h"

#include <csetjmp>
#include <cstdio>  // jpeglib.h needs FILE declared first
#include <cstdlib>

#include <jpeglib.h>

namespace tarvolenka::legend {
namespace {

// Jumps back to the caller instead of libjpeg's default print-and-exit.
struct QuietErrors {
  jpeg_error_mgr base;
  std::jmp_buf jump;
};

// libjpeg's memory destination mallocs and grows this buffer; the caller frees it.
struct MemoryOutput {
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
};

[[noreturn]] void JumpOut(j_common_ptr cinfo) {
  std::longjmp(reinterpret_cast<QuietErrors*>(cinfo->err)->jump, 1);
}

void Compress(jpeg_compress_struct& cinfo, const unsigned char* rgb, int width, int height,
              int quality) {
  cinfo.image_width = static_cast<JDIMENSION>(width);
  cinfo.image_height = static_cast<JDIMENSION>(height);
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&cinfo);  // baseline, sequential
  jpeg_set_quality(&cinfo, quality, TRUE);
  // Full-resolution colour keeps the thin red payline cells and the red text crisp.
  for (int i = 0; i < cinfo.num_components; ++i) {
    cinfo.comp_info[i].h_samp_factor = 1;
    cinfo.comp_info[i].v_samp_factor = 1;
  }
  cinfo.optimize_coding = TRUE;
  jpeg_start_compress(&cinfo, TRUE);
  const std::size_t stride = static_cast<std::size_t>(width) * 3;
  while (cinfo.next_scanline < cinfo.image_height) {
    // libjpeg's row type is not const, but compression only reads the rows.
    auto row = const_cast<JSAMPROW>(rgb + stride * cinfo.next_scanline);
    jpeg_write_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_compress(&cinfo);
}

}  // namespace

bool EncodeJpeg(const unsigned char* rgb, int width, int height, int quality,
                std::vector<unsigned char>& out) {
  out.clear();
  if (rgb == nullptr || width <= 0 || height <= 0) return false;
  jpeg_compress_struct cinfo{};
  QuietErrors errors{};
  cinfo.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = JumpOut;
  MemoryOutput memory;
  if (setjmp(errors.jump) != 0) {
    jpeg_destroy_compress(&cinfo);
    std::free(memory.buffer);
    return false;
  }
  jpeg_create_compress(&cinfo);
  jpeg_mem_dest(&cinfo, &memory.buffer, &memory.size);
  Compress(cinfo, rgb, width, height, quality);
  jpeg_destroy_compress(&cinfo);
  out.assign(memory.buffer, memory.buffer + memory.size);
  std::free(memory.buffer);
  return true;
}

}  // namespace tarvolenka::legend

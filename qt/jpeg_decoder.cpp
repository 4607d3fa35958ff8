#include "qt/jpeg_decoder.h"

#include <csetjmp>
#include <cstdio>  // jpeglib.h needs FILE declared first

#include <jpeglib.h>

namespace tarvolenka {
namespace {

// libjpeg's default error handler prints and calls exit(); this one jumps back instead.
struct QuietErrors {
  jpeg_error_mgr base;
  std::jmp_buf jump;
};

[[noreturn]] void JumpOut(j_common_ptr cinfo) {
  auto* errors = reinterpret_cast<QuietErrors*>(cinfo->err);
  std::longjmp(errors->jump, 1);
}

// A warning means damaged data (a truncated file is padded with grey), so it fails the
// decode too; trace messages are dropped.
void OnMessage(j_common_ptr cinfo, int level) {
  if (level < 0) JumpOut(cinfo);
}

void NoOutput(j_common_ptr) {}

// Kept apart from the setjmp frame so that no local of that frame changes after setjmp.
void ReadImage(jpeg_decompress_struct& cinfo, DecodedImage& out) {
  jpeg_read_header(&cinfo, TRUE);
  cinfo.out_color_space = JCS_RGB;
  jpeg_start_decompress(&cinfo);
  out.width = static_cast<int>(cinfo.output_width);
  out.height = static_cast<int>(cinfo.output_height);
  const std::size_t stride = static_cast<std::size_t>(cinfo.output_width) * 3;
  out.pixels.resize(stride * cinfo.output_height);
  while (cinfo.output_scanline < cinfo.output_height) {
    JSAMPROW row = out.pixels.data() + stride * cinfo.output_scanline;
    jpeg_read_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_decompress(&cinfo);
}

}  // namespace

bool DecodeJpeg(const unsigned char* data, std::size_t size, DecodedImage& out) {
  out = {};
  if (data == nullptr || size == 0) return false;
  jpeg_decompress_struct cinfo{};
  QuietErrors errors{};
  cinfo.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = JumpOut;
  errors.base.emit_message = OnMessage;
  errors.base.output_message = NoOutput;
  if (setjmp(errors.jump) != 0) {
    jpeg_destroy_decompress(&cinfo);
    out = {};
    return false;
  }
  jpeg_create_decompress(&cinfo);
  jpeg_mem_src(&cinfo, data, static_cast<unsigned long>(size));
  ReadImage(cinfo, out);
  jpeg_destroy_decompress(&cinfo);
  return true;
}

}  // namespace tarvolenka

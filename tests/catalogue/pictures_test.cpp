// Every picture the catalogue names exists as a drawing of its specified size.

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>
#include <string>

#include "catalogue/pictures.h"

namespace tarvolenka {
namespace {

std::string ReadText(const std::string& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// The width and height of the root <svg> element.
bool RootSize(const std::string& svg, int& width, int& height) {
  const std::size_t start = svg.find("<svg");
  if (start == std::string::npos) return false;
  const std::string root = svg.substr(start, svg.find('>', start) - start);
  std::smatch w, h;
  if (!std::regex_search(root, w, std::regex(R"(\swidth="(\d+)(px)?")")) ||
      !std::regex_search(root, h, std::regex(R"(\sheight="(\d+)(px)?")")))
    return false;
  width = std::stoi(w[1]);
  height = std::stoi(h[1]);
  return true;
}

TEST(Pictures, EveryPictureExistsWithItsSpecifiedSize) {
  for (const PictureSpec& desc : kPictures) {
    if (desc.id == Picture::None || desc.id == Picture::Legend) continue;  // the legend is built
    const std::string path =
        std::string(TARVOLENKA_PICTURES) + "/" + std::string(desc.file) + ".svg";
    const std::string svg = ReadText(path);
    ASSERT_FALSE(svg.empty()) << "missing " << path;
    int width = 0, height = 0;
    ASSERT_TRUE(RootSize(svg, width, height)) << "no size in " << path;
    EXPECT_EQ(width, desc.width) << desc.file;
    EXPECT_EQ(height, desc.height) << desc.file;
  }
}

TEST(Pictures, DrawingsUseOnlyWhatTheRendererDraws) {
  // The Qt renderer ignores filters, masks and style sheets; a drawing relying on them
  // would look different in the game than in an editor.
  for (const PictureSpec& desc : kPictures) {
    if (desc.id == Picture::None || desc.id == Picture::Legend) continue;
    const std::string svg =
        ReadText(std::string(TARVOLENKA_PICTURES) + "/" + std::string(desc.file) + ".svg");
    for (const char* unsupported : {"<filter", "<mask", "<style", "<image", "<foreignObject"})
      EXPECT_EQ(svg.find(unsupported), std::string::npos) << desc.file << " uses " << unsupported;
  }
}

}  // namespace
}  // namespace tarvolenka

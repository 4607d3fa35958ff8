// Pictures made when first shown, and the reels repainted only when they change: what the
// player sees must be what eager painting gave.

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QThread>
#include <algorithm>
#include <filesystem>
#include <memory>
#include <vector>

#include "catalogue/main_elements.h"
#include "game/game.h"
#include "qt/element_widgets.h"
#include "qt/picture_loader.h"
#include "qt/picture_maker.h"
#include "qt/qt_desktop.h"
#include "qt/window_shot.h"
#include "tests/support/temp_dir.h"

namespace tarvolenka::qt {
namespace {

class LazyPicturesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    desktop_ = std::make_unique<QtDesktop>(1.0);
    game_ = std::make_unique<Game>(*desktop_, dir_ / kSaveFileName);
    desktop_->Start();
    QApplication::processEvents();
  }
  void TearDown() override {
    game_.reset();
    desktop_.reset();
  }
  testing::TempDir dir_;
  std::unique_ptr<QtDesktop> desktop_;
  std::unique_ptr<Game> game_;
};

// The topmost shown sibling of `widget` over `point` of their parent, or `widget` itself.
const QWidget* TopmostAt(const QWidget* widget, QPoint point) {
  const QObjectList& siblings = widget->parentWidget()->children();
  for (auto it = siblings.rbegin(); it != siblings.rend(); ++it) {
    const auto* w = qobject_cast<const QWidget*>(*it);
    if (w != nullptr && w->isVisible() && w->geometry().contains(point)) return w;
  }
  return widget;
}

TEST_F(LazyPicturesTest, EveryPictureOfTheMainWindowShowsItsOwnPixels) {
  const QImage shot = ShootWindow(*desktop_->window(WindowId::Main), 1.0)
                          .toImage()
                          .convertToFormat(QImage::Format_ARGB32);
  PictureLoader reference(1.0);
  int checked = 0;
  const WindowSpec& desc = SpecOf(WindowId::Main);
  for (std::size_t i = 0; i < desc.elements.size(); ++i) {
    const ElementRef ref{WindowId::Main, static_cast<std::uint16_t>(i)};
    const QWidget* widget = desktop_->widget(ref);
    const Picture picture = desktop_->PictureOf(ref);
    if (desc.elements[i].kind != Kind::Picture || picture == Picture::None ||
        !widget->isVisible() || (desc.elements[i].flags & kStretch) != 0)
      continue;
    // One opaque pixel of the picture, near its middle, that nothing else covers.
    const QImage own = reference.Get(picture).toImage().convertToFormat(QImage::Format_ARGB32);
    const QPoint p(own.width() / 2, own.height() / 3);
    const QPoint at = widget->geometry().topLeft() + p;
    if (qAlpha(own.pixel(p)) != 255 || TopmostAt(widget, at) != widget) continue;
    const QRgb want = own.pixel(p), got = shot.pixel(at);
    EXPECT_LE(std::abs(qRed(want) - qRed(got)) + std::abs(qGreen(want) - qGreen(got)) +
                  std::abs(qBlue(want) - qBlue(got)),
              6)
        << desc.elements[i].name;
    ++checked;
  }
  EXPECT_GE(checked, 8);
}

// Counts the paints a widget gets.
class PaintCounter : public QObject {
 public:
  int paints = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
};

TEST_F(LazyPicturesTest, TheReelsRepaintWhenTheirCellsChangeAndNotWhenRedrawnTheSame) {
  QWidget* reels = desktop_->widget(Ref(MainEl::ReelArea));
  PaintCounter counter;
  reels->installEventFilter(&counter);
  game_->main().DrawReels();
  for (int i = 0; i < 5; ++i) QApplication::processEvents();
  const int settled = counter.paints;
  game_->main().DrawReels();
  for (int i = 0; i < 5; ++i) QApplication::processEvents();
  EXPECT_EQ(counter.paints, settled);
  Machine& m = game_->machine();
  m.Reels.at(0, 1) = m.Reels.at(0, 1) == SymbolId{1} ? SymbolId{2} : SymbolId{1};
  game_->main().LoadCellPictures();
  game_->main().DrawReels();
  for (int i = 0; i < 5; ++i) QApplication::processEvents();
  EXPECT_GT(counter.paints, settled);
}

QPixmap Filled(QColor colour) {
  QPixmap pixmap(50, 50);
  pixmap.fill(colour);
  return pixmap;
}

void EndFrame() {
  for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

TEST(PaintBoxFrames, AFrameThatRepeatsTheLastOnlyInPartEndsWithItsOwnPixels) {
  const QPixmap red = Filled(Qt::red), blue = Filled(Qt::blue);
  PaintBoxWidget box(nullptr, Rgb{0, 0, 0}, QSize(100, 50), 1.0),
      fresh(nullptr, Rgb{0, 0, 0}, QSize(100, 50), 1.0);
  box.DrawPixmap(0, 0, red);
  box.DrawPixmap(50, 0, blue);
  box.DrawPixmap(25, 0, blue);  // over both
  EndFrame();
  // The same first copy, then a line: the held copy must be drawn after all.
  box.DrawPixmap(0, 0, red);
  box.DrawLine(QPolygon({QPoint(0, 25), QPoint(99, 25)}), Rgb{0, 255, 0}, 2);
  EndFrame();
  fresh.DrawPixmap(0, 0, red);
  fresh.DrawLine(QPolygon({QPoint(0, 25), QPoint(99, 25)}), Rgb{0, 255, 0}, 2);
  EndFrame();
  EXPECT_EQ(box.image().pixel(30, 5), qRgb(255, 0, 0));
  EXPECT_EQ(box.image().copy(0, 0, 50, 50), fresh.image().copy(0, 0, 50, 50));
}

// At a zoom that puts cell edges between device pixels, cells drawn side by side still cover
// the surface: a line drawn over them leaves nothing behind once the cells are drawn again.
TEST(PaintBoxFrames, CellsAtAFractionalZoomLeaveNoSeamForALineToLingerIn) {
  constexpr qreal kZoom = 1.25;
  constexpr int kCell = 125, kCells = 4;
  QPixmap cell(QSize(kCell, kCell) * kZoom);
  cell.fill(Qt::red);
  cell.setDevicePixelRatio(kZoom);
  PaintBoxWidget box(nullptr, Rgb{0, 0, 0}, QSize(kCell * kCells, kCell * 2), kZoom);
  const auto drawCells = [&] {
    for (int i = 0; i < kCells * 2; ++i)
      box.DrawPixmap(i % kCells * kCell, i / kCells * kCell, cell);
  };
  drawCells();
  box.DrawLine(QPolygon({QPoint(0, 0), QPoint(kCell * kCells, kCell * 2)}), Rgb{0, 255, 0}, 6);
  EndFrame();
  drawCells();
  EndFrame();
  const QImage& image = box.image();
  int green = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) green += qGreen(image.pixel(x, y)) > 0;
  EXPECT_EQ(green, 0);
}

// Pictures kept in the cache folder come back with the pixels rendering gives, and a kept file
// that does not match its drawing is rendered again rather than shown.
QString CacheFolder(const testing::TempDir& dir) {
  return QString::fromStdString((dir.path() / "pictures").string());
}

TEST(PictureCache, AKeptPictureComesBackWithTheRenderedPixels) {
  testing::TempDir dir;
  const QImage rendered = PictureLoader(2.0).Get(Picture::SymbolVodka).toImage();
  PictureLoader(2.0, CacheFolder(dir)).Get(Picture::SymbolVodka);
  const std::filesystem::path kept = dir.path() / "pictures" / "symbol-vodka@2000.argb";
  ASSERT_TRUE(std::filesystem::exists(kept));
  const QImage read = PictureLoader(2.0, CacheFolder(dir)).Get(Picture::SymbolVodka).toImage();
  EXPECT_EQ(read, rendered);
  EXPECT_EQ(read.devicePixelRatio(), 2.0);
}

TEST(PictureCache, AKeptFileForOtherInputsIsRenderedAgain) {
  testing::TempDir dir;
  const QImage rendered = PictureLoader(1.0).Get(Picture::SymbolBeer).toImage();
  PictureLoader(1.0, CacheFolder(dir)).Get(Picture::SymbolBeer);
  const std::filesystem::path kept = dir.path() / "pictures" / "symbol-beer@1000.argb";
  std::vector<unsigned char> bytes = testing::ReadFileBytes(kept);
  ASSERT_GT(bytes.size(), 24u);
  // Black pixels under the key of some other drawing; then a file kept anew, cut short.
  std::fill(bytes.begin() + 24, bytes.end(), 0);
  bytes[16] ^= 1;
  testing::WriteFileBytes(kept, bytes);
  EXPECT_EQ(PictureLoader(1.0, CacheFolder(dir)).Get(Picture::SymbolBeer).toImage(), rendered);
  bytes = testing::ReadFileBytes(kept);  // kept anew by the rendering
  bytes.resize(bytes.size() / 2);
  testing::WriteFileBytes(kept, bytes);
  EXPECT_EQ(PictureLoader(1.0, CacheFolder(dir)).Get(Picture::SymbolBeer).toImage(), rendered);
}

// The cache is a file anyone may change: pixels altered under an intact header (a wine's pixels
// swapped for a beer's) must never reach the reels.
TEST(PictureCache, AlteredPixelsUnderAnIntactHeaderAreRenderedAgain) {
  testing::TempDir dir;
  const QImage rendered = PictureLoader(1.0).Get(Picture::SymbolWine).toImage();
  PictureLoader(1.0, CacheFolder(dir)).Get(Picture::SymbolWine);
  const std::filesystem::path kept = dir.path() / "pictures" / "symbol-wine@1000.argb";
  std::vector<unsigned char> bytes = testing::ReadFileBytes(kept);
  ASSERT_GT(bytes.size(), 64u);
  bytes[bytes.size() / 2] ^= 0xff;
  testing::WriteFileBytes(kept, bytes);
  EXPECT_EQ(PictureLoader(1.0, CacheFolder(dir)).Get(Picture::SymbolWine).toImage(), rendered);
}

// Pictures made by the workers, several at a time and in reverse order, have the pixels of the
// same pictures rendered one after another on a thread of their own (an opaque one may come back
// without its alpha channel).
TEST(PictureWorkers, MakeThePixelsOfRenderingInLine) {
  std::vector<Picture> all;
  for (int i = 1; i < static_cast<int>(Picture::Count); ++i)
    if (static_cast<Picture>(i) != Picture::Legend) all.push_back(static_cast<Picture>(i));
  std::vector<QImage> inLine;
  std::unique_ptr<QThread> thread(QThread::create([&] {
    const PictureMaker maker(2.0, {});
    for (const Picture picture : all) inLine.push_back(maker.Render(picture));
  }));
  thread->start();
  thread->wait();
  PictureLoader loader(2.0);
  loader.Prefetch(std::vector<Picture>(all.rbegin(), all.rend()));
  for (std::size_t i = 0; i < all.size(); ++i)
    EXPECT_EQ(loader.Get(all[i]).toImage().convertToFormat(inLine[i].format()), inLine[i])
        << SpecOf(all[i]).file;
}

}  // namespace
}  // namespace tarvolenka::qt

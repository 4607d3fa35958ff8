// The windows as the player sees them: pictures at twice the ratio, frames and titles,
// tooltips and captions.

#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <QWindow>
#include <algorithm>
#include <memory>

#include "catalogue/looks.h"
#include "game/game.h"
#include "qt/picture_loader.h"
#include "qt/qt_desktop.h"
#include "qt/window_shot.h"
#include "tests/support/temp_dir.h"

namespace tarvolenka::qt {
namespace {

class LookTest : public ::testing::Test {
 protected:
  void Build(qreal ratio) {
    desktop_ = std::make_unique<QtDesktop>(ratio);
    game_ = std::make_unique<Game>(*desktop_, dir_ / kSaveFileName);
    desktop_->Start();
  }
  void TearDown() override {
    game_.reset();
    desktop_.reset();
  }
  testing::TempDir dir_;
  std::unique_ptr<QtDesktop> desktop_;
  std::unique_ptr<Game> game_;
};

// The energy of the steps between neighbouring pixels along the rows: enlarging spreads an
// edge over two half steps and halves its energy, painting at the larger size keeps it.
double Edginess(const QImage& picture) {
  const QImage gray = picture.convertToFormat(QImage::Format_Grayscale8);
  double sum = 0;
  for (int y = 0; y < gray.height(); ++y) {
    const uchar* row = gray.constScanLine(y);
    for (int x = 1; x < gray.width(); ++x) {
      const double step = row[x] - row[x - 1];
      sum += step * step;
    }
  }
  return sum / (static_cast<double>(gray.width()) * gray.height());
}

TEST_F(LookTest, AtTwiceTheRatioEveryWindowIsShotAtTwiceItsSize) {
  Build(2.0);
  for (int w = 0; w < kWindowCount; ++w) {
    const auto id = static_cast<WindowId>(w);
    const WindowSpec& desc = SpecOf(id);
    const QPixmap shot = ShootWindow(*desktop_->window(id), 2.0);
    EXPECT_EQ(shot.size(), QSize(desc.width * 2, desc.height * 2)) << desc.className;
  }
}

TEST_F(LookTest, TheLegendIsPaintedAtTheRatioNotEnlargedFromTheJpeg) {
  PictureLoader twice(2.0), once(1.0);
  Build(1.0);  // registers the game's fonts
  const QPixmap sharp = twice.Get(Picture::Legend);
  const QPixmap jpeg = once.Get(Picture::Legend);
  ASSERT_EQ(sharp.size(), QSize(941 * 2, 595 * 2));
  EXPECT_EQ(sharp.devicePixelRatio(), 2.0);
  const QImage enlarged =
      jpeg.toImage().scaled(sharp.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  EXPECT_GT(Edginess(sharp.toImage()), 1.2 * Edginess(enlarged));
}

TEST_F(LookTest, DialogsOfferNoMinimiseOrMaximiseAndTheMainWindowNoMaximise) {
  Build(1.0);
  for (int w = 0; w < kWindowCount; ++w) {
    const auto id = static_cast<WindowId>(w);
    const Qt::WindowFlags flags = desktop_->window(id)->windowFlags();
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint)) << w;
    EXPECT_TRUE(flags.testFlag(Qt::MSWindowsFixedSizeDialogHint)) << w;
    if (id != WindowId::Main) {
      EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint)) << w;
      EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Dialog) << w;
    }
  }
}

TEST_F(LookTest, EveryDialogBelongsToTheMainWindowAndCarriesItsIconAtSizesX11Takes) {
  Build(1.0);
  QWidget* main = desktop_->window(WindowId::Main);
  const QList<QSize> sizes = main->windowIcon().availableSizes();
  EXPECT_TRUE(sizes.contains(QSize(32, 32)));
  for (const QSize& size : sizes) EXPECT_LE(size.width(), 128);
  for (int w = 1; w < kWindowCount; ++w) {
    QWidget* dialog = desktop_->window(static_cast<WindowId>(w));
    EXPECT_EQ(dialog->parentWidget(), main) << w;
    EXPECT_EQ(dialog->windowIcon().cacheKey(), main->windowIcon().cacheKey()) << w;
  }
  desktop_->Present(WindowId::Legend);
  QWidget* legend = desktop_->window(WindowId::Legend);
  EXPECT_EQ(legend->windowHandle()->transientParent(), main->windowHandle());
  // Minimised on its own, it comes back when the main window does.
  legend->showMinimized();
  main->showMinimized();
  main->showNormal();
  EXPECT_FALSE(legend->isMinimized());
  desktop_->Dismiss(WindowId::Legend);
}

TEST_F(LookTest, EveryTitleIsExactlyItsCaption) {
  Build(1.0);
  for (int w = 0; w < kWindowCount; ++w) {
    const WindowSpec& desc = SpecOf(static_cast<WindowId>(w));
    EXPECT_EQ(desktop_->window(desc.id)->windowTitle().toStdString(), desc.caption);
  }
}

TEST_F(LookTest, ControlsCarryTheirTooltips) {
  Build(1.0);
  // The keys that stand for the control follow its tooltip.
  EXPECT_EQ(desktop_->widget(Ref(MainEl::StartButton))
                ->toolTip()
                .toStdString()
                .rfind(looks::TooltipOf(Ref(MainEl::StartButton)), 0),
            0u);
  EXPECT_FALSE(desktop_->widget(Ref(CupsEl::Cup7))->toolTip().isEmpty());
}

TEST_F(LookTest, TheRulesTextShrinksOnlyAsFarAsItsPageNeeds) {
  Build(1.0);
  const ElementRef body = Ref(RulesEl::Body);
  const auto* label = qobject_cast<QLabel*>(desktop_->widget(body));
  ASSERT_NE(label, nullptr);
  const int design = SpecOf(body).style.sizePx;
  desktop_->SetText(body, "Кратко правило.");
  EXPECT_EQ(label->font().pixelSize(), design);
  std::string longer;
  for (int i = 0; i < 20; ++i) longer += "Печалбата на линия е числото от таблицата по залога. ";
  desktop_->SetText(body, longer);
  const int shrunk = label->font().pixelSize();
  EXPECT_LT(shrunk, design);
  EXPECT_LE(
      label->fontMetrics()
          .boundingRect(QRect(0, 0, label->width(), 10000),
                        static_cast<int>(label->alignment()) | Qt::TextWordWrap, label->text())
          .height(),
      label->height());
}

TEST_F(LookTest, TheFreeSpinCaptionShowsAndHidesWithItsCounter) {
  Build(1.0);
  QWidget* counter = desktop_->widget(Ref(MainEl::FreeSpinsCounter));
  QWidget* main = counter->parentWidget();  // the zoomed content the elements live in
  const auto tag = std::find_if(looks::kCaptions.begin(), looks::kCaptions.end(),
                                [](auto& c) { return c.element == Ref(MainEl::FreeSpinsCounter); });
  ASSERT_NE(tag, looks::kCaptions.end());
  const QRect where(tag->rect.left, tag->rect.top, tag->rect.width, tag->rect.height);
  const auto caption = [&] {
    for (QWidget* child : main->findChildren<QWidget*>())
      if (child->geometry() == where) return child;
    return static_cast<QWidget*>(nullptr);
  };
  ASSERT_NE(caption(), nullptr);
  EXPECT_FALSE(caption()->isVisibleTo(main));
  desktop_->SetVisible(Ref(MainEl::FreeSpinsCounter), true);
  EXPECT_TRUE(counter->isVisibleTo(main));
  EXPECT_TRUE(caption()->isVisibleTo(main));
  desktop_->SetVisible(Ref(MainEl::FreeSpinsCounter), false);
  EXPECT_FALSE(caption()->isVisibleTo(main));
}

}  // namespace
}  // namespace tarvolenka::qt

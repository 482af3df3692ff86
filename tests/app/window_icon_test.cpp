// The window's icon and the launcher's SVG icon are one picture: the SVG as
// librsvg renders it for the desktop against the icon the window draws.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <cstdlib>
#include <string>

#include "platform/button_icons.h"
#include "tests/fakes/temp_folder.h"

namespace anglewise {
namespace {

constexpr int kSide = 64;

QImage renderedSvg(const TempFolder& folder) {
  std::string png = (folder.path() / "launcher.png").string();
  std::string command = "rsvg-convert -w " + std::to_string(kSide) + " -h " +
                        std::to_string(kSide) + " " + ANGLEWISE_ICON_SVG + " -o " + png;
  EXPECT_EQ(std::system(command.c_str()), 0) << command;
  return QImage(QString::fromStdString(png)).convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QImage windowIconImage() {
  static int argc = 1;
  static char name[] = "icon_tests";
  static char* argv[] = {name, nullptr};
  qputenv("QT_QPA_PLATFORM", "offscreen");
  if (!QGuiApplication::instance()) new QGuiApplication(argc, argv);
  return windowIcon()
      .pixmap(kSide, kSide)
      .toImage()
      .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

int largestChannelDifference(QRgb a, QRgb b) {
  int d = std::abs(qAlpha(a) - qAlpha(b));
  d = std::max(d, std::abs(qRed(a) - qRed(b)));
  d = std::max(d, std::abs(qGreen(a) - qGreen(b)));
  return std::max(d, std::abs(qBlue(a) - qBlue(b)));
}

// Two rasterizers smooth edges a little differently, so a few edge pixels
// differ somewhat; a moved stroke or another colour differs by more, over
// many pixels.
TEST(WindowIconTest, IsTheLauncherIconPixelForPixel) {
  TempFolder folder;
  QImage svg = renderedSvg(folder);
  QImage icon = windowIconImage();
  ASSERT_EQ(svg.size(), QSize(kSide, kSide));
  ASSERT_EQ(icon.size(), QSize(kSide, kSide));
  int apart = 0, farApart = 0;
  for (int y = 0; y < kSide; ++y) {
    for (int x = 0; x < kSide; ++x) {
      int d = largestChannelDifference(svg.pixel(x, y), icon.pixel(x, y));
      if (d > 32) ++apart;
      if (d > 80) ++farApart;
    }
  }
  EXPECT_LE(apart, 8);
  EXPECT_EQ(farApart, 0);
}

// Every letter stays inside the border, clear of it: along its straight
// runs the border is its own colour, the pixels just inside it are the
// background, and outside it nothing is drawn.
TEST(WindowIconTest, EveryLetterLiesInsideTheBorder) {
  TempFolder folder;
  const QRgb border = qRgb(43, 74, 122), background = qRgb(244, 241, 230);
  for (const QImage& image : {renderedSvg(folder), windowIconImage()}) {
    for (int along = 10; along < kSide - 10; ++along) {
      auto expect = [&](int across, auto check, const char* what) {
        EXPECT_TRUE(check(image.pixel(along, across))) << what << " at " << along << "," << across;
        EXPECT_TRUE(check(image.pixel(across, along))) << what << " at " << across << "," << along;
      };
      for (int across : {0, kSide - 1}) {
        expect(
            across, [](QRgb p) { return qAlpha(p) == 0; }, "nothing");
      }
      for (int across : {1, 2, kSide - 3, kSide - 2}) {
        expect(
            across, [&](QRgb p) { return p == border; }, "the border");
      }
      for (int across : {3, kSide - 4}) {
        expect(
            across, [&](QRgb p) { return p == background; }, "the background");
      }
    }
  }
}

}  // namespace
}  // namespace anglewise

// The figure's files read back by other programs: our SVG by librsvg
// (rsvg-convert), the PNG by cairo's own reader, a PDF page by pdftotext;
// the colours of the overlays found where the figure's data puts them.
#include <cairo-pdf.h>
#include <cairo.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <regex>
#include <set>

#include "drawing/cairo_figure.h"
#include "drawing/report_figure.h"
#include "drawing/svg_figure.h"

namespace anglewise::drawing {
namespace {

using Image = std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)>;

class FigureFilesTest : public testing::Test {
 protected:
  FigureFilesTest() {
    char pattern[] = "/tmp/drawing-files-XXXXXX";
    folder_ = mkdtemp(pattern);
    GivenValues given;
    given.oblique = true;
    given.values = {10, 6, std::nullopt, 30, std::nullopt};
    ReportInput input;
    input.given = given;
    report_ = makeReport(input);
    report_.shown = 0;  // as the window shows it
    FigureOptions options;
    options.overlays = OverlaySet::all();
    figure_ = drawReportFigure(report_, given, options);
  }
  ~FigureFilesTest() override { std::filesystem::remove_all(folder_); }

  std::string path(const std::string& name) const { return folder_ + "/" + name; }

  static void write(const std::string& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
  }

  static std::string run(const std::string& command) {
    std::string out;
    FILE* pipe = popen(command.c_str(), "r");
    char buffer[4096];
    while (size_t n = fread(buffer, 1, sizeof buffer, pipe)) out.append(buffer, n);
    EXPECT_EQ(pclose(pipe), 0) << command;
    return out;
  }

  static Image readPng(const std::string& file) {
    Image image(cairo_image_surface_create_from_png(file.c_str()), cairo_surface_destroy);
    EXPECT_EQ(cairo_surface_status(image.get()), CAIRO_STATUS_SUCCESS) << file;
    return image;
  }

  // Whether a pixel within two of `at` has `colour`, give or take the
  // blending of a line's edge.
  static bool colourNear(cairo_surface_t* image, Point at, Colour colour) {
    int w = cairo_image_surface_get_width(image), h = cairo_image_surface_get_height(image);
    int stride = cairo_image_surface_get_stride(image);
    const unsigned char* data = cairo_image_surface_get_data(image);
    for (int y = static_cast<int>(at.y) - 2; y <= static_cast<int>(at.y) + 2; ++y) {
      for (int x = static_cast<int>(at.x) - 2; x <= static_cast<int>(at.x) + 2; ++x) {
        if (x < 0 || y < 0 || x >= w || y >= h) continue;
        uint32_t pixel;
        std::memcpy(&pixel, data + y * stride + x * 4, 4);
        int r = (pixel >> 16) & 255, g = (pixel >> 8) & 255, b = pixel & 255;
        if (std::abs(r - colour.r) + std::abs(g - colour.g) + std::abs(b - colour.b) < 60) {
          return true;
        }
      }
    }
    return false;
  }

  // How many of twelve points round a circle of the figure show its colour.
  int circleHits(cairo_surface_t* image, const std::string& id, Role role) const {
    const Group* g = figure_.find(id);
    EXPECT_NE(g, nullptr) << id;
    if (!g) return 0;
    const Shape& circle = g->shapes.front();
    int hits = 0;
    for (int i = 0; i < 12; ++i) {
      double a = i * M_PI / 6;
      Point p{circle.points[0].x + circle.radius * std::cos(a),
              circle.points[0].y + circle.radius * std::sin(a)};
      if (!figure_.clip.contains(p)) continue;
      hits += colourNear(image, p, lightStyle().of(role).colour) ? 1 : 0;
    }
    return hits;
  }

  void expectOverlaysWhereTheDataPutsThem(cairo_surface_t* image) const {
    ASSERT_EQ(cairo_image_surface_get_width(image), 640);
    ASSERT_EQ(cairo_image_surface_get_height(image), 480);
    EXPECT_GE(circleHits(image, "incircle-1", Role::Incircle), 11);
    EXPECT_GE(circleHits(image, "incircle-2", Role::Incircle), 11);
    // The first triangle's sides in black, between the overlays crossing them.
    int black = 0;
    for (const char* side : {"side-X-1", "side-Y-1", "side-Z-1"}) {
      const Shape& line = figure_.find(side)->shapes.front();
      for (double k : {0.25, 0.5, 0.75}) {
        Point p{line.points[0].x + k * (line.points[1].x - line.points[0].x),
                line.points[0].y + k * (line.points[1].y - line.points[0].y)};
        black += colourNear(image, p, {0, 0, 0}) ? 1 : 0;
      }
    }
    EXPECT_GE(black, 7);
    Point h = *figure_.find("orthocentre-1")->anchor("at");
    EXPECT_TRUE(colourNear(image, h, lightStyle().of(Role::Height).colour));
  }

  std::string folder_;
  TriangleReport report_;
  Figure figure_;
};

TEST_F(FigureFilesTest, SvgHasOneNamedGroupForEveryTriangleAndElement) {
  std::string svg = figureSvg(figure_);
  std::regex groupId("<g id=\"([^\"]+)\"");
  std::multiset<std::string> ids;
  for (auto it = std::sregex_iterator(svg.begin(), svg.end(), groupId);
       it != std::sregex_iterator(); ++it) {
    ids.insert((*it)[1]);
  }
  for (const Group& g : figure_.groups) EXPECT_EQ(ids.count(g.id), 1u) << g.id;
  for (const char* id : {"triangle-1", "triangle-2", "swing", "incircle-1", "incircle-2",
                         "height-X-1", "height-Y-2", "excircle-Z-1", "euler-2", "legend"}) {
    EXPECT_EQ(ids.count(id), 1u) << id;
  }
  EXPECT_NE(svg.find("<title>Triangle 1 (shown)</title>"), std::string::npos);
  EXPECT_NE(svg.find("<title>Incircle of triangle 2</title>"), std::string::npos);
}

TEST_F(FigureFilesTest, SvgDrawnByLibrsvgShowsTheOverlaysWhereTheDataPutsThem) {
  write(path("figure.svg"), figureSvg(figure_));
  run("rsvg-convert '" + path("figure.svg") + "' -o '" + path("figure.png") + "'");
  Image image = readPng(path("figure.png"));
  expectOverlaysWhereTheDataPutsThem(image.get());
}

TEST_F(FigureFilesTest, PngReadBackByCairoShowsTheOverlaysWhereTheDataPutsThem) {
  std::string error;
  std::string png = figurePng(figure_, lightStyle(), 1, &error);
  ASSERT_FALSE(png.empty()) << error;
  EXPECT_EQ(png.substr(1, 3), "PNG");
  write(path("figure.png"), png);
  Image image = readPng(path("figure.png"));
  expectOverlaysWhereTheDataPutsThem(image.get());
}

TEST_F(FigureFilesTest, PngAtTwiceTheResolutionIsTwiceAsLarge) {
  write(path("large.png"), figurePng(figure_, lightStyle(), 2));
  Image image = readPng(path("large.png"));
  EXPECT_EQ(cairo_image_surface_get_width(image.get()), 1280);
  EXPECT_EQ(cairo_image_surface_get_height(image.get()), 960);
}

TEST_F(FigureFilesTest, PdfPageCarriesTheLettersAndTheLegendAsText) {
  std::string pdf = path("page.pdf");
  {
    Image surface(cairo_pdf_surface_create(pdf.c_str(), 595, 842), cairo_surface_destroy);
    cairo_t* cr = cairo_create(surface.get());
    paintFigure(cr, figure_, {40, 60, 515, 386}, lightStyle());
    cairo_show_page(cr);
    cairo_destroy(cr);
  }
  std::string text = run("pdftotext -layout '" + pdf + "' -");
  for (const char* words :
       {"Triangle 1 (shown)", "Triangle 2", "Arc of side Y about C", "Heights and orthocentre",
        "Incircle", "Euler line", "B\u2081", "B\u2082"}) {
    EXPECT_NE(text.find(words), std::string::npos) << words << " in\n" << text;
  }
}

TEST_F(FigureFilesTest, TheHighlightedElementIsCalledOutWithItsValue) {
  Paint paint;
  paint.highlight = "height-X-1";
  std::string pdf = path("highlight.pdf");
  {
    Image surface(cairo_pdf_surface_create(pdf.c_str(), 640, 480), cairo_surface_destroy);
    cairo_t* cr = cairo_create(surface.get());
    paintFigure(cr, figure_, {0, 0, 640, 480}, lightStyle(), paint);
    cairo_destroy(cr);
  }
  std::string text = run("pdftotext '" + pdf + "' -");
  std::string height = report_.triangles[0].heights[0].text;
  EXPECT_NE(text.find("Height to X of triangle 1: " + height), std::string::npos) << text;
}

}  // namespace
}  // namespace anglewise::drawing

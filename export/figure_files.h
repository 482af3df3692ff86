#pragma once
// Files of the figure and of the report page, all drawn by cairo from the
// figure's recorded strokes: SVG, PNG and PDF. The command line and the
// window's Save commands both write through here, so both write the same.
#include <string>
#include <vector>

#include "drawing/figure.h"
#include "drawing/overlays.h"
#include "figure/printing.h"
#include "figure/recording_picture_box.h"
#include "report/triangle_report.h"

namespace anglewise {

enum class FigureFormat { Svg, Png, Pdf };

/// The format a file name asks for by its ending (.svg, .png, .pdf), or SVG.
FigureFormat formatOfPath(const std::string& path);

/// Writes the figure's strokes (twips, 3072 a side) as a file of `format`;
/// returns "" or the reason it could not.
std::string writeFigureFile(const std::string& path, const std::vector<FigureOp>& ops,
                            FigureFormat format);

/// Writes the report's drawing as SVG or PNG, whole or not at all; returns
/// "" or the reason it could not.
std::string writeDrawingFile(const std::string& path, const drawing::Figure& figure,
                             FigureFormat format);

/// What the report page shows: the title, the figure, the value lines of
/// the printed page and the report with its working.
struct ReportPage {
  std::vector<FigureOp> figure;
  PrintedValues values;
  TriangleReport report;
  GivenValues given;               ///< for the report's drawing of every true triangle
  drawing::OverlaySet overlays{};  ///< the drawing's overlays
};

/// Writes the report page as PDF, one A4 page whatever the report holds
/// (export/report_pdf.cpp); returns "" or the reason it could not.
std::string writeReportPdf(const std::string& path, const ReportPage& page);

}  // namespace anglewise

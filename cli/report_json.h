#pragma once
// The Triangle Report as JSON, with keys that scripts can rely on: every
// number the nearest double to the true value.
#include "report/triangle_report.h"

namespace anglewise {

class JsonWriter;

/// Writes the report as one JSON object: "triangles", "shown",
/// "consistent", "note", "why" and "working".
void writeReportJson(JsonWriter& out, const TriangleReport& report);

}  // namespace anglewise

#include "cli/report_json.h"

#include "cli/json_writer.h"

namespace anglewise {
namespace {

void writeTriple(JsonWriter& out, const char* key, const std::array<ReportNumber, 3>& values,
                 const char* names) {
  out.key(key).beginObject();
  for (int i = 0; i < 3; ++i) out.key(std::string(1, names[i])).value(values[i].value);
  out.endObject();
}

void writeTriangle(JsonWriter& out, const ReportTriangle& t) {
  out.beginObject();
  out.key("X").value(t.X.value).key("Y").value(t.Y.value).key("Z").value(t.Z.value);
  out.key("A").value(t.A.degrees.value).key("B").value(t.B.degrees.value);
  out.key("C").value(t.C.degrees.value);
  out.key("perimeter").value(t.perimeter.value);
  out.key("semiperimeter").value(t.semiperimeter.value);
  out.key("area").value(t.area.value);
  writeTriple(out, "heights", t.heights, "XYZ");
  writeTriple(out, "medians", t.medians, "XYZ");
  writeTriple(out, "bisectors", t.bisectors, "ABC");
  writeTriple(out, "exradii", t.exradii, "XYZ");
  out.key("inradius").value(t.inradius.value);
  out.key("circumradius").value(t.circumradius.value);
  out.key("type").beginObject().key("sides").value(t.bySides);
  out.key("angles").value(t.byAngles).endObject();
  out.endObject();
}

}  // namespace

void writeReportJson(JsonWriter& out, const TriangleReport& report) {
  out.beginObject().key("triangles").beginArray();
  for (const ReportTriangle& t : report.triangles) writeTriangle(out, t);
  out.endArray();
  out.key("shown");
  if (report.shown) {
    out.value(*report.shown);
  } else {
    out.null();
  }
  out.key("consistent").value(report.consistent);
  out.key("note");
  if (report.consistent) {
    out.null();
  } else {
    out.value(report.note);
  }
  out.key("why").value(report.why);
  out.key("working").beginArray();
  for (const std::string& line : report.working) out.value(line);
  out.endArray().endObject();
}

}  // namespace anglewise

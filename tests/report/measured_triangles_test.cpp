// Triangles from three measures of any kinds: known answers with their
// exact digits and proven counts, the facts decided before any search,
// and the one sentence for what cannot be solved.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "anysolve/three_measures.h"
#include "report/given_measures.h"

namespace anglewise {
namespace {

using anysolve::GivenMeasure;
using anysolve::Measure;

std::vector<GivenMeasure> named(const std::vector<std::pair<const char*, double>>& list) {
  std::vector<GivenMeasure> out;
  for (const auto& [name, value] : list) out.push_back({*anysolve::measureNamed(name), value});
  return out;
}

struct Case {
  const char* name;
  std::vector<std::pair<const char*, double>> measures;
  std::vector<std::vector<std::string>> triangles;  // X, Y, Z, A, B, C texts
  std::vector<std::string> types;                   // by sides, by angles
  std::string why;
};

std::vector<std::string> texts(const ReportTriangle& t) {
  return {t.X.text, t.Y.text, t.Z.text, t.A.degrees.text, t.B.degrees.text, t.C.degrees.text};
}

class MeasuredTrianglesTest : public testing::TestWithParam<Case> {};

TEST_P(MeasuredTrianglesTest, EveryTriangleWithItsDigits) {
  const Case& c = GetParam();
  std::string refusal;
  std::optional<ReportInput> input = anyMeasuresInput(named(c.measures), 8, refusal);
  ASSERT_TRUE(input) << refusal;
  TriangleReport r = makeReport(*input);
  EXPECT_EQ(r.why, c.why);
  ASSERT_EQ(r.triangles.size(), c.triangles.size());
  for (size_t i = 0; i < r.triangles.size(); ++i) {
    EXPECT_EQ(texts(r.triangles[i]), c.triangles[i]) << "triangle " << i;
    EXPECT_EQ(r.triangles[i].bySides + " " + r.triangles[i].byAngles, c.types[i]);
  }
  EXPECT_TRUE(r.settled);
}

const char kProven[] =
    ": each shape is proven the only one in its box (Krawczyk's test), and every other shape is "
    "ruled out";
const char kProvenOne[] =
    ": its shape is proven the only one in a box (Krawczyk's test), and every other shape is "
    "ruled out";

const char kBisectorFixesB[] =
    "tB, Y and Z make cos(B/2) = tB (Y + Z) / (2 Y Z); Y, Z and tB fix one triangle: Y, Z and the "
    "angle B between them fix its shape and size";

const char kMirrorSearched[] =
    "; next to the isosceles shapes each pair of mirror images was searched as one shape";
const char kMirrorMerged[] =
    "; next to the isosceles shapes each pair of mirror images was searched as one shape, and the "
    "isosceles triangle where a pair merges decided exactly";

INSTANTIATE_TEST_SUITE_P(
    Known, MeasuredTrianglesTest,
    testing::Values(
        // Area 24 and perimeter 24 with a right angle: the 6-8-10 triangle
        // both ways round.
        Case{"AreaPerimeterRight",
             {{"area", 24}, {"perimeter", 24}, {"C", 90}},
             {{"8", "6", "10", "36.86989765", "53.13010235", "90"},
              {"6", "8", "10", "53.13010235", "36.86989765", "90"}},
             {"scalene right", "scalene right"},
             std::string("area, perimeter and C fix two triangles") + kProven},
        // Medians 3, 4, 5: sides 2/3 sqrt(73), 2/3 sqrt(52), 10/3.
        Case{
            "Medians",
            {{"mX", 3}, {"mY", 4}, {"mZ", 5}},
            {{"5.6960025", "4.8074017", "3.33333333", "57.42594287", "86.82016988", "35.75388725"}},
            {"scalene acute"},
            std::string("mX, mY and mZ fix one triangle") + kProvenOne},
        Case{"Heights",
             {{"hX", 3}, {"hY", 4}, {"hZ", 5}},
             {{"6.69152206", "5.01864154", "4.01491324", "48.3496322", "94.93992113",
               "36.71044667"}},
             {"scalene obtuse"},
             std::string("hX, hY and hZ fix one triangle") + kProvenOne},
        // A height as long as a side meeting it: that corner is right.
        Case{"HeightAlongASide",
             {{"hX", 4}, {"Y", 4}, {"Z", 5}},
             {{"3", "4", "5", "53.13010235", "36.86989765", "90"}},
             {"scalene right"},
             "hX = Y makes C a right angle; C, Y and Z fix one triangle" + std::string(kProvenOne)},
        // A bisector as long as the median from its corner: isosceles.
        Case{"BisectorIsMedian",
             {{"Z", 6}, {"mZ", 4}, {"tC", 4}},
             {{"5", "5", "6", "53.13010235", "53.13010235", "73.73979529"}},
             {"isosceles acute"},
             "tC = mZ makes X = Y; Z and tC fix one triangle" + std::string(kProvenOne)},
        // Checked against mpmath's findroot on Heron's formula.
        Case{"TwoRadii",
             {{"X", 4}, {"inradius", 1}, {"circumradius", 2.6}},
             {{"4", "3.07111081", "5.19021396", "36.19947209", "50.28486277", "93.51566514"},
              {"4", "5.19021396", "3.07111081", "93.51566514", "50.28486277", "36.19947209"}},
             {"scalene obtuse", "scalene obtuse"},
             std::string("X, inradius and circumradius fix two triangles") + kProven},
        // Two sides and the perimeter give the third exactly: its right
        // angle is decided exactly too.
        Case{"TwoSidesAndThePerimeter",
             {{"X", 3}, {"Y", 4}, {"perimeter", 12}},
             {{"3", "4", "5", "53.13010235", "36.86989765", "90"}},
             {"scalene right"},
             std::string("X, Y and perimeter fix one triangle") + kProvenOne},
        // Right angles that only the values' coincidence makes: the 3-4-5
        // triangle both ways round, decided exactly (not left unsettled).
        Case{"TwoRadiiOfThreeFourFive",
             {{"X", 4}, {"inradius", 1}, {"circumradius", 2.5}},
             {{"4", "3", "5", "36.86989765", "53.13010235", "90"},
              {"4", "5", "3", "90", "53.13010235", "36.86989765"}},
             {"scalene right", "scalene right"},
             std::string("X, inradius and circumradius fix two triangles") + kProven},
        Case{"RightAngleAreaAndInradius",
             {{"A", 90}, {"area", 6}, {"inradius", 1}},
             {{"3", "5", "4", "90", "36.86989765", "53.13010235"},
              {"4", "5", "3", "90", "53.13010235", "36.86989765"}},
             {"scalene right", "scalene right"},
             std::string("A, area and inradius fix two triangles") + kProven},
        // Equal sides by coincidence: X = Y in one, X = Z in the other.
        Case{"IsoscelesByCoincidence",
             {{"X", 5}, {"area", 12}, {"inradius", 1.5}},
             {{"5", "5", "6", "53.13010235", "53.13010235", "73.73979529"},
              {"5", "6", "5", "73.73979529", "53.13010235", "53.13010235"}},
             {"isosceles acute", "isosceles acute"},
             std::string("X, area and inradius fix two triangles") + kProven},
        // Mirror images that merge: the 5-5-6 triangle, where two mirror
        // images of the same hZ, perimeter and circumradius meet. Just
        // beside it, a pair or none.
        Case{"MirrorImagesMerge",
             {{"hZ", 4}, {"perimeter", 16}, {"circumradius", 3.125}},
             {{"5", "5", "6", "53.13010235", "53.13010235", "73.73979529"}},
             {"isosceles acute"},
             std::string("hZ, perimeter and circumradius fix one triangle") + kProvenOne +
                 kMirrorMerged},
        // The same merging at 2^-40 times (1 + 2^-30) the size: squares
        // of 140 bits, still decided exactly.
        Case{"MirrorImagesMergeAtATinySize",
             {{"hZ", 3.637978810479845e-12},
              {"perimeter", 1.455191524191938e-11},
              {"circumradius", 2.8421709456873787e-12}},
             {{"4.54747351309981e-12", "4.54747351309981e-12", "5.45696821571977e-12",
               "53.13010235", "53.13010235", "73.73979529"}},
             {"isosceles acute"},
             std::string("hZ, perimeter and circumradius fix one triangle") + kProvenOne +
                 kMirrorMerged},
        Case{
            "MirrorImagesBesideTheirMerging",
            {{"hZ", 4}, {"perimeter", 16}, {"circumradius", 3.1250001}},
            {{"5.00268406", "4.99731754", "5.9999984", "53.08913443", "53.17112895", "73.73973662"},
             {"4.99731754", "5.00268406", "5.9999984", "53.17112895", "53.08913443",
              "73.73973662"}},
            {"scalene acute", "scalene acute"},
            std::string("hZ, perimeter and circumradius fix two triangles") + kProven},
        Case{"MirrorImagesBeforeTheyMeet",
             {{"hZ", 4}, {"perimeter", 16}, {"circumradius", 3.1249999}},
             {},
             {},
             "no shape meets hZ, perimeter and circumradius: every shape is ruled out"},
        // The bisector a hair shorter than the median from the same
        // corner: a pair 1e-7 from the isosceles triangle, which the
        // closed form of the bisector over the median parts.
        Case{"CornerPairAHairApart",
             {{"Z", 6}, {"mZ", 4}, {"tC", 3.9999999999999996}},
             {{"5.00000005", "4.99999995", "6", "53.13010164", "53.13010307", "73.73979529"},
              {"4.99999995", "5.00000005", "6", "53.13010307", "53.13010164", "73.73979529"}},
             {"scalene acute", "scalene acute"},
             std::string("Z, mZ and tC fix two triangles") + kProven},
        // The circumradius one unit in the last place above the merging: a
        // pair 4e-8 apart, which only the mirror's coordinates part.
        Case{"MirrorPairAHairApart",
             {{"hZ", 4}, {"perimeter", 16}, {"circumradius", 3.1250000000000004}},
             {{"4.99999982", "5.00000018", "6", "53.13010509", "53.13009962", "73.73979529"},
              {"5.00000018", "4.99999982", "6", "53.13009962", "53.13010509", "73.73979529"}},
             {"scalene acute", "scalene acute"},
             std::string("hZ, perimeter and circumradius fix two triangles") + kProven +
                 kMirrorSearched},
        // A flat, nearly isosceles triangle whose long side's median is not
        // among the measures: the plane searches the corner where that
        // median vanishes (checked against mpmath's findroot).
        Case{"FlatWithoutTheVanishingMedian",
             {{"mX", 261.15836658082964}, {"Z", 176.93447411852398}, {"tB", 233.65621782478897}},
             {{"173.52094291", "346.635739", "176.93447412", "163.06517886", "8.38433003",
               "8.55049111"}},
             {"scalene obtuse"},
             std::string("mX, Z and tB fix one triangle") + kProvenOne},
        // Rounded from the flat isosceles triangle 1, 1, 2 cos 2 degrees,
        // where a mirror pair merges: the pair has just gone (mpmath puts
        // cos 2d at 1 + 5e-20), and the search proves the other pair alone
        // (checked against mpmath's findroot).
        Case{"FlatIsoscelesPairJustGone",
             {{"hZ", 0.034899496702500972},
              {"perimeter", 3.9987816540381915},
              {"circumradius", 14.326854173921911}},
             {{"1.99893376", "0.5002667", "1.49958119", "1.00038106", "175.9996951", "2.99992384"},
              {"0.5002667", "1.99893376", "1.49958119", "175.9996951", "1.00038106", "2.99992384"}},
             {"scalene obtuse", "scalene obtuse"},
             std::string("hZ, perimeter and circumradius fix two triangles") + kProven +
                 kMirrorSearched},
        // Area, perimeter and circumradius keep every mirror: the 5-5-6
        // triangle in each of its three labellings, each where a pair merges.
        Case{"EveryMirrorMerges",
             {{"area", 12}, {"perimeter", 16}, {"circumradius", 3.125}},
             {{"5", "6", "5", "73.73979529", "53.13010235", "53.13010235"},
              {"6", "5", "5", "53.13010235", "73.73979529", "53.13010235"},
              {"5", "5", "6", "53.13010235", "53.13010235", "73.73979529"}},
             {"isosceles acute", "isosceles acute", "isosceles acute"},
             std::string("area, perimeter and circumradius fix three triangles") + kProven +
                 kMirrorMerged},
        Case{"TwoAnglesAndAMedian",
             {{"A", 30}, {"B", 60}, {"mZ", 5}},
             {{"8.66025404", "5", "10", "30", "60", "90"}},
             {"scalene right"},
             "A, B and mZ fix one triangle: the angles fix the shape and mZ its size"},
        // A median with the two sides at its corner gives the third side
        // (2 X^2 + 2 Y^2 - 4 mZ^2 = 25): the right angle is exact.
        Case{
            "MedianWithItsSides",
            {{"mZ", 2.5}, {"X", 3}, {"Y", 4}},
            {{"3", "4", "5", "53.13010235", "36.86989765", "90"}},
            {"scalene right"},
            "mZ, X and Y make Z = sqrt(2 X^2 + 2 Y^2 - 4 mZ^2); mZ, X and Y fix one triangle: X, Y "
            "and Z fix its shape and size"},
        // The triangles 3, 4, 3.5 and 4, 7, 9 at 2^-8 and 2^-9 of the size: the
        // third side, 0.013671875 and 0.017578125, sits on a tie at 8 places.
        // Built from the sides' exact squares, it is decided (half to even).
        Case{
            "BisectorsThirdSideOnATie",
            {{"Y", 0.01171875}, {"Z", 0.015625}, {"tB", 0.01171875}},
            {{"0.01367188", "0.01171875", "0.015625", "46.56746344", "57.91004874", "75.52248781"}},
            {"scalene acute"},
            kBisectorFixesB},
        Case{
            "MediansThirdSideOnATie",
            {{"X", 0.0078125}, {"Y", 0.013671875}, {"mZ", 0.0068359375}},
            {{"0.0078125", "0.01367188", "0.01757812", "48.1896851", "25.2087653", "106.6015496"}},
            {"scalene obtuse"},
            "mZ, X and Y make Z = sqrt(2 X^2 + 2 Y^2 - 4 mZ^2); X, Y and mZ fix one triangle: X, Y "
            "and Z fix its shape and size"},
        // The third side sqrt(10^12 + 2) of a sliver 10^6 long and 1 wide,
        // B about 5.7e-5 degrees: three sides fix it at once.
        Case{
            "MedianOfASliver",
            {{"X", 1}, {"Y", 1e6}, {"mZ", 5e5}},
            {{"1", "1000000", "1000000.000001", "89.99991406", "0.0000573", "90.00002865"}},
            {"scalene obtuse"},
            "mZ, X and Y make Z = sqrt(2 X^2 + 2 Y^2 - 4 mZ^2); X, Y and mZ fix one triangle: X, Y "
            "and Z fix its shape and size"},
        // A bisector with the two sides at its corner gives the angle
        // there: cos(B/2) = 3 (3 + 4) / 24 = 7/8, and so X = 3.5 exactly.
        Case{"BisectorWithItsSides",
             {{"Y", 3}, {"Z", 4}, {"tB", 3}},
             {{"3.5", "3", "4", "46.56746344", "57.91004874", "75.52248781"}},
             {"scalene acute"},
             kBisectorFixesB},
        // cos(B/2) = 4 (24 + 3) / 144 = 3/4, so cos B = 1/8 = Z / Y: the
        // right angle at A is the values' coincidence, decided exactly.
        Case{"BisectorMakesARightAngle",
             {{"Y", 24}, {"Z", 3}, {"tB", 4}},
             {{"23.8117618", "24", "3", "90", "82.81924422", "7.18075578"}},
             {"scalene right"},
             kBisectorFixesB},
        // Sides 1e60 apart: B is 120 degrees but for 1e-60 of it, and A
        // about 5e-59 degrees (kept whole by the closed forms; a search of
        // the shapes could not reach it).
        Case{"BisectorBetweenSidesFarApart",
             {{"Y", 1e-30}, {"Z", 1e30}, {"tB", 1e-30}},
             {{"1e+30", "1e-30", "1e+30", "4.96196005879613e-59", "120", "60"}},
             {"scalene obtuse"},
             kBisectorFixesB},
        // At either end of what a median or a bisector can be with the two
        // sides at its corner, the triangle is flat: decided exactly, on
        // both sides of the harmonic mean 24/7 of 3 and 4.
        Case{"MedianHalfTheSidesSum",
             {{"X", 3}, {"Y", 4}, {"mZ", 3.5}},
             {},
             {},
             "the median to Z must be shorter than half the sum of X and Y, the sides that meet "
             "at its corner"},
        Case{"MedianHalfTheSidesDifference",
             {{"X", 3}, {"Y", 4}, {"mZ", 0.5}},
             {},
             {},
             "the median to Z must be longer than half the difference of X and Y, the sides that "
             "meet at its corner"},
        Case{"BisectorTheSidesHarmonicMean",
             {{"Y", 3}, {"Z", 3}, {"tB", 3}},
             {},
             {},
             "the bisector of B must be shorter than the harmonic mean of Y and Z, the sides that "
             "meet at its corner"},
        Case{"BisectorJustAboveTheHarmonicMean",
             {{"Y", 3}, {"Z", 4}, {"tB", 3.428571428571429}},
             {},
             {},
             "the bisector of B must be shorter than the harmonic mean of Y and Z, the sides that "
             "meet at its corner"},
        Case{"BisectorJustBelowTheHarmonicMean",
             {{"Y", 3}, {"Z", 4}, {"tB", 3.4285714285714284}},
             {{"1", "3", "4", "0.00000362", "0.00000121", "179.99999517"}},
             {"scalene obtuse"},
             kBisectorFixesB},
        Case{"NoShape",
             {{"area", 10}, {"perimeter", 12}, {"circumradius", 3}},
             {},
             {},
             "no shape meets area, perimeter and circumradius: every shape is ruled out"},
        Case{"HeightTooLong",
             {{"hZ", 5}, {"X", 4}, {"mZ", 6}},
             {},
             {},
             "the height to Z cannot exceed the sides that meet at its corner, X and Y"},
        Case{"MedianShorterThanBisector",
             {{"mZ", 2}, {"tC", 3}, {"Z", 1}},
             {},
             {},
             "the bisector of C cannot be longer than the median to Z, which it equals only "
             "where X = Y"}),
    [](const testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

struct Refused {
  const char* name;
  std::vector<std::pair<const char*, double>> measures;
  std::string sentence;
};

class RefusedMeasuresTest : public testing::TestWithParam<Refused> {};

TEST_P(RefusedMeasuresTest, OneSentence) {
  std::string refusal;
  EXPECT_FALSE(anyMeasuresInput(named(GetParam().measures), 8, refusal));
  EXPECT_EQ(refusal, GetParam().sentence);
}

INSTANTIATE_TEST_SUITE_P(
    Sentences, RefusedMeasuresTest,
    testing::Values(
        Refused{"Two", {{"hX", 3}, {"mX", 4}}, "give three measures, not 2."},
        Refused{"ThreeAngles",
                {{"A", 30}, {"B", 60}, {"C", 90}},
                "Three angles fix the shape but not the size: give one length."},
        Refused{
            "ZeroArea", {{"area", 0}, {"X", 3}, {"Y", 4}}, "area must be an area greater than 0."},
        Refused{"StraightAngle",
                {{"A", 180}, {"hX", 3}, {"Y", 4}},
                "A must be less than 180 degrees: a triangle's angles add up to 180."},
        Refused{"HeightSideAngle",
                {{"hZ", 3}, {"X", 6}, {"A", 30}},
                "hZ, X and A are bound by hZ = X sin A, so they fix no triangle or infinitely "
                "many: give another measure."},
        Refused{"OneLengthFromACorner",
                {{"hZ", 3}, {"tC", 3}, {"mZ", 3}},
                "hZ, tC and mZ are one length in every triangle with X = Y, so these fix no "
                "size: give another measure."}),
    [](const testing::TestParamInfo<Refused>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace anglewise

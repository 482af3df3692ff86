#include "bench/survey_rows.h"

#include <cmath>
#include <cstdio>
#include <random>

namespace anglewise {

// Measured sides with decimals, as a survey gives them: legs, a side and
// an angle, three sides in D/M/S, two sides and an angle with the obtuse
// box; 4, 8, 12 and 14 places.
std::string surveyRows(long count) {
  std::mt19937_64 random(20261206);
  auto uniform = [&random](double low, double high) {
    return std::uniform_real_distribution<double>(low, high)(random);
  };
  std::string csv = "id,kind,X,Y,Z,A,B,obtuse,notation,places\n";
  char row[160];
  for (long i = 0; i < count; ++i) {
    switch (i % 4) {
      case 0:
        std::snprintf(row, sizeof row, "%ld,right,%.3f,%.3f,,,,,,\n", i, uniform(1, 500),
                      uniform(1, 500));
        break;
      case 1:
        std::snprintf(row, sizeof row, "%ld,right,%.3f,,,%.4f,,,,8\n", i, uniform(1, 500),
                      uniform(1, 89));
        break;
      case 2: {
        double x = uniform(20, 100), y = uniform(20, 100);
        std::snprintf(row, sizeof row, "%ld,oblique,%.3f,%.3f,%.3f,,,,dms,4\n", i, x, y,
                      uniform(std::fabs(x - y) + 1, x + y - 1));
        break;
      }
      default:
        std::snprintf(row, sizeof row, "%ld,oblique,%.2f,%.2f,,%.3f,,1,,14\n", i, uniform(5, 50),
                      uniform(5, 50), uniform(5, 80));
    }
    csv += row;
  }
  return csv;
}

}  // namespace anglewise

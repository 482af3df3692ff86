#pragma once
// The survey mix that the batch and report benchmarks share, so their
// rates stand for the same rows.
#include <string>

namespace anglewise {

/// `count` CSV rows with a header, the same for the same count: legs; a
/// side and an angle at 8 places; three sides in D/M/S at 4; two sides
/// and an angle with the obtuse box at 14.
std::string surveyRows(long count);

}  // namespace anglewise

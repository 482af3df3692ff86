#pragma once
// Three of a triangle's sides X, Y, Z and angles A, B, C, given in any
// positions (not only as the window takes them): the report's input for
// every triangle they make, or the sentence that says why they make none
// to ask about. Side X faces angle B, Y faces A and Z faces C.
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "report/triangle_report.h"

namespace anglewise {

/// `measures`: name ('X' ... 'C') to value (sides as lengths, angles in
/// degrees). Nothing and `refusal` set where they are not three measures
/// that can make finitely many triangles.
std::optional<ReportInput> measuresInput(const std::map<char, double>& measures, int places,
                                         std::string& refusal);

/// Three measures of any kinds: the road above where they are sides and
/// angles, else the search of every shape; nothing and `refusal` set where
/// they cannot be asked about (two measures, a length of 0, three angles,
/// three measures bound by one law).
std::optional<ReportInput> anyMeasuresInput(const std::vector<anysolve::GivenMeasure>& measures,
                                            int places, std::string& refusal);

/// The report's input for three measures by name and text (lengths, or
/// angles as decimal degrees or D/M/S text); nothing and `refusal` set
/// where they cannot be asked about.
std::optional<ReportInput> givenReportInput(
    const std::vector<std::pair<std::string, std::string>>& measures, int places,
    std::string& refusal);

}  // namespace anglewise

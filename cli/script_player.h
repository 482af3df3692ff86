#pragma once
// Window scripts: one JSON session a line in, one JSON answer a line out.
// Each session plays user actions on a fresh main window with no display
// and answers with the state the window is left in.
#include <istream>
#include <ostream>
#include <string>

#include <nlohmann/json.hpp>

namespace anglewise {

/// Plays one session line; the answer carries "error" when it could not.
nlohmann::ordered_json playSession(const std::string& line);

/// Plays every line of `in`, writing one answer a line to `out`. Returns
/// 0 when every session played, 1 when any had an error.
int playScript(std::istream& in, std::ostream& out);

/// A double as JSON: the shortest text that reads back to it, whole numbers
/// without a point, and "inf", "-inf" or "nan" for values that are not finite.
nlohmann::ordered_json jsonDouble(double value);

/// A single-precision value as JSON, shortest for single precision.
nlohmann::ordered_json jsonSingle(float value);

}  // namespace anglewise

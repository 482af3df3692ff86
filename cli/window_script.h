#pragma once
// Window scripts on the headless window: a JSON action such as
// ["click", "Check1"] applied as the user would do it, and the answer that
// describes the state the window is left in.
#include <stdexcept>

#include <nlohmann/json.hpp>

#include "headless/headless_window.h"

namespace anglewise {

class JsonWriter;

/// A session that cannot be played: bad JSON, an unknown action or control.
class ScriptError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

/// Applies one action such as ["click", "Check1"]; throws ScriptError.
void applyScriptAction(HeadlessWindow& window, const nlohmann::json& action);

/// The working record's fields, as the answer's "record".
void writeRecord(JsonWriter& out, const TriangleState& s);

/// Writes the members of the answer that describe the window's state:
/// controls, messages, beeps, record, figure, pages, and a null error.
void writeWindowAnswer(JsonWriter& out, const HeadlessWindow& window);

}  // namespace anglewise

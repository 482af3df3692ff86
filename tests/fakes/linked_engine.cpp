// Test programs that run the windows in their own process take the engine
// from the module they link, found in the process by its entry point. This
// reference keeps the linker from dropping a module nothing else names.
#include "engine/report_engine.h"

namespace anglewise::testing {
extern const void* const kLinkedEngine;
const void* const kLinkedEngine = reinterpret_cast<const void*>(&anglewise_report_engine);
}  // namespace anglewise::testing

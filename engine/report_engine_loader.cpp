// Finds the engine: already in the process when a program links it, else
// the module in the program's own folder (links to the program resolved).
#include <dlfcn.h>

#include <filesystem>
#include <stdexcept>

#include "engine/report_engine.h"

namespace anglewise {
namespace {

constexpr char kEntryPoint[] = "anglewise_report_engine";
constexpr char kModuleName[] = "anglewise-engine.so";

using EntryPoint = const ReportEngine* (*)();

const ReportEngine* loadEngine() {
  if (void* linked = dlsym(RTLD_DEFAULT, kEntryPoint)) {
    return reinterpret_cast<EntryPoint>(linked)();
  }
  std::error_code failed;
  std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", failed);
  if (failed) throw std::runtime_error("Cannot find the program's folder: " + failed.message());
  std::string module = (program.parent_path() / kModuleName).string();
  // Kept for the life of the process: its code backs every report made.
  void* handle = dlopen(module.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!handle) throw std::runtime_error(std::string("Cannot load ") + dlerror());
  void* entry = dlsym(handle, kEntryPoint);
  if (!entry) throw std::runtime_error(module + " has no " + kEntryPoint);
  return reinterpret_cast<EntryPoint>(entry)();
}

}  // namespace

const ReportEngine& reportEngine() {
  static const ReportEngine* engine = loadEngine();
  return *engine;
}

}  // namespace anglewise

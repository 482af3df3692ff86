#include "ports/program_folder.h"

namespace anglewise {

std::string withTrailingSeparator(std::string folder) {
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder;
}

}  // namespace anglewise

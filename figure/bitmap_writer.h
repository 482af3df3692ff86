#pragma once
// Renders recorded figure operations into a Windows bitmap file, for the
// picture file that printing writes when there is no screen.
#include <string>
#include <vector>

#include "figure/recording_picture_box.h"

namespace anglewise {

/// Writes a 24-bit bitmap of `ops` at 15 twips a pixel; false on failure.
bool writeFigureBitmap(const std::string& path, const std::vector<FigureOp>& ops,
                       float scale = kPictureScale);

}  // namespace anglewise

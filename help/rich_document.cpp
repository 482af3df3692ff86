#include "help/rich_document.h"

namespace anglewise {

std::string RichDocument::plainText() const {
  std::string text;
  for (size_t i = 0; i < paragraphs.size(); ++i) {
    if (i > 0) text += '\n';
    for (const TextRun& run : paragraphs[i].runs) text += run.text;
  }
  return text;
}

}  // namespace anglewise

#pragma once
// Characters of the document's ANSI code page, as Unicode and UTF-8.
#include <string>

namespace anglewise {

/// The Unicode character of byte `byte` in Windows code page 1252, the code
/// page of Western documents. Other code pages read as 1252 too: their
/// ASCII half is the same, and the help text is written in 1252.
char32_t fromCodePage1252(unsigned char byte);

/// Appends `c` as UTF-8; a surrogate or a value past U+10FFFF becomes U+FFFD.
void appendUtf8(std::string& out, char32_t c);

}  // namespace anglewise

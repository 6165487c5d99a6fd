// The table record keeps names as 8-bit Latin-1 text; the hand history is UTF-8.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace qf {

std::string Latin1ToUtf8(const char* text, size_t size);

// Characters outside Latin-1 become '?'.
std::string Utf8ToLatin1(std::string_view text);

}  // namespace qf

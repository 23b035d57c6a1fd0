#include "conversion/full_width.h"

namespace quorvane {

char* FoldFullWidth(const char* text, char* out) noexcept {
  const auto* next = reinterpret_cast<const unsigned char*>(text != nullptr ? text : "");
  for (FoldedCharacter c = FoldCharacterAt(next); c.length != 0; next += c.length, c = FoldCharacterAt(next)) {
    if (c.byte == kKeptDoubleByte) {
      *out++ = static_cast<char>(next[0]);
      *out++ = static_cast<char>(next[1]);
    } else {
      *out++ = static_cast<char>(c.byte);
    }
  }
  *out = '\0';
  return out;
}

}  // namespace quorvane

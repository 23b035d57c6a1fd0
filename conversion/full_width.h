// Full-width folding: the GBK full-width forms a Chinese input method types (digits, signs,
// letters, the ideographic space) read as their ASCII counterparts.
#pragma once

#include <cstddef>

namespace quorvane {

// One character of a field text as folding sees it.
struct FoldedCharacter {
  // Bytes the character takes in the text: 1, 2, or 0 at the end (the zero byte, or a lead
  // byte with nothing after it, which is dropped).
  std::size_t length;
  // The single byte it reads as, or kKeptDoubleByte for a two-byte character left as it is.
  int byte;
};

inline constexpr int kKeptDoubleByte = -1;

// The character that starts at `text`; the walk goes on at text + length.
inline FoldedCharacter FoldCharacterAt(const unsigned char* text) noexcept {
  const unsigned char lead = text[0];
  if (lead < 0x80) {
    return {lead == 0 ? 0u : 1u, lead};
  }
  const unsigned char trail = text[1];
  if (trail == 0) {
    return {0, 0};
  }
  if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) {
    return {2, trail - 0x80};
  }
  if (lead == 0xA1) {
    switch (trail) {
      case 0xA1: return {2, ' '};  // ideographic space
      case 0xAB: return {2, '~'};  // full-width tilde
      case 0xEE:                   // white star
      case 0xEF: return {2, '*'};  // black star
      default: break;
    }
  }
  return {2, kKeptDoubleByte};
}

// Writes the folded `text` (null counts as empty) and a zero byte to `out`, which must hold
// strlen(text) + 1 bytes: folding never lengthens a text. Returns the written zero byte.
char* FoldFullWidth(const char* text, char* out) noexcept;

}  // namespace quorvane

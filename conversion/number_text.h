// The text NumberToText hands over: short enough to live inside the value, so making one
// cannot fail and the caller owns it without a heap.
#pragma once

#include <cstddef>

namespace quorvane {

struct NumberText {
  // "-1.234567890123e-308" is the longest text, 20 bytes and a zero.
  static constexpr std::size_t kCapacity = 24;

  char bytes[kCapacity] = {};

  const char* c_str() const noexcept { return bytes; }
};

}  // namespace quorvane

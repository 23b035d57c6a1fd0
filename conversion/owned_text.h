// A text handed from one operation to another: owned, zero-terminated GBK bytes, or none,
// which stands for the empty text.
#pragma once

#include <cstddef>

namespace quorvane {

// Where owned texts come from. The window layer uses the process heap and ends the program
// when it refuses; tests use heaps that count or refuse.
struct TextHeap {
  void* (*allocate)(std::size_t bytes) noexcept;  // null when the heap cannot supply them
  void (*release)(void* bytes) noexcept;
  void (*report_failure)(std::size_t bytes) noexcept;  // told how many bytes were refused
};

class OwnedText {
 public:
  OwnedText() noexcept = default;

  // Room for `length` bytes and a zero byte, all zero. None when length is 0, and none when
  // the heap refuses, which the heap's report_failure is told first.
  static OwnedText Allocate(const TextHeap& heap, std::size_t length) noexcept;

  OwnedText(OwnedText&& other) noexcept;
  OwnedText& operator=(OwnedText&& other) noexcept;
  OwnedText(const OwnedText&) = delete;
  OwnedText& operator=(const OwnedText&) = delete;
  ~OwnedText();

  // The bytes, or null for none: what TextToNumber takes.
  const char* Bytes() const noexcept { return bytes_; }
  char* MutableBytes() noexcept { return bytes_; }
  bool IsNone() const noexcept { return bytes_ == nullptr; }

  friend void ReleaseText(OwnedText& text) noexcept;

 private:
  OwnedText(const TextHeap* heap, char* bytes) noexcept : heap_(heap), bytes_(bytes) {}

  const TextHeap* heap_ = nullptr;
  char* bytes_ = nullptr;
};

// Gives the bytes back to their heap and leaves none; releasing none does nothing.
void ReleaseText(OwnedText& text) noexcept;

}  // namespace quorvane

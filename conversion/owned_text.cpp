#include "conversion/owned_text.h"

#include <cstdint>
#include <cstring>

namespace quorvane {

OwnedText OwnedText::Allocate(const TextHeap& heap, std::size_t length) noexcept {
  if (length == 0) {
    return {};
  }
  // The zero byte cannot be added to the largest size; such a request is refused as it stands.
  const std::size_t bytes = length == SIZE_MAX ? SIZE_MAX : length + 1;
  void* memory = length == SIZE_MAX ? nullptr : heap.allocate(bytes);
  if (memory == nullptr) {
    heap.report_failure(bytes);
    return {};
  }
  std::memset(memory, 0, bytes);
  return OwnedText(&heap, static_cast<char*>(memory));
}

OwnedText::OwnedText(OwnedText&& other) noexcept : heap_(other.heap_), bytes_(other.bytes_) {
  other.heap_ = nullptr;
  other.bytes_ = nullptr;
}

OwnedText& OwnedText::operator=(OwnedText&& other) noexcept {
  if (this != &other) {
    ReleaseText(*this);
    heap_ = other.heap_;
    bytes_ = other.bytes_;
    other.heap_ = nullptr;
    other.bytes_ = nullptr;
  }
  return *this;
}

OwnedText::~OwnedText() { ReleaseText(*this); }

void ReleaseText(OwnedText& text) noexcept {
  if (text.bytes_ != nullptr) {
    text.heap_->release(text.bytes_);
  }
  text.heap_ = nullptr;
  text.bytes_ = nullptr;
}

}  // namespace quorvane

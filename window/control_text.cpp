#include "window/control_text.h"

#include <windows.h>

#include <cstddef>

#include "window/build_window.h"

namespace quorvane {

namespace {

void* AllocateFromProcessHeap(std::size_t bytes) noexcept { return HeapAlloc(GetProcessHeap(), 0, bytes); }

void ReleaseToProcessHeap(void* bytes) noexcept { HeapFree(GetProcessHeap(), 0, bytes); }

void IgnoreRefusal(std::size_t) noexcept {}

const TextHeap kQuietProcessHeap = {AllocateFromProcessHeap, ReleaseToProcessHeap, IgnoreRefusal};

const TextHeap* text_heap = &kQuietProcessHeap;

// A wide-character buffer from the process heap, for the box's text on its way to GBK.
class WideBuffer {
 public:
  explicit WideBuffer(std::size_t characters) noexcept
      : characters_(characters),
        bytes_(static_cast<wchar_t*>(HeapAlloc(GetProcessHeap(), 0, characters * sizeof(wchar_t)))) {}
  WideBuffer(const WideBuffer&) = delete;
  WideBuffer& operator=(const WideBuffer&) = delete;
  ~WideBuffer() {
    if (bytes_ != nullptr) {
      HeapFree(GetProcessHeap(), 0, bytes_);
    }
  }
  wchar_t* Get() const noexcept { return bytes_; }
  std::size_t Bytes() const noexcept { return characters_ * sizeof(wchar_t); }

 private:
  std::size_t characters_;
  wchar_t* bytes_;
};

}  // namespace

void UseTextHeap(const TextHeap& heap) noexcept { text_heap = &heap; }

const TextHeap& CurrentTextHeap() noexcept { return *text_heap; }

OwnedText ReadControlText(std::uint32_t window_id, std::uint32_t control_id) noexcept {
  HWND box = FindControl(window_id, control_id);
  const int length = box != nullptr ? GetWindowTextLengthW(box) : 0;
  if (length <= 0) {
    return {};
  }
  WideBuffer wide(static_cast<std::size_t>(length) + 1);
  if (wide.Get() == nullptr) {
    text_heap->report_failure(wide.Bytes());
    return {};
  }
  const int read = GetWindowTextW(box, wide.Get(), length + 1);
  if (read <= 0) {
    return {};
  }
  const int gbk_length = WideCharToMultiByte(kFieldTextCodePage, 0, wide.Get(), read, nullptr, 0, nullptr, nullptr);
  OwnedText text = OwnedText::Allocate(*text_heap, static_cast<std::size_t>(gbk_length > 0 ? gbk_length : 0));
  if (!text.IsNone()) {
    WideCharToMultiByte(kFieldTextCodePage, 0, wide.Get(), read, text.MutableBytes(), gbk_length, nullptr, nullptr);
  }
  return text;
}

void WriteControlText(std::uint32_t window_id, std::uint32_t control_id, const char* text) noexcept {
  HWND box = FindControl(window_id, control_id);
  if (box == nullptr) {
    return;
  }
  const char* bytes = text != nullptr ? text : "";
  const int length = MultiByteToWideChar(kFieldTextCodePage, 0, bytes, -1, nullptr, 0);
  WideBuffer wide(static_cast<std::size_t>(length > 0 ? length : 1));
  if (wide.Get() == nullptr) {
    text_heap->report_failure(wide.Bytes());
    return;
  }
  wide.Get()[0] = L'\0';
  MultiByteToWideChar(kFieldTextCodePage, 0, bytes, -1, wide.Get(), length);
  SetWindowTextW(box, wide.Get());
}

}  // namespace quorvane

#include "app/runtime.h"

#include <windows.h>

#include <array>

#include "conversion/owned_text.h"
#include "window/control_text.h"
#include "window/event_delivery.h"
#include "window/test_hooks.h"

namespace quorvane {

namespace {

// Only ProgramEnd is ever listed; the room is for the rule, not for growth.
std::array<EndRoutine, 8> end_routines = {};
std::size_t end_routine_count = 0;

void* AllocateText(std::size_t bytes) noexcept {
#ifdef QUORVANE_TEST_HOOKS
  if (test_hooks::refuse_text_heap) {
    return nullptr;
  }
#endif
  return HeapAlloc(GetProcessHeap(), 0, bytes);
}

void ReleaseTextBytes(void* bytes) noexcept { HeapFree(GetProcessHeap(), 0, bytes); }

// A text the heap could not supply ends the program.
[[noreturn]] void ReportRefusedText(std::size_t bytes) noexcept {
  wchar_t message[128];
  FormatOutOfMemoryMessage(bytes, message, std::size(message));
  ReportFatalError(message);
}

const TextHeap kProcessTextHeap = {AllocateText, ReleaseTextBytes, ReportRefusedText};

// What the run-time holds that the end gives back: nothing the process exit would not
// free, so the end only stops handing out texts.
void ReleaseRuntime() noexcept {}

}  // namespace

void StartRuntime() noexcept { UseTextHeap(kProcessTextHeap); }

void RegisterEndRoutine(EndRoutine routine) noexcept {
  for (std::size_t i = 0; i < end_routine_count; ++i) {
    if (end_routines[i] == routine) {
      return;
    }
  }
  if (end_routine_count < end_routines.size()) {
    end_routines[end_routine_count++] = routine;
  }
}

std::size_t EndRoutineCount() noexcept { return end_routine_count; }

void RunEndRoutines() noexcept {
  for (std::size_t i = 0; i < end_routine_count; ++i) {
    end_routines[i]();
  }
  end_routine_count = 0;
}

void EndProgram() noexcept {
  HoldEvents();
  RunEndRoutines();
  ReleaseRuntime();
  ExitProcess(0);
}

void ReportFatalError(const wchar_t* message) noexcept {
  HoldEvents();
  MessageBoxW(nullptr, message, L"Quorvane", MB_OK | MB_ICONERROR | MB_TASKMODAL);
  end_routine_count = 0;
  ReleaseRuntime();
  ExitProcess(0xFFFFFFFF);
}

void FormatOutOfMemoryMessage(std::size_t bytes, wchar_t* out, std::size_t capacity) noexcept {
  static constexpr wchar_t kBefore[] = L"内存不足：无法分配 ";
  static constexpr wchar_t kAfter[] = L" 字节。";
  wchar_t digits[24];
  std::size_t digit_count = 0;
  do {
    digits[digit_count++] = static_cast<wchar_t>(L'0' + bytes % 10);
    bytes /= 10;
  } while (bytes != 0);
  std::size_t written = 0;
  const auto put = [&](wchar_t c) {
    if (written + 1 < capacity) {
      out[written++] = c;
    }
  };
  for (const wchar_t* c = kBefore; *c != L'\0'; ++c) {
    put(*c);
  }
  while (digit_count != 0) {
    put(digits[--digit_count]);
  }
  for (const wchar_t* c = kAfter; *c != L'\0'; ++c) {
    put(*c);
  }
  out[written] = L'\0';
}

}  // namespace quorvane

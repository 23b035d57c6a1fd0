// Reading and writing the text of an edit box as GBK (code page 936) bytes, the form the
// conversions take, whatever the system's own code page.
#pragma once

#include <cstdint>

#include "conversion/owned_text.h"

namespace quorvane {

// The code page of the field texts.
inline constexpr unsigned kFieldTextCodePage = 936;

// The heap that ReadControlText takes texts from; until one is set, the process heap with
// no report of a refusal.
void UseTextHeap(const TextHeap& heap) noexcept;
const TextHeap& CurrentTextHeap() noexcept;

// A copy of exactly what the box shows, or none when it is empty (or there is no such box).
OwnedText ReadControlText(std::uint32_t window_id, std::uint32_t control_id) noexcept;

// Replaces the box's whole text; null counts as the empty text. Runs no routine.
void WriteControlText(std::uint32_t window_id, std::uint32_t control_id, const char* text) noexcept;

}  // namespace quorvane

// The run-time services: the heap texts come from, the end routines, and the two ways the
// process ends.
#pragma once

#include <cstddef>

namespace quorvane {

using EndRoutine = void (*)();

// Makes ready the heap that owned texts are taken from.
void StartRuntime() noexcept;

// Adds a routine to run at the normal end, once, unless it is already listed.
void RegisterEndRoutine(EndRoutine routine) noexcept;

// How many routines are listed, for tests.
std::size_t EndRoutineCount() noexcept;

// The normal end: events held back, the end routines run in order, exit code 0.
[[noreturn]] void EndProgram() noexcept;

// Shows one error message box and ends the process with exit code 0xFFFFFFFF, without
// running the end routines.
[[noreturn]] void ReportFatalError(const wchar_t* message) noexcept;

// Runs the listed end routines in order and empties the list (the normal end's middle step).
void RunEndRoutines() noexcept;

// The fatal message for a text the heap could not supply, naming the bytes asked for.
// Writes into `out` (at least 64 characters).
void FormatOutOfMemoryMessage(std::size_t bytes, wchar_t* out, std::size_t capacity) noexcept;

}  // namespace quorvane

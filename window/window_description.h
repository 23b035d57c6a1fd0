// The main window and its controls as data: one record for the window, one per control,
// the settings of each kind and the (event, routine) bindings. BuildWindow reads it all.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>

namespace quorvane {

enum class ControlKind { kLabel, kEditBox, kPushButton };

enum class EventKind { kCreated, kClicked };

using EventRoutine = void (*)();

struct EventBinding {
  EventKind event;
  EventRoutine routine;
};

// A font made from a record: a negative height selects by character height; everything
// else is left to the platform's font mapper, at proof quality.
struct FontRecord {
  int height;
  int weight;
};

// How a label draws itself. A null font means the default GUI font.
struct LabelLook {
  COLORREF text_colour;
  const FontRecord* font;
  bool wraps;  // broken into lines from the top, instead of one vertically centred line
};

// What every control of one kind shares.
struct KindSettings {
  const wchar_t* window_class;
  DWORD style;
  DWORD extended_style;
};

struct ControlDescription {
  std::uint32_t id;
  const wchar_t* name;
  ControlKind kind;
  int left;
  int top;
  int width;
  int height;
  const wchar_t* text;
  bool tab_stop;
  LabelLook label;  // labels only
  const EventBinding* events;
  std::size_t event_count;
};

struct WindowDescription {
  std::uint32_t id;
  const wchar_t* title;
  const wchar_t* window_class;
  DWORD style;
  DWORD extended_style;
  int left;  // kept with the window's data; the window opens centred instead
  int top;
  int width;  // outer size, frame and caption included
  int height;
  const EventBinding* events;
  std::size_t event_count;
  const ControlDescription* controls;  // in list order: the first lies on top
  std::size_t control_count;
};

// The window classes of the program's own.
inline constexpr const wchar_t* kMainWindowClass = L"QuorvaneMainWindow";
inline constexpr const wchar_t* kLabelClass = L"QuorvaneLabel";

inline constexpr std::uint32_t kMainWindowId = 0x52010001;

const KindSettings& SettingsOfKind(ControlKind kind) noexcept;

// The description with that identifier, or null.
const WindowDescription* FindWindowDescription(std::uint32_t window_id) noexcept;

// The routine bound to an event in a list of bindings, or null when none is.
EventRoutine BoundRoutine(const EventBinding* events, std::size_t count, EventKind event) noexcept;

}  // namespace quorvane

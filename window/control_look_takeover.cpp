#include "window/control_look_takeover.h"

#include <commctrl.h>

#include <unordered_map>

#include "window/control_look_procedures.h"

namespace quorvane {

namespace {

// A window subclass that is removed again when its owner goes.
class ScopedSubclass {
 public:
  ScopedSubclass(HWND window, SUBCLASSPROC procedure, UINT_PTR id) noexcept
      : window_(window),
        procedure_(procedure),
        id_(id),
        attached_(SetWindowSubclass(window, procedure, id, 0) != FALSE) {}
  ScopedSubclass(const ScopedSubclass&) = delete;
  ScopedSubclass& operator=(const ScopedSubclass&) = delete;
  ~ScopedSubclass() {
    if (attached_) {
      RemoveWindowSubclass(window_, procedure_, id_);
    }
  }

  bool Attached() const noexcept { return attached_; }

 private:
  HWND window_;
  SUBCLASSPROC procedure_;
  UINT_PTR id_;
  bool attached_;
};

struct Entry {
  Entry(HWND control, const TakenOverControl& taken_over) noexcept
      : look(taken_over), subclass(control, LookProcedureFor(taken_over.kind), kLookSubclassId) {}

  TakenOverControl look;
  ScopedSubclass subclass;
};

// Touched from the UI thread only.
std::unordered_map<HWND, Entry> taken_over_controls;

// Frame and client area, erased and painted again before returning.
void RepaintCompletely(HWND control) noexcept {
  RedrawWindow(control, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

}  // namespace

bool TakeOver(HWND control, LookKind kind, const ControlState& state, bool repaint_now) noexcept {
  if (control == nullptr || taken_over_controls.count(control) != 0) {
    return false;
  }
  try {
    const auto added = taken_over_controls.try_emplace(control, control, TakenOverControl{kind, state, nullptr});
    if (!added.first->second.subclass.Attached()) {
      taken_over_controls.erase(added.first);
      return false;
    }
  } catch (...) {
    // No room for one more entry: the control keeps its own look.
    return false;
  }
  if (repaint_now) {
    RepaintCompletely(control);
  }
  return true;
}

TakenOverControl* FindTakenOver(HWND control) noexcept {
  const auto found = taken_over_controls.find(control);
  return found != taken_over_controls.end() ? &found->second.look : nullptr;
}

void GiveUp(HWND control) noexcept { taken_over_controls.erase(control); }

void GiveBackAll() noexcept {
  // One at a time: a repaint runs the control's code, which must find the set consistent.
  while (!taken_over_controls.empty()) {
    const HWND control = taken_over_controls.begin()->first;
    taken_over_controls.erase(taken_over_controls.begin());
    if (IsWindow(control)) {
      RepaintCompletely(control);
    }
  }
}

std::size_t TakenOverCount() noexcept { return taken_over_controls.size(); }

}  // namespace quorvane

#include "window/control_look_takeover.h"

#include <commctrl.h>

#include <new>

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

// One taken-over control. The nodes live on the process heap, where a failed allocation is a
// null pointer rather than an exception, and never move, so pointers to their look stay valid.
struct Node {
  Node(HWND control, const TakenOverControl& taken_over, Node* after) noexcept
      : control(control), entry(control, taken_over), next(after) {}

  HWND control;
  Entry entry;
  Node* next;
};

// Touched from the UI thread only. A window holds a handful of controls: a list is enough.
Node* taken_over_controls = nullptr;
std::size_t taken_over_count = 0;

Node** LinkTo(HWND control) noexcept {
  Node** link = &taken_over_controls;
  while (*link != nullptr && (*link)->control != control) {
    link = &(*link)->next;
  }
  return link;
}

// Unlinks the node at `link` and removes its subclass.
void Remove(Node** link) noexcept {
  Node* const node = *link;
  *link = node->next;
  --taken_over_count;
  node->~Node();
  HeapFree(GetProcessHeap(), 0, node);
}

// Frame and client area, erased and painted again before returning.
void RepaintCompletely(HWND control) noexcept {
  RedrawWindow(control, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

}  // namespace

bool TakeOver(HWND control, LookKind kind, const ControlState& state, bool repaint_now) noexcept {
  if (control == nullptr || *LinkTo(control) != nullptr) {
    return false;
  }
  void* const memory = HeapAlloc(GetProcessHeap(), 0, sizeof(Node));
  if (memory == nullptr) {
    // No room for one more entry: the control keeps its own look.
    return false;
  }
  taken_over_controls = new (memory) Node(control, TakenOverControl{kind, state, nullptr}, taken_over_controls);
  ++taken_over_count;
  if (!taken_over_controls->entry.subclass.Attached()) {
    Remove(&taken_over_controls);
    return false;
  }
  if (repaint_now) {
    RepaintCompletely(control);
  }
  return true;
}

TakenOverControl* FindTakenOver(HWND control) noexcept {
  Node* const found = *LinkTo(control);
  return found != nullptr ? &found->entry.look : nullptr;
}

void GiveUp(HWND control) noexcept {
  Node** const link = LinkTo(control);
  if (*link != nullptr) {
    Remove(link);
  }
}

void GiveBackAll() noexcept {
  // One at a time: a repaint runs the control's code, which must find the set consistent.
  while (taken_over_controls != nullptr) {
    const HWND control = taken_over_controls->control;
    Remove(&taken_over_controls);
    if (IsWindow(control)) {
      RepaintCompletely(control);
    }
  }
}

std::size_t TakenOverCount() noexcept { return taken_over_count; }

}  // namespace quorvane

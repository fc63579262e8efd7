// A test probe: a hook in front of a window that logs the messages it sees
// and can withhold some of them.
#ifndef QUILLORY_UI_TESTS_WIN32_PROBE_H_
#define QUILLORY_UI_TESTS_WIN32_PROBE_H_

#include <windows.h>

#include <algorithm>
#include <set>
#include <vector>

#include "ui/subclass.h"

namespace ui::test {

class TProbe {
 public:
  // Hooks AWindow; messages in AWithheld do not go on.
  explicit TProbe(HWND AWindow, std::set<UINT> AWithheld = {})
      : FWindow(AWindow), FWithheld(std::move(AWithheld)) {
    SubclassWindow(AWindow, Id(),
                   [this](const TWindowMessage& AMessage, const TWindowChain::TNext& ANext) {
                     Seen.push_back(AMessage.Message);
                     if (FWithheld.count(AMessage.Message)) return LRESULT{0};
                     return ANext(AMessage);
                   });
  }
  ~TProbe() { Unhook(); }
  TProbe(const TProbe&) = delete;
  TProbe& operator=(const TProbe&) = delete;

  bool Unhook() { return IsWindow(FWindow) && UnsubclassWindow(FWindow, Id()); }
  size_t Count(UINT AMessage) const {
    return static_cast<size_t>(std::count(Seen.begin(), Seen.end(), AMessage));
  }

  std::vector<UINT> Seen;

 private:
  uintptr_t Id() const { return reinterpret_cast<uintptr_t>(this); }
  HWND FWindow;
  std::set<UINT> FWithheld;
};

// Handles the messages waiting for this thread.
inline void PumpMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

}  // namespace ui::test

#endif  // QUILLORY_UI_TESTS_WIN32_PROBE_H_

// The control queue of a thread is its Windows message queue: control codes
// travel as thread message WM_USER + 1 with the code as wParam.
#include <windows.h>

#include "platform/thread_queue.h"

namespace platform {

namespace {

constexpr UINT kControlMessage = WM_USER + 1;

}  // namespace

struct TThreadQueue::TImpl {
  DWORD ThreadId = 0;
};

TThreadQueue::TThreadQueue() : FImpl(std::make_unique<TImpl>()) {
  MSG msg;
  PeekMessageW(&msg, nullptr, WM_USER, WM_USER, PM_NOREMOVE);  // creates the queue
  FImpl->ThreadId = GetCurrentThreadId();
}

TThreadQueue::~TThreadQueue() = default;

bool TThreadQueue::Post(uint32_t ACode) {
  return PostThreadMessageW(FImpl->ThreadId, kControlMessage, ACode, 0) != 0;
}

std::optional<uint32_t> TThreadQueue::Take(bool AWait) {
  MSG msg;
  for (;;) {
    if (AWait) {
      if (GetMessageW(&msg, nullptr, 0, 0) <= 0) return std::nullopt;  // WM_QUIT or failure
    } else if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      return std::nullopt;
    }
    if (msg.hwnd == nullptr && msg.message == kControlMessage) {
      return static_cast<uint32_t>(msg.wParam);
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

void TThreadQueue::Park() {
  // PeekMessage marks what is queued as seen; WaitMessage then returns for
  // anything posted after that look, so a post between the two is not lost.
  MSG msg;
  while (!PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE)) WaitMessage();
}

}  // namespace platform

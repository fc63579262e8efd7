// Helpers of the control wrappers' Wine tests: our skin loaded into a
// reader, a log of what reaches a control's own procedure, and the pixels
// of a window as they are on the screen.
#ifndef QUILLORY_SKIN_CONTROLS_WIN32_TESTS_CONTROL_TEST_UTIL_H_
#define QUILLORY_SKIN_CONTROLS_WIN32_TESTS_CONTROL_TEST_UTIL_H_

#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <set>
#include <vector>

#include "skin/bitmap/bitmap.h"
#include "skin/draw/win32/dib_surface.h"
#include "skin/tests/own_skin_fixture.h"
#include "ui/subclass.h"
#include "ui/tests/win32/probe.h"
#include "ui/widget.h"

namespace skin::test {

struct TLogged {
  UINT Msg;
  WPARAM WParam;
  LPARAM LParam;
  bool operator==(const TLogged&) const = default;
};

// What reaches a window's own procedure, in order, of the messages in
// AWatch: for a toolkit control its WindowProc, for a native window a
// subclass put on before the wrapper. A wrapper installed afterwards sits
// in front of it.
class TOwnLog {
 public:
  TOwnLog(ui::TWidget& AWidget, std::set<UINT> AWatch) : FWatch(std::move(AWatch)) {
    auto original = AWidget.WindowProc;
    AWidget.WindowProc = [this, original](UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
      Note(AMessage, AWParam, ALParam);
      return original(AMessage, AWParam, ALParam);
    };
  }
  TOwnLog(HWND AWindow, std::set<UINT> AWatch) : FWatch(std::move(AWatch)) {
    FForeign = std::make_unique<ui::TForeignSubclass>(
        AWindow, [this](const ui::TWindowMessage& AMessage, const ui::TWindowChain::TNext& ANext) {
          Note(AMessage.Message, AMessage.WParam, AMessage.LParam);
          return ANext(AMessage);
        });
  }
  std::vector<TLogged> Seen;

 private:
  void Note(UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
    if (FWatch.count(AMessage)) Seen.push_back({AMessage, AWParam, ALParam});
  }
  std::set<UINT> FWatch;
  std::unique_ptr<ui::TForeignSubclass> FForeign;
};

inline void Send(HWND AWindow, const std::vector<TLogged>& ASequence) {
  for (const auto& m : ASequence) SendMessageW(AWindow, m.Msg, m.WParam, m.LParam);
}

inline std::set<UINT> MessagesOf(const std::vector<TLogged>& ASequence) {
  std::set<UINT> out;
  for (const auto& m : ASequence) out.insert(m.Msg);
  return out;
}

// AWidth x AHeight pixels of ADc from (0, 0).
inline TBitmap PixelsOf(HDC ADc, int AWidth, int AHeight) {
  TDibSurface surface(AWidth, AHeight);
  BitBlt(surface.Dc(), 0, 0, AWidth, AHeight, ADc, 0, 0, SRCCOPY);
  TBitmap out(AWidth, AHeight);
  for (int y = 0; y < AHeight; ++y) {
    for (int x = 0; x < AWidth; ++x) out.SetPixel(x, y, surface.Pixel(x, y));
  }
  return out;
}

// The client area of AWindow as it is on the screen.
inline TBitmap ClientPixels(HWND AWindow) {
  RECT rc{};
  GetClientRect(AWindow, &rc);
  HDC dc = GetDC(AWindow);
  TBitmap out = PixelsOf(dc, rc.right, rc.bottom);
  ReleaseDC(AWindow, dc);
  return out;
}

// The whole window of AWindow as it is on the screen.
inline TBitmap WindowPixels(HWND AWindow) {
  RECT rc{};
  GetWindowRect(AWindow, &rc);
  HDC dc = GetWindowDC(AWindow);
  TBitmap out = PixelsOf(dc, rc.right - rc.left, rc.bottom - rc.top);
  ReleaseDC(AWindow, dc);
  return out;
}

// The client area of AWindow as it is on the screen, after a full repaint
// of it, its frame and its children (unless ARedraw is false).
inline TBitmap Snapshot(HWND AWindow, bool ARedraw = true) {
  if (ARedraw) {
    RedrawWindow(AWindow, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
    ui::test::PumpMessages();
  }
  return ClientPixels(AWindow);
}

// How many pixels of A and B differ; -1 when their sizes do.
inline int Differing(const TBitmap& A, const TBitmap& B) {
  if (A.Width() != B.Width() || A.Height() != B.Height()) return -1;
  int n = 0;
  for (int y = 0; y < A.Height(); ++y) {
    for (int x = 0; x < A.Width(); ++x) n += A.Pixel(x, y) != B.Pixel(x, y);
  }
  return n;
}

}  // namespace skin::test

#endif  // QUILLORY_SKIN_CONTROLS_WIN32_TESTS_CONTROL_TEST_UTIL_H_

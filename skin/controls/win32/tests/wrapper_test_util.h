// Helpers of the wrapper tests under Wine: what a window shows on the
// screen, as a portable bitmap, and which messages reach a control's own
// procedure.
#ifndef QUILLORY_SKIN_CONTROLS_WIN32_TESTS_WRAPPER_TEST_UTIL_H_
#define QUILLORY_SKIN_CONTROLS_WIN32_TESTS_WRAPPER_TEST_UTIL_H_

#include <windows.h>

#include <memory>
#include <set>
#include <vector>

#include "skin/bitmap/bitmap.h"
#include "skin/draw/win32/dib_surface.h"
#include "ui/subclass.h"
#include "ui/tests/win32/probe.h"
#include "ui/widget.h"

namespace skin::test {

// The client area of AWindow as it is on the screen, after a full repaint
// of it, its frame and its children (unless ARedraw is false).
inline TBitmap Snapshot(HWND AWindow, bool ARedraw = true) {
  if (ARedraw) {
    RedrawWindow(AWindow, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
    ui::test::PumpMessages();
  }
  RECT rc{};
  GetClientRect(AWindow, &rc);
  TDibSurface surface(rc.right, rc.bottom);
  HDC dc = GetDC(AWindow);
  BitBlt(surface.Dc(), 0, 0, rc.right, rc.bottom, dc, 0, 0, SRCCOPY);
  ReleaseDC(AWindow, dc);
  TBitmap out(rc.right, rc.bottom);
  for (int y = 0; y < rc.bottom; ++y) {
    for (int x = 0; x < rc.right; ++x) out.SetPixel(x, y, surface.Pixel(x, y));
  }
  return out;
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

struct TLogged {
  UINT Msg;
  WPARAM WParam;
  LPARAM LParam;
  bool operator==(const TLogged&) const = default;
};

// Logs what reaches a window's own procedure: for a toolkit control its
// WindowProc, for a native window a subclass put on before the wrapper.
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

}  // namespace skin::test

#endif  // QUILLORY_SKIN_CONTROLS_WIN32_TESTS_WRAPPER_TEST_UTIL_H_

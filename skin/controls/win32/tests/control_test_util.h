// Helpers of the control wrappers' Wine tests: our skin loaded into a
// reader, a log of what reaches a control's own procedure, and the pixels
// of a window as they are on the screen.
#ifndef QUILLORY_SKIN_CONTROLS_WIN32_TESTS_CONTROL_TEST_UTIL_H_
#define QUILLORY_SKIN_CONTROLS_WIN32_TESTS_CONTROL_TEST_UTIL_H_

#include <gtest/gtest.h>

#include <windows.h>

#include <set>
#include <vector>

#include "skin/bitmap/bitmap.h"
#include "skin/draw/win32/dib_surface.h"
#include "skin/own/own_skin.h"
#include "skin/reader/zel_skin_reader.h"
#include "skin/tests/test_files.h"
#include "ui/tests/win32/probe.h"
#include "ui/widget.h"

namespace skin::test {

// Our skin, written to ADir and loaded into AReader.
inline void LoadOwnSkin(const TScratchDir& ADir, TzelSkinReader& AReader) {
  auto data = OwnSkinData();
  WriteFileBytes(ADir / "quillory.zsk", {data.begin(), data.end()});
  AReader.LoadSkin(ADir / "quillory.zsk", "");
  ASSERT_TRUE(AReader.Ready());
}

struct TLogged {
  UINT Msg;
  WPARAM WParam;
  LPARAM LParam;
  bool operator==(const TLogged&) const = default;
};

// What reaches a toolkit control's own procedure, in order, of the
// messages in AWatch. A wrapper installed afterwards sits in front of it.
class TProcLog {
 public:
  TProcLog(ui::TWidget& AWidget, std::set<UINT> AWatch) : FWatch(std::move(AWatch)) {
    auto original = AWidget.WindowProc;
    AWidget.WindowProc = [this, original](UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
      if (FWatch.count(AMessage)) Seen.push_back({AMessage, AWParam, ALParam});
      return original(AMessage, AWParam, ALParam);
    };
  }
  std::vector<TLogged> Seen;

 private:
  std::set<UINT> FWatch;
};

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

}  // namespace skin::test

#endif  // QUILLORY_SKIN_CONTROLS_WIN32_TESTS_CONTROL_TEST_UTIL_H_

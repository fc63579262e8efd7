// What the wrapper tests under Wine share: a log of the messages that
// reach a toolkit control's own procedure, screen snapshots of a window,
// and a fixture with our own skin loaded and a form on the screen.
#ifndef QUILLORY_SKIN_CONTROLS_WIN32_TESTS_WRAPPER_FIXTURE_H_
#define QUILLORY_SKIN_CONTROLS_WIN32_TESTS_WRAPPER_FIXTURE_H_

#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <set>
#include <vector>

#include "skin/controls/skin_host.h"
#include "skin/controls/win32/skin_ctrl_defs.h"
#include "skin/draw/win32/dib_surface.h"
#include "skin/own/own_skin.h"
#include "skin/tests/test_files.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/tests/win32/probe.h"

namespace skin::test {

using ui::test::PumpMessages;

struct TLogged {
  UINT Msg;
  WPARAM WParam;
  LPARAM LParam;
  bool operator==(const TLogged&) const = default;
};

// Of the messages in AWatch, those that reach a procedure from outside, in
// order: messages the control sends itself while handling one (a paint
// inside a click) are not counted.
class TMessageLog {
 public:
  explicit TMessageLog(std::set<UINT> AWatch) : FWatch(std::move(AWatch)) {}
  template <class F>
  LRESULT Pass(UINT AMessage, WPARAM AWParam, LPARAM ALParam, F&& ANext) {
    if (FDepth == 0 && FWatch.count(AMessage)) Seen.push_back({AMessage, AWParam, ALParam});
    ++FDepth;
    const LRESULT result = ANext();
    --FDepth;
    return result;
  }
  std::vector<TLogged> Seen;

 private:
  std::set<UINT> FWatch;
  int FDepth = 0;
};

// The log of what reaches a toolkit control's own procedure.
class TProcLog : public TMessageLog {
 public:
  TProcLog(ui::TWidget& AWidget, std::set<UINT> AWatch) : TMessageLog(std::move(AWatch)) {
    auto original = AWidget.WindowProc;
    AWidget.WindowProc = [this, original](UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
      return Pass(AMessage, AWParam, ALParam, [&] { return original(AMessage, AWParam, ALParam); });
    };
  }
};

inline std::set<UINT> MessagesOf(const std::vector<TLogged>& ASequence) {
  std::set<UINT> out;
  for (const auto& m : ASequence) out.insert(m.Msg);
  return out;
}

inline void Send(HWND AWindow, const std::vector<TLogged>& ASequence) {
  for (const auto& m : ASequence) SendMessageW(AWindow, m.Msg, m.WParam, m.LParam);
}

// AWidth x AHeight pixels of ADc.
inline TBitmap CopyDc(HDC ADc, int AWidth, int AHeight) {
  TDibSurface surface(AWidth, AHeight);
  BitBlt(surface.Dc(), 0, 0, AWidth, AHeight, ADc, 0, 0, SRCCOPY);
  TBitmap out(AWidth, AHeight);
  for (int y = 0; y < AHeight; ++y) {
    for (int x = 0; x < AWidth; ++x) out.SetPixel(x, y, surface.Pixel(x, y));
  }
  return out;
}

// The client area of AWindow as it is on the screen, after a full repaint.
inline TBitmap Snapshot(HWND AWindow) {
  RedrawWindow(AWindow, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  PumpMessages();
  RECT rc{};
  GetClientRect(AWindow, &rc);
  HDC dc = GetDC(AWindow);
  TBitmap out = CopyDc(dc, rc.right, rc.bottom);
  ReleaseDC(AWindow, dc);
  return out;
}

// The whole window of AWindow as it is on the screen.
inline TBitmap WindowSnapshot(HWND AWindow) {
  RECT rc{};
  GetWindowRect(AWindow, &rc);
  HDC dc = GetWindowDC(AWindow);
  TBitmap out = CopyDc(dc, rc.right - rc.left, rc.bottom - rc.top);
  ReleaseDC(AWindow, dc);
  return out;
}

// Pixels that differ between two snapshots of one size (all of them when
// the sizes differ).
inline int Differing(const TBitmap& A, const TBitmap& B) {
  if (A.Width() != B.Width() || A.Height() != B.Height()) return A.Width() * A.Height() + 1;
  int n = 0;
  for (int y = 0; y < A.Height(); ++y) {
    for (int x = 0; x < A.Width(); ++x) n += A.Pixel(x, y) != B.Pixel(x, y);
  }
  return n;
}

class TWrapperTest : public ::testing::Test {
 protected:
  void SetUp() override {
    auto data = OwnSkinData();
    WriteFileBytes(FDir / "quillory.zsk", {data.begin(), data.end()});
    FReader.LoadSkin(FDir / "quillory.zsk", "");
    ASSERT_TRUE(FReader.Ready());
    Form = std::make_unique<ui::TForm>(ui::TFormArgs{&Application, "Test", 320, 200});
    Form->Show();
    PumpMessages();
  }
  void TearDown() override { Form.reset(); }

  // An engine on the form, with the wrapper tables filled from this module
  // and our own skin, loaded and active.
  std::unique_ptr<TzelSkinEngine> StartEngine() {
    ClearSkinCtrlDefs();
    RegisterSkinControlDefs();
    auto engine = std::make_unique<TzelSkinEngine>(Form.get());
    engine->SetSkinData(OwnSkinData());
    engine->Loaded();
    engine->SetActive(true);
    PumpMessages();
    EXPECT_TRUE(engine->RealActive());
    return engine;
  }

  TBitmap Frame(TSkinBitmapKey AKey, int AIndex, int ACount) {
    TBitmap b;
    EXPECT_TRUE(Host.GetBitmap(AKey, b, AIndex, ACount));
    return b;
  }

  TScratchDir FDir;
  TzelSkinReader FReader;
  ui::TApplication Application{"Konfigurator"};
  std::unique_ptr<ui::TForm> Form;

 public:
  TReaderSkinHost Host{FReader};
};

}  // namespace skin::test

#endif  // QUILLORY_SKIN_CONTROLS_WIN32_TESTS_WRAPPER_FIXTURE_H_

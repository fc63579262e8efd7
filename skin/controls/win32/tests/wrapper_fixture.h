// What the wrapper tests under Wine share beyond control_test_util.h: a log
// of the messages that reach a toolkit control's own procedure from
// outside, and a fixture with our own skin loaded and a form on the screen.
#ifndef QUILLORY_SKIN_CONTROLS_WIN32_TESTS_WRAPPER_FIXTURE_H_
#define QUILLORY_SKIN_CONTROLS_WIN32_TESTS_WRAPPER_FIXTURE_H_

#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <set>
#include <vector>

#include "skin/controls/skin_host.h"
#include "skin/controls/win32/skin_ctrl_defs.h"
#include "skin/controls/win32/tests/control_test_util.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/tests/win32/probe.h"

namespace skin::test {

using ui::test::PumpMessages;

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

// The log of what reaches a toolkit control's own procedure from outside.
class TOuterLog : public TMessageLog {
 public:
  TOuterLog(ui::TWidget& AWidget, std::set<UINT> AWatch) : TMessageLog(std::move(AWatch)) {
    auto original = AWidget.WindowProc;
    AWidget.WindowProc = [this, original](UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
      return Pass(AMessage, AWParam, ALParam, [&] { return original(AMessage, AWParam, ALParam); });
    };
  }
};

class TWrapperTest : public ::testing::Test {
 protected:
  void SetUp() override {
    LoadOwnSkin(FDir, FReader);
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

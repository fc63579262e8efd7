// TzelSkinHost: what a control wrapper reads of the skin engine besides the
// skin values: whether it is really active or being destroyed, the
// DisabledTag and the engine's switches. The engine answers it; tests give
// the wrappers a host of their own.
//
// Thread safety: as the engine (its thread).
#ifndef QUILLORY_SKIN_CONTROLS_SKIN_HOST_H_
#define QUILLORY_SKIN_CONTROLS_SKIN_HOST_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "skin/controls/skin_source.h"
#include "skin/engine/skin_engine.h"

namespace skin {

class TzelSkinHost : public TzelSkinSource {
 public:
  // Active, a skin loaded, not at design time: wrappers paint only then.
  virtual bool RealActive() const = 0;
  // The engine's destruction has begun: wrappers only pass messages on.
  virtual bool BeingDestroyed() const = 0;
  // A control whose Tag equals it keeps its own look.
  virtual std::int64_t DisabledTag() const = 0;
  virtual bool NoChangeButtonsFontColor() const = 0;
  virtual bool NoChangeLabelFontColor() const = 0;
  // Mnemonics reach a push button only with Alt held.
  virtual bool BtnNeedAltKey() const = 0;
  // Overlay scroll bars are painted.
  virtual bool DrawScrollBar() const = 0;
  // AClassName is in the engine's no-border class list.
  virtual bool NoBorderClass(std::string_view AClassName) const = 0;
  // Speed buttons are drawn with the push button's state frames.
  virtual bool DrawSpeedButtonAsBitBtn() const { return false; }
};

// A host with settable answers over a reader (tests, previews).
class TReaderSkinHost : public TzelSkinHost {
 public:
  explicit TReaderSkinHost(const TzelSkinReader& AReader) : FSource(AReader) {}
  bool GetBitmap(TSkinBitmapKey AKey, TBitmap& ABuf, int ASpitIndex,
                 int ASpitCount) const override {
    return FSource.GetBitmap(AKey, ABuf, ASpitIndex, ASpitCount);
  }
  TColor GetColor(TSkinColorKey AKey) const override { return FSource.GetColor(AKey); }
  bool GetBool(TSkinBoolKey AKey) const override { return FSource.GetBool(AKey); }
  TColor TransColor() const override { return FSource.TransColor(); }
  bool RealActive() const override { return Active; }
  bool BeingDestroyed() const override { return Destroying; }
  std::int64_t DisabledTag() const override { return Disabled; }
  bool NoChangeButtonsFontColor() const override { return KeepButtonsFontColor; }
  bool NoChangeLabelFontColor() const override { return KeepLabelFontColor; }
  bool BtnNeedAltKey() const override { return NeedAltKey; }
  bool DrawScrollBar() const override { return ScrollBars; }
  bool DrawSpeedButtonAsBitBtn() const override { return SpeedButtonAsBitBtn; }
  bool NoBorderClass(std::string_view AClassName) const override {
    for (const auto& name : NoBorderClasses) {
      if (name == AClassName) return true;
    }
    return false;
  }

  bool Active = true;
  bool Destroying = false;
  std::int64_t Disabled = 9999;
  bool KeepButtonsFontColor = false;
  bool KeepLabelFontColor = false;
  bool NeedAltKey = false;
  bool ScrollBars = true;
  bool SpeedButtonAsBitBtn = false;
  std::vector<std::string> NoBorderClasses;

 private:
  TReaderSkinSource FSource;
};

// The engine's answers.
class TEngineSkinHost : public TzelSkinHost {
 public:
  explicit TEngineSkinHost(const TzelSkinEngine& AEngine) : FEngine(AEngine) {}
  bool GetBitmap(TSkinBitmapKey AKey, TBitmap& ABuf, int ASpitIndex,
                 int ASpitCount) const override {
    return FEngine.GetBitmap(AKey, ABuf, ASpitIndex, ASpitCount);
  }
  TColor GetColor(TSkinColorKey AKey) const override {
    return static_cast<TColor>(FEngine.GetColor(AKey));
  }
  bool GetBool(TSkinBoolKey AKey) const override { return FEngine.GetBool(AKey); }
  TColor TransColor() const override { return FEngine.m_TransColor; }
  TColor FormColor() const override { return FEngine.GetFormColor(); }
  bool RealActive() const override { return FEngine.RealActive(); }
  bool BeingDestroyed() const override { return FEngine.BeingDestroyed(); }
  std::int64_t DisabledTag() const override { return FEngine.m_DisabledTag; }
  bool NoChangeButtonsFontColor() const override { return FEngine.m_NoChangeButtonsFontColor; }
  bool NoChangeLabelFontColor() const override { return FEngine.m_NoChangeLabelFontColor; }
  bool BtnNeedAltKey() const override { return FEngine.m_BtnNeedAltKey; }
  bool DrawScrollBar() const override { return FEngine.m_DrawScrollBar; }
  bool DrawSpeedButtonAsBitBtn() const override { return FEngine.m_DrawSpeedButtonAsBitBtn; }
  bool NoBorderClass(std::string_view AClassName) const override {
    return InNoBorderClassList(AClassName);
  }

 private:
  const TzelSkinEngine& FEngine;
};

}  // namespace skin

#endif  // QUILLORY_SKIN_CONTROLS_SKIN_HOST_H_

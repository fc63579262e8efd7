// TzelSkinHost: what a control wrapper reads of the skin engine besides the
// skin values: whether it is really active or being destroyed, the
// DisabledTag and the engine's switches. The engine answers it; tests give
// the wrappers a host of their own.
//
// Thread safety: as the engine (its thread).
#ifndef QUILLORY_SKIN_CONTROLS_SKIN_HOST_H_
#define QUILLORY_SKIN_CONTROLS_SKIN_HOST_H_

#include <cstdint>

#include "skin/controls/skin_source.h"

namespace skin {

// The engine's private messages the wrappers answer.
inline constexpr unsigned kSkinMsgIsSkinned = 10922;       // every wrapper answers 1
inline constexpr unsigned kSkinMsgRepaintControl = 10924;  // control wrappers repaint

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

  bool Active = true;
  bool Destroying = false;
  std::int64_t Disabled = 9999;
  bool KeepButtonsFontColor = false;
  bool KeepLabelFontColor = false;
  bool NeedAltKey = false;
  bool ScrollBars = true;

 private:
  TReaderSkinSource FSource;
};

}  // namespace skin

#endif  // QUILLORY_SKIN_CONTROLS_SKIN_HOST_H_

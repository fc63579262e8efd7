// TzelSkinSource: the skin values a control painter reads. The engine
// answers them from its current reader; tests and off-screen painting use
// TReaderSkinSource over a reader of their own.
//
// Thread safety: as the object behind it (the engine's thread).
#ifndef QUILLORY_SKIN_CONTROLS_SKIN_SOURCE_H_
#define QUILLORY_SKIN_CONTROLS_SKIN_SOURCE_H_

#include "skin/bitmap/bitmap.h"
#include "skin/reader/skin2_define.h"
#include "skin/reader/zel_skin_reader.h"

namespace skin {

class TzelSkinSource {
 public:
  virtual ~TzelSkinSource() = default;

  // Frame ASpitIndex of ASpitCount of the image AKey into ABuf (both
  // nonzero), else the whole image. False, ABuf untouched, when the skin
  // has no such image.
  virtual bool GetBitmap(TSkinBitmapKey AKey, TBitmap& ABuf, int ASpitIndex,
                         int ASpitCount) const = 0;
  // The colour AKey as 0x00BBGGRR; -1 when absent.
  virtual TColor GetColor(TSkinColorKey AKey) const = 0;
  virtual bool GetBool(TSkinBoolKey AKey) const = 0;
  // "SKIN2_TRANSCOLOR".
  virtual TColor TransColor() const = 0;
  // "SKIN2_FORMCOLOR".
  virtual TColor FormColor() const { return GetColor(TSkinColorKey::FormColor); }
};

// The skin values of a reader the caller keeps alive.
class TReaderSkinSource : public TzelSkinSource {
 public:
  explicit TReaderSkinSource(const TzelSkinReader& AReader) : FReader(AReader) {}
  bool GetBitmap(TSkinBitmapKey AKey, TBitmap& ABuf, int ASpitIndex, int ASpitCount) const override;
  TColor GetColor(TSkinColorKey AKey) const override;
  bool GetBool(TSkinBoolKey AKey) const override;
  TColor TransColor() const override;

 private:
  const TzelSkinReader& FReader;
};

}  // namespace skin

#endif  // QUILLORY_SKIN_CONTROLS_SKIN_SOURCE_H_

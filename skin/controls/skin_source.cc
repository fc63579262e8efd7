#include "skin/controls/skin_source.h"

#include "skin/bitmap/image_routines.h"

namespace skin {

bool TReaderSkinSource::GetBitmap(TSkinBitmapKey AKey, TBitmap& ABuf, int ASpitIndex,
                                  int ASpitCount) const {
  const TBitmap* image = FReader.GetBitmap(AKey);
  if (image == nullptr) return false;
  if (ASpitIndex != 0 && ASpitCount != 0) {
    SpitBitmap(image, ABuf, ASpitCount, ASpitIndex);
  } else {
    ABuf = *image;
  }
  return true;
}

TColor TReaderSkinSource::GetColor(TSkinColorKey AKey) const {
  return static_cast<TColor>(FReader.GetColor(AKey));
}

bool TReaderSkinSource::GetBool(TSkinBoolKey AKey) const {
  return FReader.GetBool(AKey);
}

TColor TReaderSkinSource::TransColor() const {
  return GetColor(TSkinColorKey::TransColor);
}

}  // namespace skin

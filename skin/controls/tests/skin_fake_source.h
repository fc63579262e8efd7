// A skin source for the painter tests: fixed colours and strips chosen by
// the test, so that every painted pixel can be named.
#ifndef QUILLORY_SKIN_CONTROLS_TESTS_SKIN_FAKE_SOURCE_H_
#define QUILLORY_SKIN_CONTROLS_TESTS_SKIN_FAKE_SOURCE_H_

#include <map>

#include "skin/bitmap/image_routines.h"
#include "skin/controls/skin_source.h"
#include "skin/draw/tests/draw_test_util.h"

namespace skin::test {

class TFakeSkin : public TzelSkinSource {
 public:
  bool GetBitmap(TSkinBitmapKey AKey, TBitmap& ABuf, int ASpitIndex,
                 int ASpitCount) const override {
    const auto it = Bitmaps.find(AKey);
    if (it == Bitmaps.end()) return false;
    if (ASpitIndex != 0 && ASpitCount != 0) {
      SpitBitmap(&it->second, ABuf, ASpitCount, ASpitIndex);
    } else {
      ABuf = it->second;
    }
    return true;
  }
  TColor GetColor(TSkinColorKey AKey) const override {
    const auto it = Colors.find(AKey);
    return it == Colors.end() ? 0u : it->second;
  }
  bool GetBool(TSkinBoolKey AKey) const override {
    const auto it = Bools.find(AKey);
    return it != Bools.end() && it->second;
  }
  TColor TransColor() const override { return kMagenta; }

  std::map<TSkinBitmapKey, TBitmap> Bitmaps;
  std::map<TSkinColorKey, TColor> Colors;
  std::map<TSkinBoolKey, bool> Bools;
};

}  // namespace skin::test

#endif  // QUILLORY_SKIN_CONTROLS_TESTS_SKIN_FAKE_SOURCE_H_

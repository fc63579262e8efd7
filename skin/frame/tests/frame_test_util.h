// Our own skin loaded once for the frame tests, with its metrics and
// images, and small helpers to compare painted pixels with the skin's.
#ifndef QUILLORY_SKIN_FRAME_TESTS_FRAME_TEST_UTIL_H_
#define QUILLORY_SKIN_FRAME_TESTS_FRAME_TEST_UTIL_H_

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "skin/frame/skin_metrics.h"
#include "skin/own/own_skin.h"
#include "skin/reader/zel_skin_reader.h"
#include "skin/tests/test_files.h"

namespace skin::test {

inline constexpr TColor kInactiveCaption = 0x00808080;

// The reader over our built skin, loaded from a scratch folder once.
inline const TzelSkinReader& OwnSkin() {
  static const std::unique_ptr<TzelSkinReader> reader = [] {
    TScratchDir dir;
    auto data = OwnSkinData();
    WriteFileBytes(dir / "quillory.zsk", {data.begin(), data.end()});
    auto r = std::make_unique<TzelSkinReader>();
    r->LoadSkin(dir / "quillory.zsk", "");
    return r;
  }();
  return *reader;
}

inline TSkinMetrics OwnMetrics() {
  return ReadSkinMetrics(OwnSkin(), kInactiveCaption);
}
inline TFrameImages OwnImages() {
  return ReadFrameImages(OwnSkin());
}

// A skin image pixel as the shaped frame shows it: the form colour where
// the image holds the transparent colour.
inline TColor Shown(const TBitmap& AImage, int AX, int AY, const TSkinMetrics& AMetrics) {
  const TColor c = AImage.Pixel(AX, AY);
  return c == AMetrics.TransColor ? AMetrics.FormColor : c;
}

}  // namespace skin::test

#endif  // QUILLORY_SKIN_FRAME_TESTS_FRAME_TEST_UTIL_H_

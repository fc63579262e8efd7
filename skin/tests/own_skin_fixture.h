// Our own compiled-in skin, loaded into a reader the way a program does:
// written out as a ".zsk" file and read back.
#ifndef QUILLORY_SKIN_TESTS_OWN_SKIN_FIXTURE_H_
#define QUILLORY_SKIN_TESTS_OWN_SKIN_FIXTURE_H_

#include <gtest/gtest.h>

#include "skin/own/own_skin.h"
#include "skin/reader/zel_skin_reader.h"
#include "skin/tests/test_files.h"

namespace skin::test {

// Our skin, written to ADir and loaded into AReader.
inline void LoadOwnSkin(const TScratchDir& ADir, TzelSkinReader& AReader) {
  auto data = OwnSkinData();
  WriteFileBytes(ADir / "quillory.zsk", {data.begin(), data.end()});
  AReader.LoadSkin(ADir / "quillory.zsk", "");
  ASSERT_TRUE(AReader.Ready());
}

}  // namespace skin::test

#endif  // QUILLORY_SKIN_TESTS_OWN_SKIN_FIXTURE_H_

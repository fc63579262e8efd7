// The description reader (Tsk2SkinFileReader) and the keyed reader
// (TzelSkinReader): lookups and defaults, the archive path with its errors,
// and malformed descriptions.
#include <gtest/gtest.h>

#include <functional>

#include "skin/reader/sk2_skin_file_reader.h"
#include "skin/reader/zel_skin_reader.h"
#include "skin/tests/skin_test_util.h"
#include "skin/tests/test_files.h"

namespace skin::test {
namespace {

constexpr TColor kMagenta = 0x00FF00FF;

std::vector<std::uint8_t> SmallDescription() {
  TSk2DescriptionWriter w;
  TBitmap track(4, 2, kMagenta);
  track.SetPixel(0, 0, 0x00000010);
  w.AddBitmap("SKIN2_TRACKBAR", SaveBmp(track));
  w.AddBitmap("SKIN2_BUTTON", PlainBmp(6, 3, 0x00102030));
  w.AddInteger("SKIN2_TRANSCOLOR", static_cast<std::int32_t>(kMagenta));
  w.AddInteger("SKIN2_FORMCOLOR", 0x00EDCDB3);
  w.AddInteger("SKIN2_TITLEBARICONPOSX", 8);
  w.AddBool("SKIN2_BUTTONTRANS", false);
  w.AddBool("SKIN2_TABCONTROLTRANS", true);
  w.AddText("SKIN2_AUTHOR", "Quillory");
  return w.Finish();
}

TEST(DescriptionReaderTest, LooksValuesUpIgnoringCase) {
  auto r = Tsk2SkinFileReader::FromDescription(SmallDescription());
  EXPECT_EQ(r->BitmapCount(), 2u);
  EXPECT_EQ(r->IntegerCount(), 3u);
  EXPECT_EQ(r->BooleanCount(), 2u);
  EXPECT_EQ(r->TextCount(), 1u);
  EXPECT_EQ(r->GetInteger("skin2_titlebariconposx"), 8);
  EXPECT_TRUE(r->GetBool("SKIN2_TABCONTROLTRANS"));
  EXPECT_FALSE(r->GetBool("SKIN2_BUTTONTRANS"));
  EXPECT_EQ(r->GetStr("Skin2_Author"), "Quillory");
  ASSERT_NE(r->GetBitmap("skin2_button"), nullptr);
  EXPECT_EQ(r->GetBitmap("SKIN2_BUTTON")->Width(), 6);
  ASSERT_EQ(r->Records().size(), 8u);
  EXPECT_EQ(r->Records()[0].Name, "SKIN2_TRACKBAR");
  EXPECT_EQ(r->Records()[7].Kind, sk2::TRecordKind::Text);
}

TEST(DescriptionReaderTest, AbsentKeysGiveDefaults) {
  auto r = Tsk2SkinFileReader::FromDescription(SmallDescription());
  EXPECT_EQ(r->GetInteger("SKIN2_NONE"), -1);
  EXPECT_FALSE(r->GetBool("SKIN2_NONE"));
  EXPECT_EQ(r->GetBitmap("SKIN2_NONE"), nullptr);
  EXPECT_EQ(r->GetStr("SKIN2_NONE"), "");
}

TEST(DescriptionReaderTest, SettersAddIntegersAndSwitchesButNotBitmaps) {
  auto r = Tsk2SkinFileReader::FromDescription(SmallDescription());
  r->SetBitmap("SKIN2_NEWBITMAP", TBitmap(2, 2));
  EXPECT_EQ(r->GetBitmap("SKIN2_NEWBITMAP"), nullptr);
  EXPECT_EQ(r->BitmapCount(), 2u);
  r->SetBitmap("skin2_button", TBitmap(9, 1));
  EXPECT_EQ(r->GetBitmap("SKIN2_BUTTON")->Width(), 9);
  r->SetInteger("SKIN2_NEWINTEGER", 42);
  EXPECT_EQ(r->GetInteger("SKIN2_NEWINTEGER"), 42);
  r->SetInteger("skin2_titlebariconposx", 3);
  EXPECT_EQ(r->GetInteger("SKIN2_TITLEBARICONPOSX"), 3);
  r->SetBool("SKIN2_NEWSWITCH", true);
  EXPECT_TRUE(r->GetBool("SKIN2_NEWSWITCH"));
}

TEST(DescriptionReaderTest, FirstRecordTerminatingLoadsNothing) {
  auto r = Tsk2SkinFileReader::FromDescription(TSk2DescriptionWriter().Finish());
  EXPECT_EQ(r->BitmapCount() + r->IntegerCount() + r->BooleanCount() + r->TextCount(), 0u);
}

TEST(DescriptionReaderTest, UnknownKindsAreSkipped) {
  TSk2DescriptionWriter w;
  w.AddRecord("SKIN2_FUTURE", 9, std::vector<std::uint8_t>(5, 1));
  w.AddInteger("SKIN2_TITLEBARICONPOSX", 8);
  auto r = Tsk2SkinFileReader::FromDescription(w.Finish());
  EXPECT_EQ(r->Records().size(), 1u);
  EXPECT_EQ(r->GetInteger("SKIN2_TITLEBARICONPOSX"), 8);
}

void Set32(std::vector<std::uint8_t>& v, std::size_t at, std::uint32_t x) {
  for (int i = 0; i < 4; ++i) v[at + i] = static_cast<std::uint8_t>(x >> (8 * i));
}

struct TBadDescription {
  const char* Name;
  std::function<void(std::vector<std::uint8_t>&)> Damage;
};

class DescriptionMalformedTest : public ::testing::TestWithParam<TBadDescription> {};

TEST_P(DescriptionMalformedTest, FailsToRead) {
  auto d = SmallDescription();
  GetParam().Damage(d);
  try {
    Tsk2SkinFileReader::FromDescription(d);
    FAIL() << "no error";
  } catch (const ESkinReadError& e) {
    EXPECT_STREQ(e.what(), kFailedToReadSkinFile);
  }
}

// The first record header is at 24; its value offset at 24 + 65, size at
// 24 + 69 and next offset at 24 + 73.
const TBadDescription kBadDescriptions[] = {
    {"Empty", [](auto& d) { d.clear(); }},
    {"HeaderCutShort", [](auto& d) { d.resize(20); }},
    {"HeaderSizeAbove24", [](auto& d) { Set32(d, 12, 25); }},
    {"HeaderSizeHuge", [](auto& d) { Set32(d, 12, 0x7FFFFFFF); }},
    {"HeaderSizeBelow24", [](auto& d) { Set32(d, 12, 16); }},
    {"FirstRecordBeyondFile", [](auto& d) { Set32(d, 20, 1000000); }},
    {"FirstRecordNegative", [](auto& d) { Set32(d, 20, 0xFFFFFFF0); }},
    {"RecordCutShort", [](auto& d) { Set32(d, 20, static_cast<std::uint32_t>(d.size() - 40)); }},
    {"ChainLoopsToItself", [](auto& d) { Set32(d, 24 + 73, 24); }},
    {"ValueBeyondFile", [](auto& d) { Set32(d, 24 + 65, 0x7FFFFF00); }},
    {"ValueSizeNegative", [](auto& d) { Set32(d, 24 + 69, 0xFFFFFFFF); }},
    {"ValueSizeBeyondFile", [](auto& d) { Set32(d, 24 + 69, 0x7FFFFFFF); }},
    {"BitmapNotBmp", [](auto& d) { d[24 + 77] = 'X'; }},
    {"ChainLoopsBack",
     [](auto& d) {
       // The terminating record (last 77 bytes) points back to the first.
       Set32(d, d.size() - 4, 24);
     }},
};

INSTANTIATE_TEST_SUITE_P(Cases, DescriptionMalformedTest, ::testing::ValuesIn(kBadDescriptions),
                         [](const auto& AInfo) { return std::string(AInfo.param.Name); });

// Files named like our temporary files ("{GUID}") in the temporary folder.
std::size_t GuidNamedTempFiles() {
  std::size_t n = 0;
  for (const auto& e :
       std::filesystem::directory_iterator(std::filesystem::temp_directory_path())) {
    std::string name = e.path().filename().string();
    if (name.size() == 38 && name.front() == '{' && name.back() == '}') ++n;
  }
  return n;
}

std::string LoadError(const std::filesystem::path& AFile, std::string_view APassword) {
  try {
    Tsk2SkinFileReader reader(AFile, APassword);
    return "";
  } catch (const ESkinReadError& e) {
    return e.what();
  }
}

TEST(SkinFileReaderTest, ReadsArchivesAndRemovesItsTemporaryFile) {
  TScratchDir dir;
  const std::size_t before = GuidNamedTempFiles();
  const auto archive = ArchiveOf(SmallDescription());
  WriteFileBytes(dir / "plain.zsk", archive);
  WriteFileBytes(dir / "secret.zsk", Encrypted(archive, "geheim"));
  auto broken = SmallDescription();
  Set32(broken, 24 + 73, 24);
  WriteFileBytes(dir / "loop.zsk", ArchiveOf(broken));
  auto damaged = archive;
  damaged[50] ^= 0x55;
  WriteFileBytes(dir / "damaged.zsk", damaged);
  auto resized = archive;
  resized[resized.size() - 22 - 12 - 46 + 24] ^= 1;  // central uncompressed size
  WriteFileBytes(dir / "resized.zsk", resized);

  EXPECT_EQ(LoadError(dir / "plain.zsk", ""), "");
  EXPECT_EQ(LoadError(dir / "secret.zsk", "geheim"), "");
  EXPECT_EQ(LoadError(dir / "secret.zsk", "falsch"), kWrongPassword);
  EXPECT_EQ(LoadError(dir / "secret.zsk", ""), kWrongPassword);
  EXPECT_EQ(LoadError(dir / "resized.zsk", ""), kWrongPassword);
  EXPECT_EQ(LoadError(dir / "loop.zsk", ""), kFailedToReadSkinFile);
  EXPECT_EQ(LoadError(dir / "damaged.zsk", ""), kFailedToReadSkinFile);
  EXPECT_EQ(LoadError(dir / "missing.zsk", ""), kFailedToReadSkinFile);
  EXPECT_EQ(GuidNamedTempFiles(), before);
}

TEST(ZelSkinReaderTest, LoadedSkinIsTransparentAndTrackBarTakesFormColor) {
  TScratchDir dir;
  WriteFileBytes(dir / "skin.zsk", ArchiveOf(SmallDescription()));
  int changes = 0;
  TzelSkinReader reader;
  reader.SetOnChanged([&] { ++changes; });
  reader.LoadSkin(dir / "skin.zsk", "");
  EXPECT_TRUE(reader.Ready());
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(reader.GetColor(TSkinColorKey::FormColor), 0x00EDCDB3);
  EXPECT_EQ(reader.GetInteger(TSkinIntegerKey::TitleBarIconPosX), 8);
  EXPECT_EQ(reader.GetInteger(TSkinIntegerKey::TitleBarIconPosY), -1);
  EXPECT_TRUE(reader.GetBool(TSkinBoolKey::TabControlTrans));
  TBitmap* button = reader.GetBitmap(TSkinBitmapKey::Button);
  ASSERT_NE(button, nullptr);
  EXPECT_TRUE(button->Transparent());
  EXPECT_EQ(button->TransparentColor(), kMagenta);
  TBitmap* track = reader.GetBitmap(TSkinBitmapKey::TrackBar);
  ASSERT_NE(track, nullptr);
  EXPECT_EQ(track->Pixel(1, 0), 0x00EDCDB3u);
  EXPECT_EQ(track->Pixel(0, 0), 0x00000010u);
  EXPECT_EQ(track->BitsPerPixel(), 24);

  reader.SetColor(TSkinColorKey::ControlColor, 0x00F4E6DA);
  EXPECT_EQ(reader.GetColor(TSkinColorKey::ControlColor), 0x00F4E6DA);
}

TEST(ZelSkinReaderTest, MissingFileLeavesDefaultsAndNotifies) {
  TScratchDir dir;
  std::filesystem::create_directory(dir / "folder.zsk");
  int changes = 0;
  TzelSkinReader reader(dir / "folder.zsk", "");  // a folder counts as missing, it does not throw
  EXPECT_FALSE(reader.Ready());
  reader.SetOnChanged([&] { ++changes; });
  reader.LoadSkin(dir / "missing.zsk", "");
  EXPECT_FALSE(reader.Ready());
  EXPECT_EQ(changes, 1);
  reader.LoadSkin(dir / "folder.zsk", "");
  EXPECT_FALSE(reader.Ready());
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(reader.GetColor(TSkinColorKey::FormColor), -1);
  EXPECT_EQ(reader.GetInteger(TSkinIntegerKey::TitleBarIconPosX), -1);
  EXPECT_FALSE(reader.GetBool(TSkinBoolKey::TabControlTrans));
  EXPECT_EQ(reader.GetBitmap(TSkinBitmapKey::Button), nullptr);
  reader.SetInteger(TSkinIntegerKey::TitleBarIconPosX, 5);  // ignored
  EXPECT_EQ(reader.GetInteger(TSkinIntegerKey::TitleBarIconPosX), -1);
}

TEST(ZelSkinReaderTest, FailedLoadThrowsWithoutNotification) {
  TScratchDir dir;
  WriteFileBytes(dir / "good.zsk", ArchiveOf(SmallDescription()));
  WriteFileBytes(dir / "bad.zsk", {'S', 'K', 3, 4, 0, 0});
  TzelSkinReader reader(dir / "good.zsk", "");
  int changes = 0;
  reader.SetOnChanged([&] { ++changes; });
  EXPECT_THROW(reader.LoadSkin(dir / "bad.zsk", ""), ESkinReadError);
  EXPECT_FALSE(reader.Ready());
  EXPECT_EQ(reader.FileReader(), nullptr);
  EXPECT_EQ(changes, 0);
}

TEST(Skin2DefineTest, KeysMapToTheirNames) {
  EXPECT_EQ(Skin2Define.size(), 84u);
  EXPECT_EQ(SkinKeyName(TSkinColorKey::SideChannelBorderColor), "SKIN2_SIDECHANNELBORDERCOLOR");
  EXPECT_EQ(SkinKeyName(TSkinBitmapKey::TitleBar1), "SKIN2_TITLEBAR1");
  EXPECT_EQ(SkinKeyName(TSkinBitmapKey::ScrollButton), "SKIN2_SCROLLBUTTON");
  EXPECT_EQ(SkinKeyName(TSkinIntegerKey::BottomRegionMaxY), "SKIN2_BOTTOMREGIONMAXY");
  EXPECT_EQ(SkinKeyName(TSkinBoolKey::TabControlTrans), "SKIN2_TABCONTROLTRANS");
  // Only the low 7 bits index the group; beyond it there is no name.
  EXPECT_EQ(SkinKeyName(static_cast<TSkinBoolKey>(0x80 | 2)), "SKIN2_TITLEBARNEEDREGION");
  EXPECT_EQ(SkinKeyName(static_cast<TSkinBoolKey>(9)), "");
}

}  // namespace
}  // namespace skin::test

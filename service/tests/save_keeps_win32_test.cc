// What a save keeps of the file it replaces on Windows: ReplaceFileW leaves
// the file's attributes in place; a missing file is created by the move.
#include <windows.h>

#include <gtest/gtest.h>

#include "platform/win32/wide.h"
#include "service/settings/client_settings.h"
#include "service/tests/settings_fixture.h"

namespace service::settings {
namespace {

using platform::win32::ToWide;
using service::testing::TScratchFolder;

DWORD AttributesOf(const std::string& APath) {
  return GetFileAttributesW(ToWide(APath).c_str());
}

// Wine's ReplaceFileW moves the new file over the old one and keeps none of
// the old file's attributes; Windows keeps them.
bool RunningUnderWine() {
  const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

TEST(SaveKeeps, AttributesOfTheReplacedFile) {
  TScratchFolder scratch;
  TClientSettings settings(scratch.Folder(), platform::SystemFileSystem());
  for (const DWORD kept : {DWORD{FILE_ATTRIBUTE_HIDDEN}, DWORD{FILE_ATTRIBUTE_SYSTEM},
                           DWORD{FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE}}) {
    scratch.Put("ws", "old");
    ASSERT_TRUE(SetFileAttributesW(ToWide(scratch.PathOf("ws")).c_str(), kept));
    EXPECT_EQ(settings.Save("saveSettings ws:new"), "OK");
    if (!RunningUnderWine()) {
      EXPECT_EQ(AttributesOf(scratch.PathOf("ws")) & kept, kept) << std::hex << kept;
    }
    EXPECT_EQ(scratch.Get("ws"), "\xEF\xBB\xBFnew\r\n");
  }
  EXPECT_EQ(scratch.Names().size(), 1u) << "no temporary file left";
}

TEST(SaveKeeps, MissingFileIsCreatedPlain) {
  TScratchFolder scratch;
  TClientSettings settings(scratch.Folder(), platform::SystemFileSystem());
  EXPECT_EQ(settings.Save("saveSettings ws:new"), "OK");
  EXPECT_EQ(AttributesOf(scratch.PathOf("ws")) & FILE_ATTRIBUTE_HIDDEN, 0u);
  EXPECT_EQ(scratch.Get("ws"), "\xEF\xBB\xBFnew\r\n");
}

// A read-only file is the user's word that it stays: the save fails and
// the file keeps its text.
TEST(SaveKeeps, ReadOnlyFileIsNotReplaced) {
  TScratchFolder scratch;
  scratch.Put("ws", "old");
  const std::wstring path = ToWide(scratch.PathOf("ws"));
  ASSERT_TRUE(SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY));
  TClientSettings settings(scratch.Folder(), platform::SystemFileSystem());
  EXPECT_TRUE(settings.Save("saveSettings ws:new").starts_with("Fehler: Datei "));
  EXPECT_EQ(scratch.Get("ws"), "old");
  SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(scratch.Names().size(), 1u) << "no temporary file left";
}

}  // namespace
}  // namespace service::settings

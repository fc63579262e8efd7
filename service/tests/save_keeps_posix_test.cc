// What a save keeps of the file it replaces on POSIX: the permission bits,
// the owner and group where the process may set them; and a link in the
// folder is replaced itself, never written through.
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <fstream>

#include "service/settings/client_settings.h"
#include "service/tests/settings_fixture.h"

namespace service::settings {
namespace {

using service::testing::TScratchFolder;

struct stat StatOf(const std::string& APath) {
  struct stat st {};
  EXPECT_EQ(::lstat(APath.c_str(), &st), 0) << APath;
  return st;
}

TEST(SaveKeeps, PermissionBitsOfTheReplacedFile) {
  TScratchFolder scratch;
  TClientSettings settings(scratch.Folder(), platform::SystemFileSystem());
  for (const mode_t mode : {0600, 0640, 0664, 0444}) {
    scratch.Put("ws", "old");
    ASSERT_EQ(::chmod(scratch.PathOf("ws").c_str(), mode), 0);
    EXPECT_EQ(settings.Save("saveSettings ws:new"), "OK");
    EXPECT_EQ(StatOf(scratch.PathOf("ws")).st_mode & 07777, mode) << std::oct << mode;
    EXPECT_EQ(scratch.Get("ws"), "\xEF\xBB\xBFnew\r\n");
  }
  // Set-id bits are never carried over to a file written by a network service.
  ASSERT_EQ(::chmod(scratch.PathOf("ws").c_str(), 04755), 0);
  EXPECT_EQ(settings.Save("saveSettings ws:new"), "OK");
  EXPECT_EQ(StatOf(scratch.PathOf("ws")).st_mode & 07777, 0755u);
}

TEST(SaveKeeps, OwnerAndGroupWhereThePrivilegeAllows) {
  if (::geteuid() != 0) GTEST_SKIP() << "giving a file away needs root";
  TScratchFolder scratch;
  scratch.Put("ws", "old");
  const uid_t owner = 65534;  // nobody
  const gid_t group = 65534;
  ASSERT_EQ(::chown(scratch.PathOf("ws").c_str(), owner, group), 0);
  ASSERT_EQ(::chmod(scratch.PathOf("ws").c_str(), 0640), 0);
  TClientSettings settings(scratch.Folder(), platform::SystemFileSystem());
  EXPECT_EQ(settings.Save("saveSettings ws:new"), "OK");
  const struct stat st = StatOf(scratch.PathOf("ws"));
  EXPECT_EQ(st.st_uid, owner);
  EXPECT_EQ(st.st_gid, group);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  // A new file belongs to the service, with the usual bits.
  EXPECT_EQ(settings.Save("saveSettings fresh:x"), "OK");
  EXPECT_EQ(StatOf(scratch.PathOf("fresh")).st_uid, ::geteuid());
}

TEST(SaveKeeps, LinkInTheFolderIsReplacedNotFollowed) {
  TScratchFolder scratch;
  const std::string outside = service::testing::ToUtf8(scratch.Root() / "outside");
  std::ofstream(outside) << "outside";
  ASSERT_EQ(::chmod(outside.c_str(), 0600), 0);
  ASSERT_EQ(::symlink(outside.c_str(), scratch.PathOf("ln").c_str()), 0);
  TClientSettings settings(scratch.Folder(), platform::SystemFileSystem());
  EXPECT_EQ(settings.Save("saveSettings ln:new"), "OK");
  const struct stat st = StatOf(scratch.PathOf("ln"));
  EXPECT_TRUE(S_ISREG(st.st_mode)) << "the link itself is replaced by a plain file";
  EXPECT_NE(st.st_mode & 07777, 0600u) << "the link's target lent nothing";
  std::ifstream in(outside);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "outside");
}

}  // namespace
}  // namespace service::settings

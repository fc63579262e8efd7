#include "gallery/gallery_args.h"

#include <gtest/gtest.h>

namespace gallery {
namespace {

TEST(GalleryArgs, ReadsPageAndDialog) {
  std::string error;
  auto args = ParseGalleryArgs({}, error);
  ASSERT_TRUE(args);
  EXPECT_EQ(args->Page, 1);
  EXPECT_EQ(args->Dialog, TDialogKind::None);

  args = ParseGalleryArgs({"-page", "4", "-dialog", "folder"}, error);
  ASSERT_TRUE(args);
  EXPECT_EQ(args->Page, 4);
  EXPECT_EQ(args->Dialog, TDialogKind::Folder);
  EXPECT_TRUE(args->Skin);

  args = ParseGalleryArgs({"-noskin", "-dialog", "nosysmenu", "-noskin"}, error);
  ASSERT_TRUE(args);
  EXPECT_FALSE(args->Skin);
  EXPECT_EQ(args->Dialog, TDialogKind::NoSysMenu);
  EXPECT_EQ(ParseGalleryArgs({"-dialog", "plain"}, error)->Dialog, TDialogKind::Plain);
}

TEST(GalleryArgs, RefusesMalformedInput) {
  const std::vector<std::vector<std::string>> bad = {
      {"-page"},       {"-page", "0"},  {"-page", "x"},
      {"-page", "2x"}, {"-page", "-1"}, {"-dialog", "window"}, {"-noskin", "1"},
      {"-dialog"},     {"page", "1"},   {"-page", "99999999999"}};
  for (const auto& line : bad) {
    std::string error;
    EXPECT_FALSE(ParseGalleryArgs(line, error)) << line[0];
    EXPECT_FALSE(error.empty());
  }
}

}  // namespace
}  // namespace gallery

#include "ui/edit_mask.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace ui {
namespace {

TEST(EditMask, BlankShowsLiteralsAndEscapes) {
  EXPECT_EQ(TEditMask(L"00.00.0000").Blank(), L"__.__.____");
  EXPECT_EQ(TEditMask(L"\\0\\L-LL").Blank(), L"0L-__");
  EXPECT_EQ(TEditMask(L"").Blank(), L"");
  EXPECT_THROW(TEditMask(L"00\\"), std::invalid_argument);
}

TEST(EditMask, PositionsTakeTheirKind) {
  const TEditMask mask(L"0L A-c");
  struct {
    size_t Pos;
    wchar_t Char;
    bool Accepted;
  } cases[] = {{0, L'7', true},  {0, L'x', false},  {1, L'x', true},  {1, L'7', false},
               {2, L'x', false},  // the literal space
               {3, L'7', true},  {3, L'x', true},   {3, L'-', false}, {4, L'x', false},
               {5, L'-', true},  {5, L'\t', false}, {6, L'1', false}};  // past the end
  for (const auto& c : cases) {
    EXPECT_EQ(mask.Accepts(c.Pos, c.Char), c.Accepted) << c.Pos << " " << static_cast<int>(c.Char);
  }
}

TEST(EditMask, TypingSkipsLiteralsAndRefusesWhatDoesNotFit) {
  const TEditMask mask(L"00.00.0000");
  std::wstring text = mask.Blank();
  size_t caret = 0;
  for (wchar_t c : std::wstring(L"1012")) ASSERT_TRUE(mask.Type(text, caret, c));
  EXPECT_EQ(text, L"10.12.____");
  EXPECT_EQ(caret, 6u);  // past the second dot
  EXPECT_FALSE(mask.Type(text, caret, L'x'));
  EXPECT_EQ(text, L"10.12.____");
  caret = 2;  // on a literal: the digit goes to the next input position
  ASSERT_TRUE(mask.Type(text, caret, L'3'));
  EXPECT_EQ(text, L"10.32.____");
  caret = 10;
  EXPECT_FALSE(mask.Type(text, caret, L'1'));  // at the end
}

TEST(EditMask, BackspaceAndDeleteBlankInputPositionsOnly) {
  const TEditMask mask(L"00.00");
  std::wstring text = L"12.34";
  size_t caret = 3;  // after the dot: Backspace skips it and blanks the 2
  mask.Backspace(text, caret);
  EXPECT_EQ(text, L"1_.34");
  EXPECT_EQ(caret, 1u);
  mask.Delete(text, 2);  // on the dot: the 3 goes
  EXPECT_EQ(text, L"1_._4");
  caret = 0;
  mask.Backspace(text, caret);  // nothing before the start
  EXPECT_EQ(text, L"1_._4");
}

TEST(EditMask, CompleteWhenEveryRequiredPositionIsFilled) {
  const TEditMask mask(L"00-99");
  EXPECT_FALSE(mask.IsComplete(L"1_-__"));
  EXPECT_TRUE(mask.IsComplete(L"12-__"));
  EXPECT_TRUE(mask.IsComplete(L"12-34"));
  EXPECT_FALSE(mask.IsComplete(L"12-3"));  // wrong length
}

TEST(EditMask, ApplyFillsInOrderAndSkipsMisfits) {
  const TEditMask mask(L"LL-000");
  EXPECT_EQ(mask.Apply(L"AB123"), L"AB-123");
  EXPECT_EQ(mask.Apply(L"A1B2"), L"AB-2__");
  EXPECT_EQ(mask.Apply(L"AB-1234567"), L"AB-123");
  EXPECT_EQ(mask.Apply(L""), L"__-___");
}

}  // namespace
}  // namespace ui

// The rules of a masked text field: which character each position takes.
// Portable.
//
// Mask characters: '0' a digit, '9' a digit or nothing, 'L' a letter, 'l' a
// letter or nothing, 'A' a letter or digit, 'a' a letter, digit or nothing,
// 'C' any character, 'c' any character or nothing; '\' makes the next
// character a literal; every other character is a literal shown as it is.
// Empty positions show the blank character '_'. The text of a field always
// has one character per position.
//
// Thread safety: immutable after construction.
#ifndef QUILLORY_UI_EDIT_MASK_H_
#define QUILLORY_UI_EDIT_MASK_H_

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

class TEditMask {
 public:
  static constexpr wchar_t kBlank = L'_';

  // Throws std::invalid_argument for a mask that ends in a lone '\'.
  explicit TEditMask(std::wstring_view AMask);

  size_t Length() const { return FSlots.size(); }
  bool IsLiteral(size_t APos) const;
  // The text of an empty field: literals and blanks.
  std::wstring Blank() const;
  // Whether position APos takes AChar (literal positions take nothing).
  bool Accepts(size_t APos, wchar_t AChar) const;
  // AChar typed at ACaret: it goes to the first input position at or after
  // the caret; the new caret is after it and after the literals that follow.
  // False (text unchanged) when the character does not fit there or the
  // caret is at the end.
  bool Type(std::wstring& AText, size_t& ACaret, wchar_t AChar) const;
  // Backspace: the input position before ACaret (literals skipped) becomes
  // blank and the caret moves to it.
  void Backspace(std::wstring& AText, size_t& ACaret) const;
  // Delete: the input position at or after ACaret becomes blank.
  void Delete(std::wstring& AText, size_t ACaret) const;
  // True when every required position holds a character.
  bool IsComplete(std::wstring_view AText) const;
  // The field's text for ARaw: its characters fill the input positions in
  // order, those that do not fit their position are skipped.
  std::wstring Apply(std::wstring_view ARaw) const;

 private:
  struct TSlot {
    wchar_t Char;  // the literal, or the mask character
    bool Literal;
  };
  std::vector<TSlot> FSlots;
};

}  // namespace ui

#endif  // QUILLORY_UI_EDIT_MASK_H_

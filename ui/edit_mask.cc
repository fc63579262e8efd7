#include "ui/edit_mask.h"

#include <cwctype>
#include <stdexcept>

namespace ui {
namespace {

bool IsInputChar(wchar_t AChar) {
  switch (AChar) {
    case L'0':
    case L'9':
    case L'L':
    case L'l':
    case L'A':
    case L'a':
    case L'C':
    case L'c':
      return true;
    default:
      return false;
  }
}

bool IsRequired(wchar_t AMaskChar) {
  return AMaskChar == L'0' || AMaskChar == L'L' || AMaskChar == L'A' || AMaskChar == L'C';
}

}  // namespace

TEditMask::TEditMask(std::wstring_view AMask) {
  for (size_t i = 0; i < AMask.size(); ++i) {
    if (AMask[i] == L'\\') {
      if (i + 1 >= AMask.size()) throw std::invalid_argument("edit mask ends in a lone backslash");
      FSlots.push_back({AMask[++i], true});
    } else {
      FSlots.push_back({AMask[i], !IsInputChar(AMask[i])});
    }
  }
}

bool TEditMask::IsLiteral(size_t APos) const {
  return APos >= FSlots.size() || FSlots[APos].Literal;
}

std::wstring TEditMask::Blank() const {
  std::wstring text;
  for (const TSlot& slot : FSlots) text += slot.Literal ? slot.Char : kBlank;
  return text;
}

bool TEditMask::Accepts(size_t APos, wchar_t AChar) const {
  if (IsLiteral(APos) || AChar < L' ') return false;
  switch (FSlots[APos].Char) {
    case L'0':
    case L'9':
      return AChar >= L'0' && AChar <= L'9';
    case L'L':
    case L'l':
      return std::iswalpha(static_cast<wint_t>(AChar)) != 0;
    case L'A':
    case L'a':
      return std::iswalnum(static_cast<wint_t>(AChar)) != 0;
    default:
      return true;
  }
}

bool TEditMask::Type(std::wstring& AText, size_t& ACaret, wchar_t AChar) const {
  size_t pos = ACaret;
  while (pos < Length() && IsLiteral(pos)) ++pos;
  if (pos >= Length() || AText.size() != Length() || !Accepts(pos, AChar)) return false;
  AText[pos] = AChar;
  ++pos;
  while (pos < Length() && IsLiteral(pos)) ++pos;
  ACaret = pos;
  return true;
}

void TEditMask::Backspace(std::wstring& AText, size_t& ACaret) const {
  if (AText.size() != Length()) return;
  size_t pos = std::min(ACaret, Length());
  while (pos > 0) {
    --pos;
    if (!IsLiteral(pos)) {
      AText[pos] = kBlank;
      ACaret = pos;
      return;
    }
  }
}

void TEditMask::Delete(std::wstring& AText, size_t ACaret) const {
  if (AText.size() != Length()) return;
  for (size_t pos = ACaret; pos < Length(); ++pos) {
    if (!IsLiteral(pos)) {
      AText[pos] = kBlank;
      return;
    }
  }
}

bool TEditMask::IsComplete(std::wstring_view AText) const {
  if (AText.size() != Length()) return false;
  for (size_t i = 0; i < Length(); ++i) {
    if (!FSlots[i].Literal && IsRequired(FSlots[i].Char) && AText[i] == kBlank) return false;
  }
  return true;
}

std::wstring TEditMask::Apply(std::wstring_view ARaw) const {
  std::wstring text = Blank();
  size_t caret = 0;
  for (wchar_t c : ARaw) {
    if (caret >= Length()) break;
    Type(text, caret, c);
  }
  return text;
}

}  // namespace ui

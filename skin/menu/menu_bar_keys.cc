#include "skin/menu/menu_bar_keys.h"

namespace skin {
namespace {

char16_t Upper(char16_t AChar) {
  return AChar >= u'a' && AChar <= u'z' ? static_cast<char16_t>(AChar - u'a' + u'A') : AChar;
}

}  // namespace

char16_t AccessKeyOf(std::u16string_view ACaption) {
  for (size_t i = 0; i + 1 < ACaption.size(); ++i) {
    if (ACaption[i] != u'&') continue;
    if (ACaption[i + 1] == u'&') {
      ++i;
      continue;
    }
    return Upper(ACaption[i + 1]);
  }
  return 0;
}

void TMenuBarKeys::SetItems(std::vector<TMenuBarKeyItem> AItems) {
  FItems = std::move(AItems);
  if (FHot >= static_cast<int>(FItems.size())) FHot = -1;
}

void TMenuBarKeys::Select(int AIndex) {
  FHot = AIndex >= 0 && AIndex < static_cast<int>(FItems.size()) ? AIndex : -1;
}

TMenuBarAction TMenuBarKeys::Choose(int AIndex) {
  if (!FItems[AIndex].Enabled) return {};
  if (FItems[AIndex].HasSubmenu) {
    FHot = AIndex;
    return {TMenuBarAction::Open, AIndex};
  }
  FHot = -1;
  return {TMenuBarAction::Click, AIndex};
}

TMenuBarAction TMenuBarKeys::Press(TMenuBarKey AKey) {
  const int count = static_cast<int>(FItems.size());
  if (count == 0) return {};
  if (AKey == TMenuBarKey::MenuKey) {
    if (Active()) {
      FHot = -1;
      return {TMenuBarAction::Leave};
    }
    FHot = 0;
    return {};
  }
  if (!Active()) return {};
  switch (AKey) {
    case TMenuBarKey::Left:
      FHot = (FHot + count - 1) % count;
      return {};
    case TMenuBarKey::Right:
      FHot = (FHot + 1) % count;
      return {};
    case TMenuBarKey::Down:
      if (FItems[FHot].HasSubmenu && FItems[FHot].Enabled) return {TMenuBarAction::Open, FHot};
      return {};
    case TMenuBarKey::Enter:
      return Choose(FHot);
    case TMenuBarKey::Escape:
      FHot = -1;
      return {TMenuBarAction::Leave};
    default:
      return {};
  }
}

TMenuBarAction TMenuBarKeys::Char(char16_t AChar, bool AAlt) {
  if (!AAlt && !Active()) return {};
  const char16_t key = Upper(AChar);
  for (int i = 0; i < static_cast<int>(FItems.size()); ++i) {
    if (FItems[i].AccessKey != 0 && FItems[i].AccessKey == key) return Choose(i);
  }
  return {};
}

}  // namespace skin

// The key table of skin descriptions: small enumerations that callers use to
// address skin values, and the record names they stand for.
//
// The table holds 84 names: colours at positions 0-31, bitmaps at 32-65,
// integers at 66-74 and switches at 75-83. A key's low 7 bits are its index
// within its group.
//
// Thread safety: constant data.
#ifndef QUILLORY_SKIN_READER_SKIN2_DEFINE_H_
#define QUILLORY_SKIN_READER_SKIN2_DEFINE_H_

#include <array>
#include <cstdint>
#include <string_view>

namespace skin {

enum class TSkinColorKey : std::uint8_t {
  TransColor,
  TitleFontColor,
  FormColor,
  MenuBarStartColor,
  MenuBarEndColor,
  TopSelectedMenuColor,
  TopSelectedMenuBorderColor,
  TopSelectedMenuFontColor,
  TopMenuFontColor,
  LeftBarStartColor,
  LeftBarEndColor,
  MenuItemColor,
  MenuItemFontColor,
  SelectedMenuColor,
  SelectedMenuBorderColor,
  SelectedMenuFontColor,
  ToolBarStartColor,
  ToolBarEndColor,
  ToolBarOnColor,
  ToolBarBorderColor,
  ToolBarDownColor,
  ControlColor,
  ControlBorderColor,
  ControlFontColor,
  ButtonFontColor,
  ScrollBarColor,
  TabControlColor,
  TabControlBorderColor,
  TabControlActiveFontColor,
  TabControlInactiveFontColor,
  SideChannelColor,
  SideChannelBorderColor,
};

enum class TSkinBitmapKey : std::uint8_t {
  TitleBar1,
  TitleBar2,
  TitleBar3,
  TitleBar4,
  TitleBar5,
  FormLeftBorder,
  FormRightBorder,
  FormBottomBorder1,
  FormBottomBorder2,
  FormBottomBorder3,
  MinimizedTitle,
  TitleButtons,
  CheckedMenuIcon,
  MenuBar,
  ToolBar,
  Button,
  CheckBox,
  CheckBoxList,
  RadioButton,
  ProgressBar1,
  ProgressBar2,
  ProgressBar3,
  ProgressBar4,
  TrackBar,
  TrackBarSlider,
  TrackBarVSlider,
  ScrollBarUpButton,
  ScrollBar,
  ScrollBarDownButton,
  TabControl,
  TabControlLine,
  SideChannelBar,
  SideChannelTitle,
  ScrollButton,
};

enum class TSkinIntegerKey : std::uint8_t {
  TitleBarIconPosX,
  TitleBarIconPosY,
  TitleBarCaptionTop,
  TitleBarButtonPosX,
  TitleBarButtonPosY,
  TitleBarRegionMinY,
  TitleBarRegionMaxY,
  BottomRegionMinY,
  BottomRegionMaxY,
};

enum class TSkinBoolKey : std::uint8_t {
  TitleFiveSect,
  BottomBorderThreeSect,
  TitleBarNeedRegion,
  BottomBorderNeedRegion,
  TitleBtnTrans,
  ButtonTrans,
  CheckBoxTrans,
  RadioButtonTrans,
  TabControlTrans,
};

inline constexpr int kSkinColorCount = 32;
inline constexpr int kSkinBitmapCount = 34;
inline constexpr int kSkinIntegerCount = 9;
inline constexpr int kSkinBoolCount = 9;
inline constexpr int kSkinColorBase = 0;
inline constexpr int kSkinBitmapBase = 32;
inline constexpr int kSkinIntegerBase = 66;
inline constexpr int kSkinBoolBase = 75;

// The 84 record names, in table order.
extern const std::array<std::string_view, 84> Skin2Define;

// The record name of a key; empty when the key's index lies outside its
// group.
std::string_view SkinKeyName(TSkinColorKey AKey);
std::string_view SkinKeyName(TSkinBitmapKey AKey);
std::string_view SkinKeyName(TSkinIntegerKey AKey);
std::string_view SkinKeyName(TSkinBoolKey AKey);

}  // namespace skin

#endif  // QUILLORY_SKIN_READER_SKIN2_DEFINE_H_

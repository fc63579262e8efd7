#include "skin/frame/skin_metrics.h"

#include <algorithm>

namespace skin {

TSkinMetrics ReadSkinMetrics(const TzelSkinReader& ASkin, TColor AInactiveTitleFontColor) {
  using C = TSkinColorKey;
  using B = TSkinBitmapKey;
  using I = TSkinIntegerKey;
  using S = TSkinBoolKey;
  auto colour = [&](C AKey) { return static_cast<TColor>(ASkin.GetColor(AKey)); };
  TSkinMetrics m;
  m.FormColor = m.FormFrameColor = colour(C::FormColor);
  m.TransColor = colour(C::TransColor);
  m.TitleFontColor = colour(C::TitleFontColor);
  m.InactiveTitleFontColor = AInactiveTitleFontColor;
  for (int i = 0; i < kMenuColorCount; ++i) {
    m.MenuColors[i] = colour(static_cast<C>(static_cast<int>(C::MenuBarStartColor) + i));
  }
  m.TitleRegionMin = ASkin.GetInteger(I::TitleBarRegionMinY);
  m.TitleRegionMax = ASkin.GetInteger(I::TitleBarRegionMaxY);
  m.BottomRegionMin = ASkin.GetInteger(I::BottomRegionMinY);
  m.BottomRegionMax = ASkin.GetInteger(I::BottomRegionMaxY);

  const TBitmap* title1 = ASkin.GetBitmap(B::TitleBar1);
  const TBitmap* title3 = ASkin.GetBitmap(B::TitleBar3);
  const TBitmap* buttons = ASkin.GetBitmap(B::TitleButtons);
  m.TitleFiveSect = ASkin.GetBool(S::TitleFiveSect);
  const int sixth = WidthOf(buttons) / 6 + 35;
  m.MinWidth = m.TitleFiveSect ? WidthOf(title1) + WidthOf(title3) + sixth
                               : WidthOf(title1) + std::max(WidthOf(title3), sixth);

  m.TitleHeight = HeightOf(title1);
  m.LeftBorderWidth = WidthOf(ASkin.GetBitmap(B::FormLeftBorder));
  m.RightBorderWidth = WidthOf(ASkin.GetBitmap(B::FormRightBorder));
  m.BottomBorderWidth = HeightOf(ASkin.GetBitmap(B::FormBottomBorder1));
  m.TitleIconPos = {ASkin.GetInteger(I::TitleBarIconPosX), ASkin.GetInteger(I::TitleBarIconPosY)};
  m.TitleBtnPos = {ASkin.GetInteger(I::TitleBarButtonPosX),
                   ASkin.GetInteger(I::TitleBarButtonPosY)};
  m.TitleCaptionTop = ASkin.GetInteger(I::TitleBarCaptionTop);
  m.TitleButtonSize = {WidthOf(buttons) / kTitleButtonFrames, HeightOf(buttons)};

  m.BottomBorderThreeSect = ASkin.GetBool(S::BottomBorderThreeSect);
  m.TitleNeedRegion = ASkin.GetBool(S::TitleBarNeedRegion);
  m.BottomNeedRegion = ASkin.GetBool(S::BottomBorderNeedRegion);
  m.TitleBtnTrans = ASkin.GetBool(S::TitleBtnTrans);
  return m;
}

TFrameImages ReadFrameImages(const TzelSkinReader& ASkin) {
  using B = TSkinBitmapKey;
  TFrameImages f;
  for (int i = 0; i < 5; ++i) {
    f.TitleBar[i] = ASkin.GetBitmap(static_cast<B>(static_cast<int>(B::TitleBar1) + i));
  }
  f.LeftBorder = ASkin.GetBitmap(B::FormLeftBorder);
  f.RightBorder = ASkin.GetBitmap(B::FormRightBorder);
  for (int i = 0; i < 3; ++i) {
    f.BottomBorder[i] = ASkin.GetBitmap(static_cast<B>(static_cast<int>(B::FormBottomBorder1) + i));
  }
  f.MinimizedTitle = ASkin.GetBitmap(B::MinimizedTitle);
  f.TitleButtons = ASkin.GetBitmap(B::TitleButtons);
  f.MenuBar = ASkin.GetBitmap(B::MenuBar);
  return f;
}

}  // namespace skin

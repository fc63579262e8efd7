#include "ui/gdi.h"

namespace ui {

TFontHandle TFont::Create() const {
  HDC screen = GetDC(nullptr);
  const int height = -MulDiv(Size, GetDeviceCaps(screen, LOGPIXELSY), 72);
  ReleaseDC(nullptr, screen);
  return TFontHandle(CreateFontW(height, 0, 0, 0, Bold ? FW_BOLD : FW_NORMAL, Italic, Underline,
                                 FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                 DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, Name.c_str()));
}

}  // namespace ui

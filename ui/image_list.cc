#include "ui/image_list.h"

#include <stdexcept>

#include "ui/gdi.h"

namespace ui {

TImageList::TImageList(int AWidth, int AHeight)
    : FWidth(AWidth),
      FHeight(AHeight),
      FList(ImageList_Create(AWidth, AHeight, ILC_COLOR24 | ILC_MASK, 4, 4)) {
  if (!FList) throw std::runtime_error("Bildliste konnte nicht angelegt werden");
}

TImageList::~TImageList() {
  ImageList_Destroy(FList);
}

void TImageList::AddFromResource(const wchar_t* AName, COLORREF AMask) {
  TBitmapHandle bitmap(static_cast<HBITMAP>(
      LoadImageW(GetModuleHandleW(nullptr), AName, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
  if (!bitmap.Get() || ImageList_AddMasked(FList, bitmap.Get(), AMask) < 0) {
    throw std::runtime_error("Bilder konnten nicht geladen werden");
  }
}

int TImageList::Count() const {
  return ImageList_GetImageCount(FList);
}

void TImageList::Draw(HDC ADc, int AX, int AY, int AIndex) const {
  ImageList_Draw(FList, AIndex, ADc, AX, AY, ILD_TRANSPARENT);
}

}  // namespace ui

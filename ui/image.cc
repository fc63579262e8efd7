#include "ui/image.h"

#include <objidl.h>
#include <ocidl.h>
#include <olectl.h>

#include <cstring>
#include <stdexcept>

namespace ui {

TImage::TImage(const TImageArgs& AArgs) : TWidget(AArgs.Widget), FTransparent(AArgs.Transparent) {
  CreateHandle(nullptr, WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0, L"TImage");
}

void TImage::SetPicture(TBitmapHandle ABitmap) {
  FBitmap = std::move(ABitmap);
  FList = nullptr;
  Invalidate();
}

void TImage::SetImageListPicture(const TImageList& AList, int AIndex) {
  FList = &AList;
  FIndex = AIndex;
  Invalidate();
}

void TImage::PaintBackground(HDC ADc, const RECT& ARect) {
  if (FTransparent || !FBitmap.Get()) {
    if (FTransparent) {
      PaintParentBackground(ADc);
    } else {
      TWidget::PaintBackground(ADc, ARect);
    }
  }
  if (FBitmap.Get()) {
    BITMAP info;
    GetObjectW(FBitmap.Get(), sizeof info, &info);
    TMemoryDc memory(ADc);
    TSelectObject select(memory.Get(), FBitmap.Get());
    BitBlt(ADc, 0, 0, info.bmWidth, info.bmHeight, memory.Get(), 0, 0, SRCCOPY);
  } else if (FList && FIndex >= 0) {
    FList->Draw(ADc, 0, 0, FIndex);
  }
}

LRESULT TImage::HandleMessage(UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
  switch (AMessage) {
    case WM_PAINT: {
      TPaintDc dc(Handle());
      RECT rect;
      GetClientRect(Handle(), &rect);
      PaintBackground(dc.Get(), rect);
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;
    default:
      return TWidget::HandleMessage(AMessage, AWParam, ALParam);
  }
}

bool TImage::ReadProperty(const TPropertyInfo& AInfo, TPropertyValue& AValue) const {
  if (AInfo.Name != "Transparent") return TWidget::ReadProperty(AInfo, AValue);
  AValue = FTransparent;
  return true;
}

bool TImage::WriteProperty(const TPropertyInfo& AInfo, const TPropertyValue& AValue) {
  if (AInfo.Name != "Transparent") return TWidget::WriteProperty(AInfo, AValue);
  FTransparent = std::get<bool>(AValue);
  Invalidate();
  return true;
}

TBitmapHandle LoadJpegResource(const wchar_t* AName) {
  HMODULE module = GetModuleHandleW(nullptr);
  HRSRC found = FindResourceW(module, AName, MAKEINTRESOURCEW(10) /* RT_RCDATA */);
  HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  const DWORD size = found ? SizeofResource(module, found) : 0;
  if (!bytes || size == 0) throw std::runtime_error("Bild nicht gefunden");

  // The picture decoder reads from a stream; the stream owns its copy.
  HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, size);
  if (!copy) throw std::runtime_error("Kein Speicher für das Bild");
  std::memcpy(GlobalLock(copy), bytes, size);
  GlobalUnlock(copy);
  IStream* stream = nullptr;
  if (FAILED(CreateStreamOnHGlobal(copy, TRUE, &stream))) {
    GlobalFree(copy);
    throw std::runtime_error("Bild nicht lesbar");
  }
  IPicture* picture = nullptr;
  const HRESULT result = OleLoadPicture(stream, static_cast<LONG>(size), FALSE, IID_IPicture,
                                        reinterpret_cast<void**>(&picture));
  stream->Release();
  if (FAILED(result) || !picture) throw std::runtime_error("Bild nicht lesbar");
  OLE_HANDLE handle = 0;
  picture->get_Handle(&handle);
  // The picture owns its bitmap; keep a copy of our own.
  TBitmapHandle bitmap(
      static_cast<HBITMAP>(CopyImage(reinterpret_cast<HANDLE>(static_cast<uintptr_t>(handle)),
                                     IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
  picture->Release();
  if (!bitmap.Get()) throw std::runtime_error("Bild nicht lesbar");
  return bitmap;
}

}  // namespace ui

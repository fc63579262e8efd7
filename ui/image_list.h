// A list of equally sized pictures with a transparent colour.
//
// Thread safety: belongs to the window thread.
#ifndef QUILLORY_UI_IMAGE_LIST_H_
#define QUILLORY_UI_IMAGE_LIST_H_

#include <windows.h>
// after windows.h
#include <commctrl.h>

namespace ui {

class TImageList {
 public:
  // An empty list of AWidth x AHeight pictures.
  TImageList(int AWidth, int AHeight);
  ~TImageList();
  TImageList(const TImageList&) = delete;
  TImageList& operator=(const TImageList&) = delete;

  // Adds the pictures of the bitmap resource AName of this program, cut in
  // pieces of the list's width, with AMask as the transparent colour.
  // Throws std::runtime_error when the resource cannot be loaded.
  void AddFromResource(const wchar_t* AName, COLORREF AMask);

  int Count() const;
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  HIMAGELIST Handle() const { return FList; }

  // Draws picture AIndex at AX, AY, its transparent colour left out.
  void Draw(HDC ADc, int AX, int AY, int AIndex) const;

 private:
  int FWidth;
  int FHeight;
  HIMAGELIST FList;
};

}  // namespace ui

#endif  // QUILLORY_UI_IMAGE_LIST_H_

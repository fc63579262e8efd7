// A picture (a graphic control in the class tree): a bitmap of its own, or one picture of an image
// list; optionally transparent over what its parent shows. Labels may sit on an image: they see the
// picture through themselves when transparent.
//
// Thread safety: belongs to the window thread.
#ifndef QUILLORY_UI_IMAGE_H_
#define QUILLORY_UI_IMAGE_H_

#include "ui/gdi.h"
#include "ui/image_list.h"
#include "ui/widget.h"

namespace ui {

struct TImageArgs {
  TWidgetArgs Widget;
  bool Transparent = false;
};

class TImage : public TWidget {
 public:
  explicit TImage(const TImageArgs& AArgs);
  const TWidgetClass& Class() const override { return classes::Image; }

  // Shows ABitmap (owned from now on), drawn at the top left corner.
  void SetPicture(TBitmapHandle ABitmap);
  // Shows picture AIndex of AList (not owned; it outlives the image).
  void SetImageListPicture(const TImageList& AList, int AIndex);
  int ImageIndex() const { return FIndex; }

  void PaintBackground(HDC ADc, const RECT& ARect) override;

 protected:
  LRESULT HandleMessage(UINT AMessage, WPARAM AWParam, LPARAM ALParam) override;
  bool ReadProperty(const TPropertyInfo& AInfo, TPropertyValue& AValue) const override;
  bool WriteProperty(const TPropertyInfo& AInfo, const TPropertyValue& AValue) override;

 private:
  bool FTransparent;
  TBitmapHandle FBitmap;
  const TImageList* FList = nullptr;
  int FIndex = -1;
};

// Decodes the JPEG image stored as the RCDATA resource AName of this
// program. Throws std::runtime_error when it is missing or not readable.
TBitmapHandle LoadJpegResource(const wchar_t* AName);

}  // namespace ui

#endif  // QUILLORY_UI_IMAGE_H_

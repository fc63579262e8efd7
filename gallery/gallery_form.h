// The widget gallery's main form: a main menu and a page control whose
// pages together show every widget of the toolkit in its telling states.
// The "Dialogs" menu opens an MDI parent with three children, a modal
// dialog form, a message box, the folder dialog and an open-file dialog.
//
// Thread safety: belongs to the window thread.
#ifndef QUILLORY_GALLERY_GALLERY_FORM_H_
#define QUILLORY_GALLERY_GALLERY_FORM_H_

#include <memory>
#include <utility>
#include <vector>

#include "gallery/dialogs.h"
#include "gallery/frame_windows.h"
#include "gallery/gallery_args.h"
#include "gallery/gallery_skin.h"
#include "ui/form.h"
#include "ui/image_list.h"
#include "ui/page_control.h"

namespace gallery {

class TGalleryForm : public ui::TForm {
 public:
  // ASkin false: the skin engine starts switched off.
  TGalleryForm(ui::TApplication& AApplication, bool ASkin);
  ~TGalleryForm() override;

  // Brings page AIndex (from 0) to view; false when there is none.
  bool ShowPage(int AIndex);
  int PageCount() const { return static_cast<int>(FPages->Pages().size()); }
  // Opens AKind once the message loop runs.
  void OpenAtStart(TDialogKind AKind);
  void OpenDialog(TDialogKind AKind);
  TGallerySkin& Skin() { return *FSkin; }

 protected:
  LRESULT HandleMessage(UINT AMessage, WPARAM AWParam, LPARAM ALParam) override;

 private:
  // Makes a widget that lives as long as the form.
  template <typename TWidgetType, typename TArgs>
  TWidgetType& Add(const TArgs& AArgs) {
    auto widget = std::make_unique<TWidgetType>(AArgs);
    TWidgetType& result = *widget;
    FWidgets.push_back(std::move(widget));
    return result;
  }
  ui::TTabSheet& AddPage(const char* ACaption);
  void BuildMenu(bool ASkin);
  void BuildButtonsPage();
  void BuildListsPage();
  void BuildTextPage();
  void BuildRangesPage();
  void BuildBarsPage();
  void BuildTabsPage();
  void BuildGridPage();
  void BuildPagesPage();

  ui::TImageList FSmallImages{16, 16};
  ui::TImageList FMenuImages{16, 16};
  std::unique_ptr<ui::TPageControl> FPages;
  std::vector<std::unique_ptr<ui::TTabSheet>> FSheets;
  std::vector<std::unique_ptr<ui::TWidget>> FWidgets;
  std::vector<ui::TBitmapHandle> FBitmaps;
  TDialogKind FAtStart = TDialogKind::None;
  std::unique_ptr<TMdiWindow> FMdiWindow;      // the last one opened
  std::unique_ptr<TFrameWindow> FFrameWindow;  // the last one opened
  std::unique_ptr<TGallerySkin> FSkin;
};

}  // namespace gallery

#endif  // QUILLORY_GALLERY_GALLERY_FORM_H_

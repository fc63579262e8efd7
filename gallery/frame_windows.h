// Windows that show the skinned frame's cases beside the gallery: "Plain
// Window", sizeable with minimise and maximise buttons (a window that
// minimises by itself, unlike the main form, which hides into the
// application), and "No System Menu", sizeable without border icons.
//
// Thread safety: belongs to the window thread.
#ifndef QUILLORY_GALLERY_FRAME_WINDOWS_H_
#define QUILLORY_GALLERY_FRAME_WINDOWS_H_

#include <memory>

#include "ui/application.h"
#include "ui/form.h"
#include "ui/label.h"

namespace gallery {

class TFrameWindow : public ui::TForm {
 public:
  // ASystemMenu false: no border icons at all.
  TFrameWindow(ui::TApplication& AApplication, bool ASystemMenu);
  ~TFrameWindow() override;

 private:
  std::unique_ptr<ui::TLabel> FText;
};

}  // namespace gallery

#endif  // QUILLORY_GALLERY_FRAME_WINDOWS_H_

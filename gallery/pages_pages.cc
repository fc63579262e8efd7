// The gallery's page of page controls: tabs on each side, and a row of tabs
// that wraps into several rows.
#include "gallery/gallery_form.h"
#include "ui/label.h"
#include "ui/page_control.h"

namespace gallery {

void TGalleryForm::BuildPagesPage() {
  ui::TTabSheet& page = AddPage("Pages");
  using ui::TTabPosition;
  const struct {
    int Left, Top;
    TTabPosition Position;
    int Pages;
    const char* Name;
  } controls[] = {{10, 8, TTabPosition::Top, 9, "pgRows"},
                  {400, 8, TTabPosition::Bottom, 3, "pgBottom"},
                  {10, 230, TTabPosition::Left, 3, "pgLeft"},
                  {400, 230, TTabPosition::Right, 3, "pgRight"}};
  for (const auto& c : controls) {
    auto& pages = Add<ui::TPageControl>(
        ui::TPageControlArgs{{&page, c.Left, c.Top, 370, 210, "", 0, c.Name}, c.Position, true});
    for (int i = 1; i <= c.Pages; ++i) {
      const std::string number = std::to_string(i);
      auto sheet = std::make_unique<ui::TTabSheet>(
          ui::TTabSheetArgs{&pages, c.Pages > 3 ? "Page number " + number : "Page " + number});
      Add<ui::TLabel>(ui::TLabelArgs{
          .Widget = {sheet.get(), 12, 12, 0, 0, std::string(c.Name) + ", page " + number}});
      FSheets.push_back(std::move(sheet));
    }
    pages.SetActivePage(pages.Pages().front());
  }
}

}  // namespace gallery

#include "gallery/gallery_form.h"

#include "gallery/dialogs.h"
#include "gallery/pictures.h"
#include "gallery/report.h"
#include "ui/menu.h"

namespace gallery {
namespace {

constexpr UINT kOpenAtStart = WM_APP + 1;

}  // namespace

TGalleryForm::TGalleryForm(ui::TApplication& AApplication, bool ASkin)
    : ui::TForm(ui::TFormArgs{.Application = &AApplication,
                              .Caption = "Widget Gallery",
                              .ClientWidth = 800,
                              .ClientHeight = 580,
                              .BorderStyle = ui::TFormBorderStyle::Sizeable,
                              .BorderIcons = ui::biSystemMenu | ui::biMinimize | ui::biMaximize,
                              .Name = "frmGallery"}) {
  AddPictures(FSmallImages, 6);
  AddPictures(FMenuImages, 6);
  BuildMenu(ASkin);
  FPages =
      std::make_unique<ui::TPageControl>(ui::TWidgetArgs{this, 4, 4, 792, 572, "", 0, "pcGallery"});
  BuildButtonsPage();
  BuildListsPage();
  BuildTextPage();
  BuildRangesPage();
  BuildBarsPage();
  BuildTabsPage();
  BuildGridPage();
  BuildPagesPage();
  ShowPage(0);
  FSkin = std::make_unique<TGallerySkin>(*this, ASkin);
}

TGalleryForm::~TGalleryForm() {
  FFrameWindow.reset();
  FMdiWindow.reset();
  FSkin.reset();
  DestroyHandle();
}

ui::TTabSheet& TGalleryForm::AddPage(const char* ACaption) {
  FSheets.push_back(std::make_unique<ui::TTabSheet>(ui::TTabSheetArgs{FPages.get(), ACaption}));
  return *FSheets.back();
}

bool TGalleryForm::ShowPage(int AIndex) {
  if (AIndex < 0 || AIndex >= PageCount()) return false;
  FPages->SetActivePage(FPages->Pages()[static_cast<size_t>(AIndex)]);
  return true;
}

namespace {

ui::TMenuItem Item(const std::string& AName, const std::string& ACaption) {
  ui::TMenuItem item;
  item.Name = AName;
  item.Caption = ACaption;
  return item;
}

ui::TMenuItem Separator() {
  return Item("", "-");
}

}  // namespace

void TGalleryForm::BuildMenu(bool ASkin) {
  using ui::TMenuItem;
  auto dialog = [this](const std::string& AName, const std::string& ACaption, TDialogKind AKind,
                       WORD AKey) {
    TMenuItem item = Item(AName, ACaption);
    item.OnClick = [this, AKind] { OpenDialog(AKind); };
    if (AKey) item.ShortCut = ui::TShortCut{AKey, false, true, false};
    return item;
  };
  TMenuItem file = Item("MI_File", "&File");
  TMenuItem exit = Item("MI_Exit", "E&xit");
  exit.ShortCut = ui::TShortCut{'Q', false, true, false};
  exit.OnClick = [this] { Close(); };
  file.Items.push_back(std::move(exit));

  TMenuItem dialogs = Item("MI_Dialogs", "&Dialogs");
  dialogs.Items.push_back(dialog("MI_Mdi", "&MDI window...", TDialogKind::Mdi, 'M'));
  dialogs.Items.push_back(dialog("MI_Modal", "Mo&dal dialog...", TDialogKind::Modal, 'D'));
  dialogs.Items.push_back(dialog("MI_Message", "Message &box...", TDialogKind::Message, 'B'));
  dialogs.Items.push_back(Separator());
  dialogs.Items.push_back(dialog("MI_Folder", "&Folder...", TDialogKind::Folder, 0));
  dialogs.Items.push_back(dialog("MI_Open", "&Open file...", TDialogKind::Open, 'O'));
  dialogs.Items.push_back(Separator());
  dialogs.Items.push_back(dialog("MI_Plain", "&Plain window...", TDialogKind::Plain, 0));
  dialogs.Items.push_back(dialog("MI_NoSysMenu", "&No system menu...", TDialogKind::NoSysMenu, 0));

  TMenuItem view = Item("MI_View", "&View");
  TMenuItem status = Item("MI_StatusBar", "&Status bar");
  status.Checked = true;
  status.OnClick = [this] {
    TMenuItem* item = Menu()->Find("MI_StatusBar");
    item->Checked = !item->Checked;
    Menu()->Update(*item);
  };
  view.Items.push_back(std::move(status));
  view.Items.push_back(Separator());
  const char* sizes[] = {"S&mall", "M&edium", "&Large"};
  for (int i = 0; i < 3; ++i) {
    TMenuItem item = Item("MI_Size" + std::to_string(i), sizes[i]);
    item.RadioItem = true;
    item.GroupIndex = 1;
    item.Checked = i == 1;
    item.OnClick = [this, i] {
      for (int j = 0; j < 3; ++j) {
        TMenuItem* other = Menu()->Find("MI_Size" + std::to_string(j));
        other->Checked = j == i;
        Menu()->Update(*other);
      }
    };
    view.Items.push_back(std::move(item));
  }
  view.Items.push_back(Separator());
  TMenuItem disabled = Item("MI_Disabled", "&Disabled item");
  disabled.Enabled = false;
  view.Items.push_back(std::move(disabled));
  TMenuItem by_default = Item("MI_Default", "De&fault item");
  by_default.Default = true;
  view.Items.push_back(std::move(by_default));
  TMenuItem picture = Item("MI_Image", "Item with an &image");
  picture.ImageIndex = 2;
  view.Items.push_back(std::move(picture));
  TMenuItem submenu = Item("MI_Submenu", "S&ubmenu");
  submenu.Items.push_back(Item("MI_First", "&First"));
  submenu.Items.push_back(Item("MI_Second", "&Second"));
  submenu.Items.back().ImageIndex = 0;
  view.Items.push_back(std::move(submenu));

  std::vector<TMenuItem> top;
  top.push_back(std::move(file));
  top.push_back(std::move(dialogs));
  top.push_back(std::move(view));
  top.push_back(TGallerySkin::Menu(*this, FSkin, ASkin));
  auto menu = std::make_unique<ui::TMainMenu>(std::move(top));
  menu->SetImages(&FMenuImages);
  SetMenu(std::move(menu));
}

void TGalleryForm::OpenAtStart(TDialogKind AKind) {
  FAtStart = AKind;
  if (AKind != TDialogKind::None) PostMessageW(Handle(), kOpenAtStart, 0, 0);
}

void TGalleryForm::OpenDialog(TDialogKind AKind) {
  switch (AKind) {
    case TDialogKind::Mdi:
      // A new one each time; the window of the last one may be gone.
      FMdiWindow.reset();
      FMdiWindow = std::make_unique<TMdiWindow>(Application());
      FMdiWindow->Show();
      break;
    case TDialogKind::Modal: {
      const int result = ShowModalDialog(Application());
      Report(result == IDOK       ? "Modal Dialog: OK"
             : result == IDCANCEL ? "Modal Dialog: Cancel"
                                  : "Modal Dialog: closed");
      break;
    }
    case TDialogKind::Message:
      MessageBoxW(Handle(), L"This is a plain message box.", L"Gallery Message",
                  MB_OK | MB_ICONINFORMATION);
      break;
    case TDialogKind::Folder:
      ShowFolderDialog(Handle());
      break;
    case TDialogKind::Open:
      ShowOpenDialog(Handle());
      break;
    case TDialogKind::Plain:
    case TDialogKind::NoSysMenu:
      FFrameWindow.reset();
      FFrameWindow = std::make_unique<TFrameWindow>(Application(), AKind == TDialogKind::Plain);
      FFrameWindow->Show();
      break;
    case TDialogKind::None:
      break;
  }
}

LRESULT TGalleryForm::HandleMessage(UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
  if (AMessage == kOpenAtStart) {
    OpenDialog(FAtStart);
    return 0;
  }
  return ui::TForm::HandleMessage(AMessage, AWParam, ALParam);
}

}  // namespace gallery

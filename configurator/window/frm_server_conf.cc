#include "configurator/window/frm_server_conf.h"

#include <shellapi.h>

#include "config/version_info.h"
#include "config/window_utils.h"
#include "configurator/logic/about_content.h"
#include "configurator/logic/texts.h"
#include "configurator/window/resources.h"
#include "platform/win32/wide.h"
#include "skin/own/own_skin.h"
#include "ui/menu.h"

namespace configurator {
namespace {

constexpr int kClientWidth = 592;
constexpr int kClientHeight = 504;
constexpr COLORREF kLinkHoverColor = RGB(255, 102, 51);

// The About page's banner and the labels on it, in page coordinates.
constexpr RECT kBanner{16, 88, 16 + 550, 88 + 229};
constexpr int kLabelsRight = 554;

std::string FolderOf(const std::string& AFile) {
  const size_t slash = AFile.find_last_of("\\/");
  return slash == std::string::npos ? std::string() : AFile.substr(0, slash + 1);
}

}  // namespace

TFrmServerConf::TFrmServerConf(const TFrmServerConfArgs& AArgs)
    : ui::TForm(ui::TFormArgs{AArgs.Application, texts::kApplicationTitle, kClientWidth,
                              kClientHeight, ui::TFormBorderStyle::Single,
                              ui::biSystemMenu | ui::biMinimize, ui::TPosition::ScreenCenter,
                              ui::TFont{}, L"TFrmServerConf", "FrmServerConf"}),
      FConfig(*AArgs.Config),
      FClock(*AArgs.Clock),
      FHelp(*AArgs.Help),
      FExeFile(AArgs.ExeFile),
      FServices(*AArgs.Services, *AArgs.Clock) {
  imgl_Server.AddFromResource(kLedsBitmap, kMaskColor);
  FGlyphs.AddFromResource(kGlyphsBitmap, kMaskColor);

  SetMenu(std::make_unique<ui::TMainMenu>(std::vector<ui::TMenuItem>{
      {"MI_File",
       texts::kMenuFile,
       {},
       nullptr,
       {{"MI_Exit", texts::kMenuExit, {VK_F4, true}, [this] { MI_ExitClick(); }, {}, 0}},
       0},
      {"MI_Help",
       texts::kMenuHelp,
       {},
       nullptr,
       {{"MI_Content", texts::kMenuContent, {VK_F1}, [this] { MI_ContentClick(); }, {}, 0}},
       0},
  }));

  pgServerConf = std::make_unique<ui::TPageControl>(
      ui::TWidgetArgs{this, 0, 0, kClientWidth, kClientHeight, "", 0});
  // It fills the client area, whichever frame (the system's or the skin's)
  // surrounds it.
  pgServerConf->SetAnchors(ui::akLeft | ui::akTop | ui::akRight | ui::akBottom);
  tsOverall =
      std::make_unique<ui::TTabSheet>(ui::TTabSheetArgs{pgServerConf.get(), texts::kPageOverall});
  tsServer =
      std::make_unique<ui::TTabSheet>(ui::TTabSheetArgs{pgServerConf.get(), texts::kPageServer});
  CreateAboutPage();
  CreateServerPage();
  CreateSkinEngine();

  OnShow = [this] { FormShow(); };
  OnDestroy = [this] { FormDestroy(); };
  FormCreate();
}

TFrmServerConf::~TFrmServerConf() {
  DestroyHandle();
}

void TFrmServerConf::CreateAboutPage() {
  Image1 = std::make_unique<ui::TImage>(
      ui::TImageArgs{{tsOverall.get(), kBanner.left, kBanner.top, kBanner.right - kBanner.left,
                      kBanner.bottom - kBanner.top, "", 0}});
  Image1->SetPicture(ui::LoadJpegResource(kBannerJpeg));

  // The labels sit on the banner; their places are given on the page.
  auto on_banner = [this](int ALeft, int ATop, ui::TAlignment AAlignment) {
    ui::TLabelArgs args;
    args.Widget = {Image1.get(), ALeft - kBanner.left, ATop - kBanner.top, 0, 0, "", 0};
    args.Alignment = AAlignment;
    args.Right = kLabelsRight - kBanner.left;
    args.Transparent = true;
    return std::make_unique<ui::TLabel>(args);
  };
  lbOverall = on_banner(0, 134, ui::TAlignment::Right);
  lbMail = on_banner(0, 211, ui::TAlignment::Right);
  lbLink = on_banner(0, 240, ui::TAlignment::Right);
  lb_Version = on_banner(18, 283, ui::TAlignment::Left);
  lbRightsNotice = on_banner(18, 301, ui::TAlignment::Left);

  ui::TFont info_font = lbOverall->Font();
  info_font.Color = ui::TColor::System(COLOR_INFOTEXT);
  lbOverall->SetFont(info_font);
  for (ui::TLabel* link : {lbMail.get(), lbLink.get()}) {
    link->SetCursor(IDC_HAND);
    link->OnMouseEnter = [this, link] { LinkMouseEnter(*link); };
    link->OnMouseLeave = [this, link] { LinkMouseLeave(*link); };
  }
  lbLink->OnClick = [this] { lbLinkClick(); };
  lbMail->OnClick = [this] { lbMailClick(); };
  tsOverall->OnShow = [this] { tsOverallShow(); };
}

// The engine with the values the window stores for it; the skin comes from
// the compiled-in data alone (no skin file is looked for on the machine).
// Loaded() then skins this window, and the other forms once it is shown.
void TFrmServerConf::CreateSkinEngine() {
  zelSkinEngine1 = std::make_unique<skin::TzelSkinEngine>(this);
  skin::TzelSkinEngine& engine = *zelSkinEngine1;
  engine.SetActive(true);
  engine.SetResSysMenuMin("Mi&nimize");
  engine.SetResSysMenuMax("Ma&ximize/Restore");
  engine.SetResSysMenuClose("&Close");
  engine.SetDisabledTag(9999);
  engine.SetDrawScrollBar(true);
  engine.SetBuiltIn(true);
  engine.SetSkinDialogs(false);
  engine.SetSkinAllForms(true);
  engine.SetNoChangeButtonsFontColor(false);
  engine.SetNoChangeLabelFontColor(false);
  engine.SetSkinData(skin::OwnSkinData());
  engine.Loaded();
}

void TFrmServerConf::FormCreate() {
  FCurrentHelpContext = texts::kHelpContextOverall;
  FConfigLoaded = false;
  if (!FConfig.LoadFromReg()) {
    Application().ShowMessageBox(texts::kNoRegistryAccess, texts::kErrorCaption,
                                 MB_OK | MB_ICONERROR);
    Application().Terminate();
    return;
  }
  FConfigLoaded = true;
  pgServerConf->SetActivePage(tsOverall.get());
}

std::string TFrmServerConf::VersionText() const {
  try {
    return config::FileVersionValue(FExeFile, 0);
  } catch (const config::EVersionInfoError&) {
    return {};  // a program without its version resource still shows its window
  }
}

void TFrmServerConf::FormShow() {
  const TAboutContent content = AboutContent(VersionText(), FClock);
  SetCaption(content.Caption);
  lb_Version->SetCaption(content.Version);
  lbOverall->SetCaption(content.Address);
  lbRightsNotice->SetCaption(content.RightsNotice);
  lbLink->SetCaption(content.Web);
  lbMail->SetCaption(content.Mail);
  config::ForceWindowToFront(reinterpret_cast<platform::TWindowId>(Handle()));
  if (pgServerConf->ActivePage() && pgServerConf->ActivePage()->OnShow) {
    pgServerConf->ActivePage()->OnShow();
  }
}

void TFrmServerConf::FormDestroy() {
  if (FConfigLoaded) FConfig.SaveToReg();
}

void TFrmServerConf::tsOverallShow() {
  FCurrentHelpContext = texts::kHelpContextOverall;
}

void TFrmServerConf::MI_ExitClick() {
  Close();
}

void TFrmServerConf::MI_ContentClick() {
  FHelp.ShowContext(FolderOf(FExeFile) + texts::kHelpFileName, FCurrentHelpContext);
}

void TFrmServerConf::lbLinkClick() {
  ShellExecuteW(Handle(), L"open", platform::win32::ToWide(texts::kMakerWeb).c_str(), nullptr,
                nullptr, SW_SHOW);
}

void TFrmServerConf::lbMailClick() {
  const std::wstring mail = L"mailto:" + platform::win32::ToWide(texts::kMakerMail);
  ShellExecuteW(Handle(), L"open", mail.c_str(), nullptr, nullptr, SW_SHOW);
}

void TFrmServerConf::LinkMouseEnter(ui::TLabel& ALabel) {
  ui::TFont font = ALabel.Font();
  font.Color = ui::TColor::Rgb(GetRValue(kLinkHoverColor), GetGValue(kLinkHoverColor),
                               GetBValue(kLinkHoverColor));
  font.Underline = true;
  ALabel.SetFont(font);
}

void TFrmServerConf::LinkMouseLeave(ui::TLabel& ALabel) {
  ui::TFont font = ALabel.Font();
  font.Color = ui::TColor::System(COLOR_WINDOWTEXT);
  font.Underline = false;
  ALabel.SetFont(font);
}

}  // namespace configurator

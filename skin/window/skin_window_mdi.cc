#include "skin/window/skin_window_mdi.h"

#include <windowsx.h>

#include <algorithm>

#include "platform/win32/wide.h"
#include "skin/draw/fills.h"
#include "skin/draw/win32/dib_surface.h"
#include "skin/draw/win32/hdc_canvas.h"
#include "skin/engine/user32_functions.h"
#include "skin/menu/win32/menu_bar.h"
#include "skin/window/mdi_layout.h"
#include "ui/menu.h"

namespace skin {
namespace {

// Tags of the control buttons, and their glyph frames in
// "ZELSKIN_MDI_CONTROLER" (minimise, restore, close from left to right).
constexpr int kButtonTags[3] = {-1383, -1382, -1381};
constexpr const char* kWindowItemPrefix = "zelMDIChild";

// '&' in a child's caption is no access key on the menu.
std::string MenuCaption(const std::wstring& ACaption) {
  std::string out;
  for (char c : platform::win32::ToUtf8(ACaption)) {
    if (c == '&') out += '&';
    out += c;
  }
  return out;
}

}  // namespace

// --- TzelSkinMenuBarControlButton

TzelSkinMenuBarControlButton::TzelSkinMenuBarControlButton(ui::TWidget& AParent, int ATag)
    : TWidget(ui::TWidgetArgs{&AParent, 0, 1, kSize, kSize, "", ATag, ""}) {
  CreateHandle(nullptr, WS_CLIPSIBLINGS, 0, L"TzelSkinMenuBarControlButton");
}

void TzelSkinMenuBarControlButton::SetGlyph(TBitmap AGlyph) {
  FGlyph = std::move(AGlyph);
  Invalidate();
}

void TzelSkinMenuBarControlButton::SetColors(TColor AColor, TColor AToColor) {
  FColor = AColor;
  FToColor = AToColor;
  Invalidate();
}

void TzelSkinMenuBarControlButton::Paint(HDC ADc) {
  TDibSurface buffer(kSize, kSize, ADc);
  if (!buffer.Valid()) return;
  THdcCanvas canvas(buffer.Dc());
  const TRect all{0, 0, kSize, kSize};
  if (FColor == FToColor) {
    canvas.FillRect(all, FColor);
  } else {
    DrawGradientV(canvas, all, FColor, FToColor);
  }
  if (!FGlyph.Empty()) {
    canvas.DrawBitmapMasked(TRect::Sized(1, 1, FGlyph.Width(), FGlyph.Height()), FGlyph,
                            BoundsOf(FGlyph), 0x00FFFFFF);
  }
  if (FMouseIn) DrawControlBorder(canvas, all, 0x00000000, 0, false);
  buffer.CopyTo(ADc, 0, 0);
}

LRESULT TzelSkinMenuBarControlButton::HandleMessage(UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
  switch (AMessage) {
    case WM_PAINT: {
      ui::TPaintDc dc(Handle());
      Paint(dc.Get());
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;
    case WM_MOUSEMOVE:
      if (!FMouseIn) {
        FMouseIn = true;
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, Handle(), 0};
        TrackMouseEvent(&track);
        Invalidate();
      }
      break;
    case WM_MOUSELEAVE:
      FMouseIn = false;
      Invalidate();
      break;
    case WM_LBUTTONUP:
      if (OnClick) OnClick();
      return 0;
    default:
      break;
  }
  return TWidget::HandleMessage(AMessage, AWParam, ALParam);
}

// --- TzelSkinMDIParent

TzelSkinMDIParent::TzelSkinMDIParent(ui::TForm& AForm, TzelSkinEngine& AEngine)
    : FForm(AForm), FEngine(AEngine), FClient(AForm.ClientHandle()) {
  if (FClient) {
    FClientHook = std::make_unique<ui::TForeignSubclass>(
        FClient, [this](const ui::TWindowMessage& AMsg, const ui::TWindowChain::TNext& ANext) {
          return ClientProc(AMsg, ANext);
        });
  }
}

TzelSkinMDIParent::~TzelSkinMDIParent() {
  if (FClientHook) FClientHook->Detach();
  if (!FGone && IsWindow(FClient)) {
    RemoveWindowMenuItems();
    for (TzelSkinMenuBarControlButton* button : FButtons) delete button;
  }
  FButtons.clear();
}

void TzelSkinMDIParent::WindowGoing() {
  // The form frees the buttons with its other components.
  FButtons.clear();
  FBar = nullptr;
  FOn = false;
  FGone = true;
}

void TzelSkinMDIParent::SaveFrame(int ATitle, int ALeft, int ABottom) {
  FOldTitle = ATitle;
  FOldLeft = ALeft;
  FOldBottom = ABottom;
}

void TzelSkinMDIParent::MenuBarCreated(TzelSkinMenuBar& ABar) {
  FBar = &ABar;
  const TBitmap strip = TzelSkinEngine::ProgramBitmap(L"ZELSKIN_MDI_CONTROLER");
  for (int i = 0; i < 3; ++i) {
    auto* button = new TzelSkinMenuBarControlButton(ABar, kButtonTags[i]);
    TBitmap glyph;
    if (!strip.Empty()) {
      const int w = strip.Width() / 3;
      glyph.SetSize(w, strip.Height());
      for (int y = 0; y < strip.Height(); ++y) {
        for (int x = 0; x < w; ++x) glyph.SetPixel(x, y, strip.Pixel(i * w + x, y));
      }
    }
    button->SetGlyph(std::move(glyph));
    button->SetVisible(false);
    button->OnClick = [this, i] {
      HWND child = ActiveChild();
      if (!child) return;
      if (i == 0) ShowWindow(child, SW_MINIMIZE);
      if (i == 1) SendMessageW(FClient, WM_MDIRESTORE, reinterpret_cast<WPARAM>(child), 0);
      if (i == 2) PostMessageW(child, WM_SYSCOMMAND, SC_CLOSE, 0);
      Changed();
    };
    FButtons.push_back(button);
  }
  ABar.OnLayout = [this] { PlaceButtons(); };
}

void TzelSkinMDIParent::PlaceButtons() {
  if (!FBar || !FBar->Handle()) return;
  RECT bar{};
  GetClientRect(FBar->Handle(), &bar);
  for (size_t i = 0; i < FButtons.size(); ++i) {
    const int x = bar.right - static_cast<int>(3 - i) * TzelSkinMenuBarControlButton::kSize - 2;
    FButtons[i]->SetBounds(x, 1, TzelSkinMenuBarControlButton::kSize,
                           TzelSkinMenuBarControlButton::kSize);
  }
}

void TzelSkinMDIParent::PlaceClient(int AMenuHeight) {
  if (!FClient) return;
  RECT client{};
  GetClientRect(FForm.Handle(), &client);
  const int top = FOn ? AMenuHeight : 0;
  SetWindowPos(FClient, nullptr, 0, top, client.right, std::max(0L, client.bottom - top),
               SWP_NOZORDER | SWP_NOACTIVATE);
}

void TzelSkinMDIParent::SkinStateChanged(bool AOn) {
  FOn = AOn;
  if (AOn) {
    // The buttons take the left pixel of the menu bar image's middle row
    // and the form colour, or the menu bar's two colours.
    TColor from = FEngine.MenuPalette().Colors[kMenuBarStart];
    TColor to = FEngine.MenuPalette().Colors[kMenuBarEnd];
    if (const TBitmap* image = FEngine.SkinReader().GetBitmap(TSkinBitmapKey::MenuBar);
        image && !image->Empty()) {
      from = image->Pixel(0, image->Height() / 2);
      to = FEngine.GetFormColor();
    }
    for (TzelSkinMenuBarControlButton* button : FButtons) button->SetColors(from, to);
    Refresh();
  } else {
    for (TzelSkinMenuBarControlButton* button : FButtons) button->SetVisible(false);
    RemoveWindowMenuItems();
  }
}

void TzelSkinMDIParent::Changed() {
  if (FPending || !FForm.Handle()) return;
  FPending = true;
  PostMessageW(FForm.Handle(), kSkinMsgRebuildWindowMenu, 0, 0);
}

bool TzelSkinMDIParent::FrameMessage(const ui::TWindowMessage& AMsg, LRESULT& AResult) {
  if (AMsg.Message == kSkinMsgRebuildWindowMenu) {
    FPending = false;
    if (FOn) Refresh();
    AResult = 0;
    return true;
  }
  if (AMsg.Message == kSkinMsgMDIChildPainted || AMsg.Message == kSkinMsgMDIChildMenu) {
    Changed();
    AResult = 0;
    return true;
  }
  return false;
}

HWND TzelSkinMDIParent::ActiveChild(bool* AMaximized) const {
  if (!FClient) return nullptr;
  BOOL maximized = FALSE;
  HWND child =
      reinterpret_cast<HWND>(SendMessageW(FClient, WM_MDIGETACTIVE, 0, (LPARAM)&maximized));
  if (AMaximized) *AMaximized = child && (maximized || IsZoomed(child));
  return child;
}

std::vector<HWND> TzelSkinMDIParent::Children(bool AWithMinimized) const {
  std::vector<HWND> out;
  if (!FClient) return out;
  for (HWND w = GetWindow(FClient, GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT)) {
    if (!IsWindowVisible(w) || GetWindow(w, GW_OWNER)) continue;  // icon titles
    if (SendMessageW(w, kSkinMsgIsMDIChildHidden, 0, 0) == 1) continue;
    if (!AWithMinimized && IsIconic(w)) continue;
    out.push_back(w);
  }
  return out;
}

bool TzelSkinMDIParent::ButtonShown(int AIndex) const {
  return AIndex >= 0 && AIndex < static_cast<int>(FButtons.size()) && FButtons[AIndex]->Visible();
}

TzelSkinMenuBarControlButton* TzelSkinMDIParent::Button(int AIndex) const {
  return AIndex >= 0 && AIndex < static_cast<int>(FButtons.size()) ? FButtons[AIndex] : nullptr;
}

void TzelSkinMDIParent::UpdateButtons() {
  bool maximized = false;
  HWND child = ActiveChild(&maximized);
  int64_t icons = 0;
  if (child && maximized) {
    auto* form = dynamic_cast<ui::TForm*>(ui::TWidget::FromHandle(child));
    icons = form ? form->BorderIcons() : (ui::biSystemMenu | ui::biMinimize | ui::biMaximize);
  }
  const bool show[3] = {(icons & ui::biSystemMenu) && (icons & ui::biMinimize),
                        (icons & ui::biSystemMenu) && (icons & ui::biMaximize),
                        (icons & ui::biSystemMenu) != 0};
  PlaceButtons();
  for (size_t i = 0; i < FButtons.size(); ++i) {
    if (FButtons[i]->Visible() == show[i]) continue;
    FButtons[i]->SetVisible(show[i]);
    if (show[i]) FButtons[i]->BringToFront();
  }
}

void TzelSkinMDIParent::Refresh() {
  UpdateButtons();
  RebuildWindowMenu();
}

void TzelSkinMDIParent::SetWindowMenu(std::string AItemName) {
  RemoveWindowMenuItems();
  FWindowMenu = std::move(AItemName);
  if (FOn) Refresh();
}

void TzelSkinMDIParent::RemoveWindowMenuItems() {
  FListed.clear();
  FListedCaptions.clear();
  FListedActive = nullptr;
  ui::TMainMenu* menu = FForm.Menu();
  ui::TMenuItem* item = menu && !FWindowMenu.empty() ? menu->Find(FWindowMenu) : nullptr;
  if (!item) return;
  const size_t before = item->Items.size();
  std::erase_if(item->Items, [](const ui::TMenuItem& AItem) {
    return AItem.Name.starts_with(kWindowItemPrefix);
  });
  if (item->Items.size() != before) menu->Update(*item);
}

void TzelSkinMDIParent::RebuildWindowMenu() {
  ui::TMainMenu* menu = FForm.Menu();
  ui::TMenuItem* item = menu && !FWindowMenu.empty() ? menu->Find(FWindowMenu) : nullptr;
  if (!item) return;
  const std::vector<HWND> children = Children(true);
  const HWND active = ActiveChild();
  std::vector<std::wstring> captions;
  for (HWND child : children) captions.push_back(ZelInternalGetWindowText(child));
  // Nothing to do when the menu lists these already (a rebuild of the
  // menu reports back here).
  if (children == FListed && active == FListedActive && captions == FListedCaptions &&
      std::any_of(item->Items.begin(), item->Items.end(), [](const ui::TMenuItem& AItem) {
        return AItem.Name.starts_with(kWindowItemPrefix);
      }) == !children.empty()) {
    return;
  }
  FListed = children;
  FListedActive = active;
  FListedCaptions = captions;
  std::erase_if(item->Items, [](const ui::TMenuItem& AItem) {
    return AItem.Name.starts_with(kWindowItemPrefix);
  });
  if (!children.empty()) {
    ui::TMenuItem separator;
    separator.Name = std::string(kWindowItemPrefix) + "Sep";
    separator.Caption = "-";
    item->Items.push_back(std::move(separator));
  }
  for (size_t i = 0; i < children.size(); ++i) {
    ui::TMenuItem entry;
    entry.Name = std::string(kWindowItemPrefix) + std::to_string(i + 1);
    entry.Caption = MenuCaption(captions[i]);
    entry.Checked = children[i] == active;
    const HWND child = children[i];
    entry.OnClick = [this, child] {
      if (!IsWindow(child)) return;
      if (IsIconic(child)) SendMessageW(FClient, WM_MDIRESTORE, reinterpret_cast<WPARAM>(child), 0);
      SendMessageW(FClient, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(child), 0);
      BringWindowToTop(child);
      Changed();
    };
    item->Items.push_back(std::move(entry));
  }
  if (menu->OwnerDraw()) {
    FEngine.MenuItemAdded(*menu);
  } else {
    menu->Update(*item);
  }
}

void TzelSkinMDIParent::Cascade() {
  std::vector<HWND> children = Children(false);
  RECT client{};
  GetClientRect(FClient, &client);
  const std::vector<TRect> places =
      CascadeRects(static_cast<int>(children.size()), {client.right, client.bottom});
  // From the last child to the first: the first ends in front, furthest
  // right and down.
  for (size_t k = 0; k < children.size(); ++k) {
    HWND child = children[children.size() - 1 - k];
    if (IsZoomed(child)) SendMessageW(FClient, WM_MDIRESTORE, reinterpret_cast<WPARAM>(child), 0);
    const TRect& r = places[k];
    SetWindowPos(child, HWND_TOP, r.Left, r.Top, r.Width(), r.Height(), SWP_NOACTIVATE);
  }
  Changed();
}

void TzelSkinMDIParent::Tile(bool AHorizontal) {
  std::vector<HWND> children = Children(false);
  RECT client{};
  GetClientRect(FClient, &client);
  const std::vector<TRect> places =
      TileRects(static_cast<int>(children.size()), {client.right, client.bottom}, AHorizontal);
  for (size_t i = 0; i < children.size(); ++i) {
    HWND child = children[i];
    if (IsZoomed(child)) SendMessageW(FClient, WM_MDIRESTORE, reinterpret_cast<WPARAM>(child), 0);
    const TRect& r = places[i];
    SetWindowPos(child, nullptr, r.Left, r.Top, r.Width(), r.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
  Changed();
}

LRESULT TzelSkinMDIParent::ClientProc(const ui::TWindowMessage& AMsg,
                                      const ui::TWindowChain::TNext& ANext) {
  switch (AMsg.Message) {
    case kSkinMsgMDIOldTitleHeight:
      return FOldTitle;
    case kSkinMsgMDIOldLeftBorder:
      return FOldLeft;
    case kSkinMsgMDIOldBottomHeight:
      return FOldBottom;
    default:
      break;
  }
  LRESULT result = ANext(AMsg);
  if (!FOn || !FEngine.RealActive()) return result;
  switch (AMsg.Message) {
    case WM_MDICASCADE:
      Cascade();
      return TRUE;
    case WM_MDITILE:
      Tile((AMsg.WParam & MDITILE_HORIZONTAL) != 0);
      return TRUE;
    case WM_MDIDESTROY:
      if (Children(true).empty()) {
        PostMessageW(FForm.Handle(), kSkinMsgMDIChildMenu, 0, 0);
        for (TzelSkinMenuBarControlButton* button : FButtons) button->SetVisible(false);
      }
      Changed();
      break;
    case WM_MDICREATE:
    case WM_MDIACTIVATE:
    case WM_MDIMAXIMIZE:
    case WM_MDIRESTORE:
    case WM_MDINEXT:
    case WM_CHILDACTIVATE:
    case WM_PARENTNOTIFY:
      Changed();
      break;
    default:
      break;
  }
  return result;
}

}  // namespace skin

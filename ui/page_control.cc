#include "ui/page_control.h"

#include <commctrl.h>

#include <algorithm>

#include "platform/win32/wide.h"
#include "ui/form.h"

namespace ui {

TPageControl::TPageControl(const TPageControlArgs& AArgs)
    : TWidget(AArgs.Widget), FTabPosition(AArgs.TabPosition) {
  CreateHandle(WC_TABCONTROLW,
               WS_VISIBLE | WS_TABSTOP | WS_CLIPCHILDREN |
                   TabPositionStyle(AArgs.TabPosition, AArgs.MultiLine),
               WS_EX_CONTROLPARENT);
}

bool TPageControl::MultiLine() const {
  return Handle() && (GetWindowLongPtrW(Handle(), GWL_STYLE) & TCS_MULTILINE);
}

RECT TPageControl::DisplayRect() const {
  RECT rect;
  GetClientRect(Handle(), &rect);
  TabCtrl_AdjustRect(Handle(), FALSE, &rect);
  return rect;
}

void TPageControl::InsertTab(size_t AIndex, const std::string& ACaption) {
  std::wstring text = platform::win32::ToWide(ACaption);
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = text.data();
  SendMessageW(Handle(), TCM_INSERTITEMW, AIndex, reinterpret_cast<LPARAM>(&item));
}

void TPageControl::AddPage(TTabSheet* APage) {
  InsertTab(FPages.size(), APage->Caption());
  FPages.push_back(APage);
  LayoutPages();
}

void TPageControl::WindowRecreated() {
  for (size_t i = 0; i < FPages.size(); ++i) InsertTab(i, FPages[i]->Caption());
  const auto found = std::find(FPages.begin(), FPages.end(), FActive);
  if (found != FPages.end()) {
    SendMessageW(Handle(), TCM_SETCURSEL, static_cast<WPARAM>(found - FPages.begin()), 0);
  }
}

void TPageControl::RemovePage(TTabSheet* APage) {
  FPages.erase(std::remove(FPages.begin(), FPages.end(), APage), FPages.end());
  if (FActive == APage) FActive = nullptr;
}

void TPageControl::LayoutPages() {
  const RECT rect = DisplayRect();
  for (TTabSheet* page : FPages) {
    page->SetBounds(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
  }
}

void TPageControl::SetActivePage(TTabSheet* APage) {
  if (APage == FActive) return;
  const auto found = std::find(FPages.begin(), FPages.end(), APage);
  if (found == FPages.end()) return;
  TTabSheet* previous = FActive;
  FActive = APage;
  SendMessageW(Handle(), TCM_SETCURSEL, static_cast<WPARAM>(found - FPages.begin()), 0);
  APage->SetVisible(true);
  if (previous) previous->SetVisible(false);
  if (Form() && IsWindowVisible(Form()->Handle()) && APage->OnShow) {
    APage->OnShow();
  }
}

LRESULT TPageControl::Notification(const NMHDR& AHeader) {
  if (AHeader.code == static_cast<UINT>(TCN_SELCHANGE)) {
    const auto index = static_cast<size_t>(SendMessageW(Handle(), TCM_GETCURSEL, 0, 0));
    if (index < FPages.size()) SetActivePage(FPages[index]);
  }
  return 0;
}

LRESULT TPageControl::HandleMessage(UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
  if (AMessage == WM_SIZE) {
    const LRESULT result = TWidget::HandleMessage(AMessage, AWParam, ALParam);
    LayoutPages();
    return result;
  }
  return TWidget::HandleMessage(AMessage, AWParam, ALParam);
}

bool TPageControl::ReadProperty(const TPropertyInfo& AInfo, TPropertyValue& AValue) const {
  const std::string_view name = AInfo.Name;
  if (name == "Images") {
    AValue = static_cast<const void*>(nullptr);  // the tabs show no pictures
  } else if (name == "TabPosition") {
    AValue = static_cast<int64_t>(FTabPosition);
  } else if (name == "MultiLine") {
    AValue = MultiLine();
  } else {
    return TWidget::ReadProperty(AInfo, AValue);
  }
  return true;
}

bool TPageControl::WriteProperty(const TPropertyInfo& AInfo, const TPropertyValue& AValue) {
  if (AInfo.Name == "TabPosition" || AInfo.Name == "MultiLine") return false;  // fixed at creation
  return TWidget::WriteProperty(AInfo, AValue);
}

TTabSheet::TTabSheet(const TTabSheetArgs& AArgs)
    : TWidget(TWidgetArgs{AArgs.PageControl, 0, 0, 0, 0, AArgs.Caption, AArgs.Tag}),
      FPageControl(AArgs.PageControl) {
  // The page shows its form's colour (through the page control), so a form
  // coloured anew colours its pages too.
  CreateHandle(nullptr, WS_CLIPCHILDREN | WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT, L"TTabSheet");
  FPageControl->AddPage(this);
}

TTabSheet::~TTabSheet() {
  FPageControl->RemovePage(this);
}

}  // namespace ui

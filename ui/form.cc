#include "ui/form.h"

#include <vector>

#include "ui/application.h"
#include "ui/menu.h"
#include "ui/page_control.h"

namespace ui {
namespace {

constexpr DWORD kFormStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;

// AWidget and its ancestors, innermost first.
std::vector<TWidget*> Chain(TWidget* AWidget) {
  std::vector<TWidget*> chain;
  for (TWidget* w = AWidget; w; w = w->Parent()) chain.push_back(w);
  return chain;
}

}  // namespace

TForm::TForm(const TFormArgs& AArgs)
    : TWidget(TWidgetArgs{nullptr, CW_USEDEFAULT, CW_USEDEFAULT, 0, 0, AArgs.Caption, 0}),
      FApplication(AArgs.Application) {
  FForm = this;
  SetFont(AArgs.Font);
  const DWORD style = kFormStyle | (AArgs.MinimizeButton ? WS_MINIMIZEBOX : 0);
  RECT rect{0, 0, AArgs.ClientWidth, AArgs.ClientHeight};
  AdjustWindowRectEx(&rect, style, FALSE, WS_EX_CONTROLPARENT);
  SetBounds(CW_USEDEFAULT, CW_USEDEFAULT, rect.right - rect.left, rect.bottom - rect.top);
  CreateHandle(nullptr, style, WS_EX_CONTROLPARENT, AArgs.WindowClassName);
}

TForm::~TForm() {
  if (Handle()) ::SetMenu(Handle(), nullptr);  // the menu object frees its menu
}

void TForm::SetMenu(std::unique_ptr<TMainMenu> AMenu) {
  FMenu = std::move(AMenu);
  // Keep the client area: the menu bar takes its height from the window.
  RECT client;
  GetClientRect(Handle(), &client);
  ::SetMenu(Handle(), FMenu->Handle());
  const DWORD style = static_cast<DWORD>(GetWindowLongPtrW(Handle(), GWL_STYLE));
  const DWORD ex_style = static_cast<DWORD>(GetWindowLongPtrW(Handle(), GWL_EXSTYLE));
  AdjustWindowRectEx(&client, style, TRUE, ex_style);
  SetWindowPos(Handle(), nullptr, 0, 0, client.right - client.left, client.bottom - client.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

HACCEL TForm::Accelerators() const {
  return FMenu ? FMenu->Accelerators() : nullptr;
}

void TForm::Show() {
  RECT window;
  GetWindowRect(Handle(), &window);
  RECT work;
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  const int width = window.right - window.left;
  const int height = window.bottom - window.top;
  SetWindowPos(Handle(), nullptr, work.left + (work.right - work.left - width) / 2,
               work.top + (work.bottom - work.top - height) / 2, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  ShowWindow(Handle(), SW_SHOW);
  UpdateWindow(Handle());
  if (OnShow) OnShow();
}

void TForm::Close() {
  PostMessageW(Handle(), WM_CLOSE, 0, 0);
}

namespace {

TPageControl* FirstPageControl(TWidget& AWidget) {
  for (TWidget* child : AWidget.Children()) {
    if (auto* pages = dynamic_cast<TPageControl*>(child)) return pages;
    if (TPageControl* inner = FirstPageControl(*child)) return inner;
  }
  return nullptr;
}

}  // namespace

bool TForm::SelectNextPage(bool AForward) {
  TPageControl* control = FirstPageControl(*this);
  if (!control || control->Pages().empty()) return false;
  const auto& pages = control->Pages();
  const size_t count = pages.size();
  size_t index = 0;
  while (index < count && pages[index] != control->ActivePage()) ++index;
  index = index == count ? 0 : (index + (AForward ? 1 : count - 1)) % count;
  control->SetActivePage(pages[index]);
  return true;
}

void TForm::ShowException(const std::string& AMessage) {
  FApplication->ShowException(AMessage);
}

void TForm::FocusMovedTo(TWidget* AWidget) {
  TWidget* previous = FFocused;
  FFocused = AWidget;
  if (!previous || previous == AWidget) return;
  const std::vector<TWidget*> now = Chain(AWidget);
  for (TWidget* left : Chain(previous)) {
    if (left == this) break;
    bool still_inside = false;
    for (TWidget* w : now) still_inside = still_inside || w == left;
    if (still_inside) break;
    left->DoExit();
  }
}

void TForm::Forget(TWidget* AWidget) {
  if (FFocused == AWidget) FFocused = nullptr;
}

LRESULT TForm::HandleMessage(UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
  switch (AMessage) {
    case WM_COMMAND:
      // Menu items and their shortcuts; IDOK and IDCANCEL from the dialog
      // keyboard handling mean nothing here.
      if (ALParam == 0 && FMenu && FMenu->Dispatch(LOWORD(AWParam))) return 0;
      break;
    case WM_DESTROY:
      if (OnDestroy) OnDestroy();
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return TWidget::HandleMessage(AMessage, AWParam, ALParam);
}

}  // namespace ui

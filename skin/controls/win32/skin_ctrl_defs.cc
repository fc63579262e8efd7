#include "skin/controls/win32/skin_ctrl_defs.h"

#include <stdexcept>

#include "skin/controls/win32/skin_bars.h"
#include "skin/controls/win32/skin_border.h"
#include "skin/controls/win32/skin_buttons.h"
#include "skin/controls/win32/skin_checks.h"
#include "skin/controls/win32/skin_combo.h"
#include "skin/controls/win32/skin_containers.h"
#include "skin/controls/win32/skin_list_view.h"
#include "skin/controls/win32/skin_scroll.h"
#include "skin/controls/win32/skin_tabs.h"
#include "skin/controls/win32/skin_updown.h"

namespace skin {
namespace {

ui::TWidget& WidgetWithWindow(ui::TComponent& AControl) {
  auto* widget = dynamic_cast<ui::TWidget*>(&AControl);
  if (widget == nullptr || widget->Handle() == nullptr) {
    throw std::invalid_argument("a control wrapper needs a control with a window");
  }
  return *widget;
}

template <class W>
std::unique_ptr<TzelSkinCtrlObject> CreateVCL(ui::TComponent& AControl, TzelSkinEngine& AEngine) {
  auto host = std::make_unique<TEngineSkinHost>(AEngine);
  auto wrapper = MakeSkinControl<W>(WidgetWithWindow(AControl), *host);
  wrapper->AdoptHost(std::move(host));
  return wrapper;
}

// The scroll family paints from the engine's scroll images.
template <class W>
std::unique_ptr<TzelSkinCtrlObject> CreateScrollVCL(ui::TComponent& AControl,
                                                    TzelSkinEngine& AEngine) {
  auto host = std::make_unique<TEngineSkinHost>(AEngine);
  auto wrapper = MakeSkinControl<W>(WidgetWithWindow(AControl), *host, AEngine.ScrollBtnRes());
  wrapper->AdoptHost(std::move(host));
  return wrapper;
}

template <class W>
std::unique_ptr<TzelSkinCtrlObject> CreateWnd(TWndHandle AWindow, TzelSkinEngine& AEngine) {
  if (!IsWindow(AWindow)) throw std::invalid_argument("a control wrapper needs a window");
  auto host = std::make_unique<TEngineSkinHost>(AEngine);
  auto wrapper = MakeSkinControl<W>(AWindow, *host);
  wrapper->AdoptHost(std::move(host));
  return wrapper;
}

namespace c = ui::classes;

// Table order; ParentColor as the wrapper's class says.
const TzelSkinCtrlVCLDef kVCLDefs[] = {
    {&c::CustomControl, &CreateScrollVCL<TzelSkinScrollWinControl>, false},
    {&c::CustomFrame, &CreateVCL<TzelSkinFrame>, false},
    {&c::ScrollBox, &CreateScrollVCL<TzelSkinScrollWinControl>, false},
    {&c::CoolBar, &CreateVCL<TzelSkinPanel>, true},
    {&c::ToolBar, &CreateVCL<TzelSkinToolBar>, true},
    {&c::CustomStatusBar, &CreateVCL<TzelSkinStatusBar>, true},
    {&c::DateTimePicker, &CreateVCL<TzelSkinDateTimePicker>, false},
    {&c::CustomTreeView, &CreateScrollVCL<TzelSkinScrollWinControl>, false},
    {&c::CustomUpDown, &CreateVCL<TzelSkinUpDown>, false},
    {&c::CustomHotKey, &CreateVCL<TzelSkinBorderWinControl>, false},
    {&c::ProgressBar, &CreateVCL<TzelSkinProgressBar>, false},
    {&c::TrackBar, &CreateVCL<TzelSkinTrackBar>, false},
    {&c::CustomTabControl, &CreateVCL<TzelSkinTabControl>, false},
    {&c::CustomGrid, &CreateScrollVCL<TzelSkinGrid>, false},
    {&c::SpeedButton, &CreateVCL<TzelSkinSpeedButton>, false},
    {&c::CustomPanel, &CreateVCL<TzelSkinPanel>, true},
    {&c::CustomGroupBox, &CreateVCL<TzelSkinGroupBox>, true},
    {&c::ScrollBar, &CreateScrollVCL<TzelSkinScrollBar>, false},
    {&c::CustomListControl, &CreateScrollVCL<TzelSkinScrollWinControl>, false},
    {&c::CustomListView, &CreateScrollVCL<TzelSkinListView>, false},
    {&c::RadioButton, &CreateVCL<TzelSkinRadioButton>, false},
    {&c::CustomComboBox, &CreateVCL<TzelSkinComboBox>, false},
    {&c::CustomComboBoxEx, &CreateVCL<TzelSkinComboBoxEx>, false},
    {&c::CustomCheckBox, &CreateVCL<TzelSkinCheckBox>, false},
    {&c::CustomEdit, &CreateScrollVCL<TzelSkinScrollWinControl>, false},
    {&c::CustomButton, &CreateVCL<TzelSkinButton>, false},
    {&c::CustomLabel, &CreateVCL<TzelSkinLabel>, true},
};

const TzelSkinCtrlWndDef kWndDefs[] = {
    {"COMBOBOX", &CreateWnd<TzelSkinWndComboBox>},
    {"COMBOBOXEX32", &CreateWnd<TzelSkinWndComboBox>},
    {"BUTTON", &CreateWnd<TzelSkinWndButton>},
    {"BUTTON_CHECKBOX", &CreateWnd<TzelSkinWndCheckBox>},
    {"BUTTON_RADIOBUTTON", &CreateWnd<TzelSkinWndRadioButton>},
    {"SYSTABCONTROL32", &CreateWnd<TzelSkinWndTabControl>},
    {"TOOLBARWINDOW32", &CreateWnd<TzelSkinWndToolbarWindow32>},
};

}  // namespace

std::span<const TzelSkinCtrlVCLDef> SkinControlVCLDefs() {
  return kVCLDefs;
}
std::span<const TzelSkinCtrlWndDef> SkinControlWndDefs() {
  return kWndDefs;
}

void RegisterSkinControlDefs() {
  RegisterSkinCtrlVCLDefs(kVCLDefs);
  RegisterSkinCtrlWndDefs(kWndDefs);
}

}  // namespace skin

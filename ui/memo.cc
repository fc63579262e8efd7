#include "ui/memo.h"

namespace ui {

TMemo::TMemo(const TMemoArgs& AArgs)
    : TWidget(AArgs.Widget), FScrollBars(AArgs.ScrollBars), FWordWrap(AArgs.WordWrap) {
  DWORD style = WS_VISIBLE | WS_TABSTOP | ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL;
  if (!AArgs.WordWrap) style |= ES_AUTOHSCROLL;
  if (AArgs.ReadOnly) style |= ES_READONLY;
  if (AArgs.ScrollBars == TScrollStyle::Vertical || AArgs.ScrollBars == TScrollStyle::Both) {
    style |= WS_VSCROLL;
  }
  if (AArgs.ScrollBars == TScrollStyle::Horizontal || AArgs.ScrollBars == TScrollStyle::Both) {
    style |= WS_HSCROLL;
  }
  CreateHandle(L"EDIT", style, WS_EX_CLIENTEDGE);
  SetLines(AArgs.Lines);
}

std::vector<std::string> TMemo::Lines() const {
  std::vector<std::string> lines;
  const std::string text = Caption();
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
    start = end + 1;
  }
  if (!lines.empty() && lines.back().empty()) lines.pop_back();
  return lines;
}

void TMemo::SetLines(const std::vector<std::string>& ALines) {
  std::string text;
  for (size_t i = 0; i < ALines.size(); ++i) {
    if (i) text += "\r\n";
    text += ALines[i];
  }
  SetCaption(text);
}

bool TMemo::ReadOnly() const {
  return Handle() && (GetWindowLongPtrW(Handle(), GWL_STYLE) & ES_READONLY);
}

void TMemo::CommandNotification(WORD ACode) {
  if (ACode == EN_CHANGE && OnChange) OnChange();
}

bool TMemo::ReadProperty(const TPropertyInfo& AInfo, TPropertyValue& AValue) const {
  const std::string_view name = AInfo.Name;
  if (name == "WordWrap") {
    AValue = FWordWrap;
  } else if (name == "ScrollBars") {
    AValue = static_cast<int64_t>(FScrollBars);
  } else if (name == "ReadOnly") {
    AValue = ReadOnly();
  } else if (name == "BorderStyle") {
    AValue = int64_t{1};
  } else {
    return TWidget::ReadProperty(AInfo, AValue);
  }
  return true;
}

bool TMemo::WriteProperty(const TPropertyInfo& AInfo, const TPropertyValue& AValue) {
  const std::string_view name = AInfo.Name;
  if (name == "ReadOnly") {
    Perform(EM_SETREADONLY, std::get<bool>(AValue) ? TRUE : FALSE);
  } else if (name == "WordWrap" || name == "ScrollBars" || name == "BorderStyle") {
    return false;  // fixed at creation
  } else {
    return TWidget::WriteProperty(AInfo, AValue);
  }
  return true;
}

}  // namespace ui

// Configurator.exe: the administrator's program for the settings service.
#include <windows.h>

#include <string>

#include "config/reg.h"
#include "configurator/logic/clock.h"
#include "configurator/logic/texts.h"
#include "configurator/window/frm_server_conf.h"
#include "configurator/window/html_help.h"
#include "platform/service_client.h"
#include "platform/win32/wide.h"
#include "skin/controls/win32/skin_ctrl_defs.h"
#include "ui/application.h"

namespace {

std::string ExecutablePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      return platform::win32::ToUtf8(path);
    }
    path.resize(path.size() * 2);
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  config::TConfigRegScope config_reg;
  configurator::THtmlHelp help;
  configurator::TSystemClock clock;
  ui::TApplication application(configurator::texts::kApplicationTitle);
  skin::RegisterSkinControlDefs();
  try {
    configurator::TFrmServerConf form(configurator::TFrmServerConfArgs{
        &application, config::ConfigReg, &clock, &platform::SystemServiceControlManager(), &help,
        ExecutablePath()});
    application.Run(form);
  } catch (const std::exception& e) {
    application.ShowException(e.what());
    return 1;
  }
  return 0;
}

// The service page "3. Serverdienst" of the main window.
#include "configurator/logic/port_rules.h"
#include "configurator/logic/texts.h"
#include "configurator/window/browse_folder.h"
#include "configurator/window/frm_server_conf.h"
#include "configurator/window/resources.h"

namespace configurator {

void TFrmServerConf::CreateServerPage() {
  ui::TWidget* page = tsServer.get();
  lbStatus = std::make_unique<ui::TLabel>(
      ui::TLabelArgs{{page, 40, 24, 0, 0, texts::kStatusLabel, 0, "lbStatus"}});
  ServerLED = std::make_unique<ui::TImage>(
      ui::TImageArgs{{page, 160, 24, 16, 16, "", 0, "ServerLED"}, true});
  ServerLED->SetImageListPicture(imgl_Server, kLedRed);
  ServerLED->BringToFront();  // the light stays visible where a long label reaches it
  lbPort = std::make_unique<ui::TLabel>(
      ui::TLabelArgs{{page, 40, 60, 0, 0, texts::kPortLabel, 0, "lbPort"}});
  edPort = std::make_unique<ui::TSpinEdit>(
      ui::TSpinEditArgs{{page, 112, 60, 121, 21, "", 0, "edPort"}, kPortMin, kPortMax, 1, 0});
  lbPort->SetFocusControl(edPort.get());
  edClientConfigDir = std::make_unique<ui::TLabeledEdit>(ui::TLabeledEditArgs{
      {{page, 40, 120, 457, 21, "", 0, "edClientConfigDir"}, true}, texts::kFolderCaption});
  btn_ConfigDir = std::make_unique<ui::TButton>(
      ui::TButtonArgs{{page, 497, 120, 21, 21, texts::kFolderButton, 0, "btn_ConfigDir"}});
  btn_Restart = std::make_unique<ui::TBitBtn>(ui::TButtonArgs{
      {page, 448, 377, 129, 25, texts::kRestartButton, 0, "btn_Restart"}, &FGlyphs, kGlyphRetry});
  // The tab order follows the layout: the lower row from left to right.
  btn_Stop = std::make_unique<ui::TBitBtn>(ui::TButtonArgs{
      {page, 304, 424, 129, 25, texts::kStopButton, 0, "btn_Stop"}, &FGlyphs, kGlyphNo});
  btn_Start = std::make_unique<ui::TBitBtn>(ui::TButtonArgs{
      {page, 448, 424, 129, 25, texts::kStartButton, 0, "btn_Start"}, &FGlyphs, kGlyphIgnore});
  tsServer->SetDoubleBuffered(true);

  tsServer->OnShow = [this] { tsServerShow(); };
  tsServer->OnExit = [this] { tsServerExit(); };
  edPort->OnChange = [this] { edPortChange(); };
  btn_ConfigDir->OnClick = [this] { btn_ConfigDirClick(); };
  btn_Restart->OnClick = [this] { btn_RestartClick(); };
  btn_Start->OnClick = [this] { btn_StartClick(); };
  btn_Stop->OnClick = [this] { btn_StopClick(); };
}

void TFrmServerConf::tsServerShow() {
  FCurrentHelpContext = texts::kHelpContextServer;
  ShowLed(ServiceIsRunning() ? kLedGreen : kLedRed);
  edPort->SetText(std::to_string(FConfig.Server().Port()));
  edClientConfigDir->SetText(FConfig.Server().ClientSettingsDir());
}

void TFrmServerConf::tsServerExit() {
  StorePort();
}

void TFrmServerConf::edPortChange() {
  StorePort();
}

void TFrmServerConf::StorePort() {
  if (!FConfigLoaded) return;  // only while the page shows loaded settings
  FConfig.Server().SetPort(PortFromText(edPort->Text()));
  FConfig.Server().SaveSettings();
}

void TFrmServerConf::ShowLed(int AIndex) {
  ServerLED->SetImageListPicture(imgl_Server, AIndex);
  ServerLED->Repaint();  // at once: the window handles no messages during a wait
}

bool TFrmServerConf::ServiceIsRunning() {
  return FServices.ServiceIsRunning();
}

bool TFrmServerConf::ServiceStartAndWait() {
  const bool running = FServices.ServiceStartAndWait();
  if (!running) {
    Application().ShowMessageBox(texts::StartFailure(PortFromText(edPort->Text())),
                                 texts::kApplicationTitle, MB_OK);
  }
  return running;
}

bool TFrmServerConf::ServiceStopAndWait() {
  return FServices.ServiceStopAndWait();
}

void TFrmServerConf::btn_StartClick() {
  ShowLed(kLedYellow);
  ShowLed(ServiceStartAndWait() ? kLedGreen : kLedRed);
}

void TFrmServerConf::btn_StopClick() {
  ShowLed(kLedYellow);
  ShowLed(ServiceStopAndWait() ? kLedGreen : kLedRed);
}

void TFrmServerConf::btn_RestartClick() {
  ShowLed(kLedYellow);
  ServiceStopAndWait();
  ShowLed(ServiceStartAndWait() ? kLedGreen : kLedRed);
}

void TFrmServerConf::btn_ConfigDirClick() {
  std::string folder = edClientConfigDir->Text();
  // The dialog belongs to the application window, as the program's system
  // dialogs do; the form gets the activation and its focus back afterwards.
  if (!BrowseFolderDialog(Application().Handle(), texts::kBrowseFolderCaption, "", folder, true,
                          false, true) ||
      !DirectoryExists(folder)) {
    return;
  }
  edClientConfigDir->SetText(folder);
  const std::string message = texts::FolderChangeMessage(
      FConfig.Server().ClientSettingsDir(), folder,
      [](std::string_view APath) { return DirectoryExists(std::string(APath)); });
  FConfig.Server().SetClientSettingsDir(folder);
  FConfig.Server().SaveSettings();
  if (!message.empty()) Application().ShowMessageBox(message, texts::kApplicationTitle, MB_OK);
}

}  // namespace configurator

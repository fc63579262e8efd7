// The Configurator's main window: the About page "Allgemeines" and the
// service page "3. Serverdienst", with the menu and the help command.
//
// Thread safety: belongs to the window thread.
#ifndef QUILLORY_CONFIGURATOR_WINDOW_FRM_SERVER_CONF_H_
#define QUILLORY_CONFIGURATOR_WINDOW_FRM_SERVER_CONF_H_

#include <cstdint>
#include <memory>
#include <string>

#include "config/reg.h"
#include "configurator/logic/clock.h"
#include "configurator/logic/service_control.h"
#include "configurator/window/html_help.h"
#include "platform/service_client.h"
#include "skin/engine/skin_engine.h"
#include "ui/application.h"
#include "ui/button.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/image.h"
#include "ui/image_list.h"
#include "ui/label.h"
#include "ui/page_control.h"

namespace configurator {

struct TFrmServerConfArgs {
  ui::TApplication* Application = nullptr;
  config::TReg* Config = nullptr;  // the program's ConfigReg
  TClock* Clock = nullptr;
  platform::TServiceControlManager* Services = nullptr;
  const THtmlHelp* Help = nullptr;
  std::string ExeFile;  // full path of the running program (UTF-8)
};

// Every pointer in the arguments must outlive the window.
class TFrmServerConf final : public ui::TForm {
 public:
  // Creates the window and runs FormCreate: when the settings key cannot be
  // opened, the error box is shown and the application is told to end.
  explicit TFrmServerConf(const TFrmServerConfArgs& AArgs);
  ~TFrmServerConf() override;

  int32_t CurrentHelpContext() const { return FCurrentHelpContext; }
  bool ConfigLoaded() const { return FConfigLoaded; }

 private:
  void CreateAboutPage();
  void CreateServerPage();
  void CreateSkinEngine();

  void FormCreate();
  void FormShow();
  void FormDestroy();
  void tsOverallShow();
  void MI_ExitClick();
  void MI_ContentClick();
  void lbLinkClick();
  void lbMailClick();
  void LinkMouseEnter(ui::TLabel& ALabel);
  void LinkMouseLeave(ui::TLabel& ALabel);
  std::string VersionText() const;

  // The service page (service_page.cc).
  void tsServerShow();
  void tsServerExit();
  void edPortChange();
  void btn_StartClick();
  void btn_StopClick();
  void btn_RestartClick();
  void btn_ConfigDirClick();
  bool ServiceIsRunning();
  bool ServiceStartAndWait();
  bool ServiceStopAndWait();
  void StorePort();
  void ShowLed(int AIndex);

  config::TReg& FConfig;
  TClock& FClock;
  const THtmlHelp& FHelp;
  std::string FExeFile;
  TServiceController FServices;
  int32_t FCurrentHelpContext = 0;
  bool FConfigLoaded = false;

  // Components, in creation order (children after their parents).
  ui::TImageList imgl_Server{16, 16};
  ui::TImageList FGlyphs{16, 16};
  std::unique_ptr<ui::TPageControl> pgServerConf;
  std::unique_ptr<ui::TTabSheet> tsOverall;
  std::unique_ptr<ui::TTabSheet> tsServer;
  std::unique_ptr<ui::TImage> Image1;
  std::unique_ptr<ui::TLabel> lbOverall;
  std::unique_ptr<ui::TLabel> lbMail;
  std::unique_ptr<ui::TLabel> lbLink;
  std::unique_ptr<ui::TLabel> lb_Version;
  std::unique_ptr<ui::TLabel> lbRightsNotice;
  std::unique_ptr<ui::TLabel> lbStatus;
  std::unique_ptr<ui::TImage> ServerLED;
  std::unique_ptr<ui::TLabel> lbPort;
  std::unique_ptr<ui::TSpinEdit> edPort;
  std::unique_ptr<ui::TLabeledEdit> edClientConfigDir;
  std::unique_ptr<ui::TButton> btn_ConfigDir;
  std::unique_ptr<ui::TBitBtn> btn_Restart;
  std::unique_ptr<ui::TBitBtn> btn_Stop;
  std::unique_ptr<ui::TBitBtn> btn_Start;
  // Paints every window of the program from the compiled-in skin; goes
  // first of the components, after the window.
  std::unique_ptr<skin::TzelSkinEngine> zelSkinEngine1;
};

}  // namespace configurator

#endif  // QUILLORY_CONFIGURATOR_WINDOW_FRM_SERVER_CONF_H_

// The configuration of the service as the configuration store keeps it:
// TServiceSettings over the program's ConfigReg.
//
// Thread safety: as ConfigReg (loaded on the service thread before the
// listener opens, only read afterwards).
#ifndef QUILLORY_SERVICE_CONFIG_SETTINGS_H_
#define QUILLORY_SERVICE_CONFIG_SETTINGS_H_

#include "service/quillory_svr.h"

namespace service {

class TConfigRegSettings : public TServiceSettings {
 public:
  // ConfigReg.LoadFromReg(); false also while no ConfigReg exists.
  bool LoadFromReg() override;
  // ConfigReg.Server.Port and ConfigReg.Server.ClientSettingsDir.
  int32_t Port() const override;
  std::string ClientSettingsDir() const override;
};

}  // namespace service

#endif  // QUILLORY_SERVICE_CONFIG_SETTINGS_H_

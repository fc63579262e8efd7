#include "service/config_settings.h"

#include "config/reg.h"

namespace service {

bool TConfigRegSettings::LoadFromReg() {
  return config::ConfigReg != nullptr && config::ConfigReg->LoadFromReg();
}

int32_t TConfigRegSettings::Port() const {
  return config::ConfigReg->Server().Port();
}

std::string TConfigRegSettings::ClientSettingsDir() const {
  return config::ConfigReg->Server().ClientSettingsDir();
}

}  // namespace service

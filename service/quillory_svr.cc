// The service's lifecycle: the execute routine and the control handler.
#include <filesystem>
#include <stdexcept>

#include "service/quillory_svr.h"

namespace service {

TQuillorySvr* QuillorySvr = nullptr;

namespace {

void ServiceController(uint32_t ACode) {
  if (QuillorySvr != nullptr) QuillorySvr->Controller(ACode);
}

// Creates AFolder with its missing parents. Whatever goes wrong is ignored:
// every save looks for the folder again and reports there.
void PrepareFolder(const std::string& AFolder) {
  if (AFolder.empty()) return;
  try {
    const std::filesystem::path path(std::u8string(AFolder.begin(), AFolder.end()));
    std::error_code error;
    if (!std::filesystem::is_directory(path, error))
      std::filesystem::create_directories(path, error);
  } catch (...) {
  }
}

}  // namespace

platform::TControlHandler TQuillorySvr::GetServiceController() {
  return &ServiceController;
}

void TQuillorySvr::ServiceExecute(TService& ASender) {
  if (Settings == nullptr) throw std::logic_error("no configuration");
  if (!Settings->LoadFromReg()) return;
  Server.DefaultPort = static_cast<uint16_t>(static_cast<uint32_t>(Settings->Port()) & 0xFFFFu);
  ClientSettingsDir = Settings->ClientSettingsDir();
  PrepareFolder(ClientSettingsDir);
  // This process is the folder's only writer: a temporary file there now is
  // the remains of a save that a crash cut short.
  if (!ClientSettingsDir.empty()) platform::RemoveLeftoverTempFiles(ClientSettingsDir);
  Server.SetActive(true);
  while (!ASender.Terminated()) ASender.ProcessRequests(true);
  Server.SetActive(false);
}

}  // namespace service

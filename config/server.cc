#include "config/server.h"

#include "platform/environment.h"

namespace config {

TServer::TServer(platform::TRegistry& ARegistry) : TRoot(ARegistry) {
  FEntry_Path = "Software\\Tarnwick\\Quillory\\Server\\Service";
}

void TServer::LoadContent() {
  FPort = ReadInteger(FEntry_Port, kDefaultPort);
  FClientSettingsDir = ReadString(FEntry_ClientSettingsDir, "");
  if (FClientSettingsDir.empty()) {
    // A folder that cannot be computed leaves the setting empty; the caller
    // sees an empty folder rather than a failed load.
    try {
      FClientSettingsDir = DefaultClientSettingsDir();
    } catch (...) {
    }
  }
}

void TServer::SaveContent() {
  WriteInteger(FEntry_Port, FPort);
  WriteString(FEntry_ClientSettingsDir, FClientSettingsDir);
}

std::string DefaultClientSettingsDir() {
  std::string base;
  for (const char* name : {"ALLUSERSPROFILE", "ProgramData", "APPDATA"}) {
    base = platform::EnvironmentVariable(name).value_or("");
    if (!base.empty()) break;
  }
  if (base.empty()) base = platform::FallbackDataFolder();
  const char d = platform::kPathDelimiter;
  if (base.back() != d) base += d;
  return base + "Tarnwick" + d + "Quillhaven" + d + "ClientConfig";
}

}  // namespace config

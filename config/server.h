// TServer: the section of the server settings, the key
// HKEY_LOCAL_MACHINE\Software\Tarnwick\Quillory\Server\Service with the
// values "Port" (REG_DWORD) and "ClientSettings" (REG_SZ).
//
// Properties are getter/setter pairs over the F fields: Port() /
// SetPort(), ClientSettingsDir() / SetClientSettingsDir(). Setting a property
// only changes memory and checks nothing; the key changes at the next
// SaveSettings(), which always writes both values.
//
// Before LoadSettings() succeeds the port is 0 and the folder is empty.
//
// Thread safety: as TRoot.
#ifndef QUILLORY_CONFIG_SERVER_H_
#define QUILLORY_CONFIG_SERVER_H_

#include <cstdint>
#include <string>

#include "base/version.h"
#include "config/root.h"

namespace config {

// The port when "Port" is missing or no REG_DWORD.
inline constexpr int32_t kDefaultPort = QUILLORY_DEFAULT_PORT;

class TServer : public TRoot {
 public:
  explicit TServer(platform::TRegistry& ARegistry);

  // The TCP port of the service. A 32-bit value used as stored: no range
  // check here (the listener takes its low 16 bits).
  int32_t Port() const { return FPort; }
  void SetPort(int32_t AValue) { FPort = AValue; }

  // The client settings folder (UTF-8).
  const std::string& ClientSettingsDir() const { return FClientSettingsDir; }
  void SetClientSettingsDir(const std::string& AValue) { FClientSettingsDir = AValue; }

 protected:
  // Port := "Port" or 6666; ClientSettingsDir := "ClientSettings", or when
  // that is missing, empty or no REG_SZ, DefaultClientSettingsDir(). The
  // default is not written back.
  void LoadContent() override;
  // Writes "Port" and then "ClientSettings", both every time.
  void SaveContent() override;

 private:
  std::string FEntry_Port = "Port";
  std::string FEntry_ClientSettingsDir = "ClientSettings";
  int32_t FPort = 0;
  std::string FClientSettingsDir;
};

// The default client settings folder: the first of the environment variables
// "ALLUSERSPROFILE", "ProgramData", "APPDATA" that is set and not empty, else
// the platform's folder for machine-wide program data (the program's folder
// on Windows, /var/lib on Linux); then a path delimiter unless the text
// already ends with one, then "Tarnwick\Quillhaven\ClientConfig" (with the
// platform's delimiter). Throws when that folder is needed and unknown.
std::string DefaultClientSettingsDir();

}  // namespace config

#endif  // QUILLORY_CONFIG_SERVER_H_

// The settings service: owns the TCP listener and carries its handlers.
//
// Thread safety: the handlers run concurrently on the listener's connection
// threads; each touches only its own context. Construction, configuration and
// activation happen on one controlling thread.
#ifndef QUILLORY_SERVICE_QUILLORY_SVR_H_
#define QUILLORY_SERVICE_QUILLORY_SVR_H_

#include <cstdint>
#include <functional>
#include <string>

#include "base/version.h"
#include "platform/file_system.h"
#include "service/host/service.h"
#include "service/net/tcp_server.h"

namespace service {

// The per-connection record: the peer's host name from the reverse lookup.
class TDatas : public TObject {
 public:
  std::string HostName;
};

// The fixed texts of the command protocol.
inline constexpr char kDisplayName[] = "Quillory Settings Server";
inline constexpr char kVersionText[] = QUILLORY_VERSION_TEXT;
inline constexpr char kInvalidInput[] = "ungueltige Eingabe";
inline constexpr std::size_t kMaxRequestLine = 1048576;

// The service name, registered with the service control manager.
inline constexpr char kServiceName[] = "QuillorySvr";

// What the execute routine reads from the configuration store: one load per
// start, then the two settings.
class TServiceSettings {
 public:
  virtual ~TServiceSettings() = default;
  // Loads the settings; false when the store can be neither opened nor
  // created.
  virtual bool LoadFromReg() = 0;
  // The configured port, a 32-bit value as stored.
  virtual int32_t Port() const = 0;
  // The client settings folder (UTF-8); may be empty.
  virtual std::string ClientSettingsDir() const = 0;
};

// The service: name "QuillorySvr", its execute routine ServiceExecute.
class TQuillorySvr : public TService {
 public:
  // The reverse lookup of a peer's numeric IPv4 address; throws when the
  // address has no name. Replaceable for tests.
  using TResolver = std::function<std::string(const std::string& AAddress)>;

  TQuillorySvr();

  // The listener: DefaultPort QUILLORY_DEFAULT_PORT (6666), MaxConnections 1000, the three handlers
  // below; inactive until the service's execute routine activates it.
  TIdTCPServer Server;

  TResolver HostByAddress;

  // The client settings folder the settings commands work in, set from the
  // configuration before the listener is activated and only read while it is
  // active (ReadClientSettings / SaveClientSettings).
  std::string ClientSettingsDir;

  // The file system the settings commands use. Replaceable for tests and
  // benchmarks; must outlive the listener's activity.
  platform::TFileSystem* Files = &platform::SystemFileSystem();

  // Looks up the peer's host name and attaches its TDatas record. Throws when
  // the lookup fails (no record is left behind).
  void ServerConnect(TIdContext& AContext);
  // Reads one request line, answers it, releases the record, disconnects.
  void ServerExecute(TIdContext& AContext);
  // Releases the record when ServerExecute could not.
  void ServerDisconnect(TIdContext& AContext);

  // The replies of "readSettings " and "saveSettings "; never throw.
  std::string ReadClientSettings(const std::string& ALine);
  std::string SaveClientSettings(const std::string& ALine);

  // The configuration ServiceExecute loads; set before the service starts.
  TServiceSettings* Settings = nullptr;

  // One start of the service, on the service thread: loads the settings
  // (returns at once when that fails), sets the listener's port to the low
  // 16 bits of the configured one, creates the client settings folder with
  // its parents when missing (failures ignored), removes the temporary files
  // of saves a crash left there, activates the listener,
  // processes control requests until a stop, and deactivates the listener.
  // Throws EBindError when the port cannot be bound.
  void ServiceExecute(TService& ASender);

  // The plain function that passes every control code to QuillorySvr.
  platform::TControlHandler GetServiceController() override;
};

// The program's one service object; null while none exists.
extern TQuillorySvr* QuillorySvr;

}  // namespace service

#endif  // QUILLORY_SERVICE_QUILLORY_SVR_H_

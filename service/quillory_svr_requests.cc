// The connection handlers and the command table.
#include <algorithm>
#include <string_view>

#include "platform/socket.h"
#include "service/quillory_svr.h"
#include "service/settings/client_settings.h"

namespace service {

namespace {

constexpr std::string_view kReadPrefix = "readSettings ";
constexpr std::string_view kSavePrefix = "saveSettings ";

// "QUIT" in any mixture of letter case; only a to z are folded.
bool IsQuit(std::string_view ALine) {
  if (ALine.size() != 4) return false;
  std::string upper(ALine);
  std::transform(upper.begin(), upper.end(), upper.begin(),
                 [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; });
  return upper == "QUIT";
}

void ReleaseRecord(TIdContext& AContext) {
  AContext.Data.reset();
}

}  // namespace

TQuillorySvr::TQuillorySvr() : TService(kServiceName), HostByAddress(&platform::HostByAddress) {
  DisplayName = kDisplayName;
  OnExecute = [this](TService& ASender) { ServiceExecute(ASender); };
  Server.DefaultPort = QUILLORY_DEFAULT_PORT;
  Server.MaxConnections = 1000;
  Server.OnConnect = [this](TIdContext& c) { ServerConnect(c); };
  Server.OnExecute = [this](TIdContext& c) { ServerExecute(c); };
  Server.OnDisconnect = [this](TIdContext& c) { ServerDisconnect(c); };
}

void TQuillorySvr::ServerConnect(TIdContext& AContext) {
  std::string host = HostByAddress(AContext.Connection().PeerAddress());
  auto record = std::make_unique<TDatas>();
  record->HostName = std::move(host);
  AContext.Data = std::move(record);
}

void TQuillorySvr::ServerExecute(TIdContext& AContext) {
  TConnection& connection = AContext.Connection();
  const std::string line = connection.ReadLine("\n", kMaxRequestLine, TTextEncoding::Utf8);
  if (line == "getName") {
    connection.WriteLine(kDisplayName);
  } else if (line == "getVersion") {
    connection.WriteLine(kVersionText);
  } else if (IsQuit(line)) {
    ReleaseRecord(AContext);
    connection.Disconnect();
  } else if (line.starts_with(kReadPrefix)) {
    connection.WriteLine(ReadClientSettings(line), TTextEncoding::Utf8);
  } else if (line.starts_with(kSavePrefix)) {
    connection.WriteLine(SaveClientSettings(line), TTextEncoding::Utf8);
  } else {
    connection.WriteLine(kInvalidInput);
  }
  ReleaseRecord(AContext);
  connection.Disconnect();
}

void TQuillorySvr::ServerDisconnect(TIdContext& AContext) {
  ReleaseRecord(AContext);
}

std::string TQuillorySvr::ReadClientSettings(const std::string& ALine) {
  return settings::TClientSettings(ClientSettingsDir, *Files).Read(ALine);
}
std::string TQuillorySvr::SaveClientSettings(const std::string& ALine) {
  return settings::TClientSettings(ClientSettingsDir, *Files).Save(ALine);
}

}  // namespace service

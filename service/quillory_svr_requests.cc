// The connection handlers and the command table.
#include <algorithm>
#include <iterator>
#include <string_view>

#include "base/ascii.h"
#include "platform/socket.h"
#include "service/quillory_svr.h"
#include "service/settings/client_settings.h"

namespace service {

namespace {

// One command of the protocol: how a request line is matched, and the reply.
struct TCommand {
  enum TMatch { Equal, QuitInAnyCase, Prefix, Anything };
  TMatch Match;
  std::string_view Text;
  // The reply: a fixed text, or what the handler returns for the line; a
  // command with neither closes the connection without a reply.
  const char* FixedReply;
  std::string (TQuillorySvr::*Handler)(const std::string& ALine);
  TTextEncoding Encoding;

  bool Matches(std::string_view ALine) const {
    switch (Match) {
      case Equal:
        return ALine == Text;
      case QuitInAnyCase:
        return base::EqualsIgnoringAsciiCase(ALine, Text);
      case Prefix:
        return ALine.starts_with(Text);
      case Anything:
        return true;
    }
    return false;
  }
};

// Tested in this order; the first that matches answers. The last matches
// every line.
constexpr TCommand kCommands[] = {
    {TCommand::Equal, "getName", kDisplayName, nullptr, TTextEncoding::Ascii},
    {TCommand::Equal, "getVersion", kVersionText, nullptr, TTextEncoding::Ascii},
    {TCommand::QuitInAnyCase, "QUIT", nullptr, nullptr, TTextEncoding::Ascii},
    {TCommand::Prefix, "readSettings ", nullptr, &TQuillorySvr::ReadClientSettings,
     TTextEncoding::Utf8},
    {TCommand::Prefix, "saveSettings ", nullptr, &TQuillorySvr::SaveClientSettings,
     TTextEncoding::Utf8},
    {TCommand::Anything, "", kInvalidInput, nullptr, TTextEncoding::Ascii},
};

const TCommand& FindCommand(std::string_view ALine) {
  return *std::find_if(std::begin(kCommands), std::end(kCommands),
                       [&](const TCommand& c) { return c.Matches(ALine); });
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
  const TCommand& command = FindCommand(line);
  if (command.FixedReply != nullptr) {
    connection.WriteLine(command.FixedReply, command.Encoding);
  } else if (command.Handler != nullptr) {
    connection.WriteLine((this->*command.Handler)(line), command.Encoding);
  }
  AContext.Data.reset();  // the record
  connection.Disconnect();
}

void TQuillorySvr::ServerDisconnect(TIdContext& AContext) {
  AContext.Data.reset();
}

std::string TQuillorySvr::ReadClientSettings(const std::string& ALine) {
  return settings::TClientSettings(ClientSettingsDir, *Files).Read(ALine);
}
std::string TQuillorySvr::SaveClientSettings(const std::string& ALine) {
  return settings::TClientSettings(ClientSettingsDir, *Files).Save(ALine);
}

}  // namespace service

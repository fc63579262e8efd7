// Arbitrary bytes from a client through the line reader and the command
// dispatcher of the service, over a real socket pair.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <thread>

#include "service/quillory_svr.h"

namespace {

std::string ScratchFolder() {
  auto dir = std::filesystem::temp_directory_path() / "quillory-request-fuzz";
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  return dir.string();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* AData, size_t ASize) {
  static service::TQuillorySvr svr;
  static const std::string folder = ScratchFolder();
  svr.ClientSettingsDir = folder;

  auto [client, server] = platform::TSocket::ConnectedPair();
  std::thread writer([&, &client = client] {
    try {
      client.SendAll(reinterpret_cast<const char*>(AData), ASize);
    } catch (const platform::ESocketError&) {
    }
    client.Interrupt();  // the client is done sending
  });
  service::TIdContext context(std::move(server), "127.0.0.1");
  try {
    svr.ServerExecute(context);
  } catch (const service::EConnectionError&) {
    // a line without LF or beyond the limit: no reply, connection closed
  }
  context.Connection().Disconnect();
  writer.join();
  return 0;
}

#include "service/net/tcp_server.h"

#include <chrono>
#include <thread>

namespace service {

namespace {

constexpr int kAcceptWaitMs = 250;  // a stop is noticed within this time
constexpr auto kCloseRetry = std::chrono::milliseconds(500);

}  // namespace

TIdTCPServer::~TIdTCPServer() {
  SetActive(false);
}

void TIdTCPServer::SetActive(bool AValue) {
  if (AValue == FActive) return;
  if (AValue) {
    Open();
  } else {
    Close();
  }
}

void TIdTCPServer::Open() {
  std::vector<TIdIPVersion> versions{TIdIPVersion::Id_IPv4};
  if (platform::HasIPv6Transport()) versions.push_back(TIdIPVersion::Id_IPv6);
  std::vector<std::unique_ptr<TBinding>> bindings;
  for (TIdIPVersion v : versions) {
    auto b = std::make_unique<TBinding>();
    b->Version = v;
    try {
      b->Socket =
          platform::TSocket::Listen(v == TIdIPVersion::Id_IPv4 ? platform::TAddressFamily::IPv4
                                                               : platform::TAddressFamily::IPv6,
                                    DefaultPort, ListenQueue);
    } catch (const platform::ESocketError&) {
      throw EBindError();  // the bindings made so far close with `bindings`
    }
    bindings.push_back(std::move(b));
  }
  FStopAccepting = false;
  FBindings = std::move(bindings);
  try {
    for (auto& b : FBindings) {
      TBinding* binding = b.get();
      b->Thread = std::make_unique<platform::TThread>(
          [this, binding] { AcceptLoop(*binding); }, 64 * 1024, platform::TThreadPriority::Highest);
    }
  } catch (...) {
    FStopAccepting = true;
    FBindings.clear();  // joins the threads already started
    throw;
  }
  FActive = true;
}

void TIdTCPServer::Close() {
  FActive = false;
  FStopAccepting = true;
  for (auto& b : FBindings) b->Thread->Join();  // each notices the stop within 250 ms
  FBindings.clear();                            // closes the listening sockets
  platform::TMutexLock lock(FLock);
  while (FThreads > 0) {
    for (auto& c : FContexts) c.Connection().Interrupt();
    FThreadEnded.WaitFor(FLock, kCloseRetry);
  }
}

std::vector<std::pair<TIdIPVersion, uint16_t>> TIdTCPServer::Bindings() const {
  std::vector<std::pair<TIdIPVersion, uint16_t>> out;
  for (auto& b : FBindings) out.emplace_back(b->Version, b->Socket.LocalPort());
  return out;
}

std::size_t TIdTCPServer::ConnectionCount() const {
  platform::TMutexLock lock(FLock);
  return FContexts.size();
}

void TIdTCPServer::AcceptLoop(TBinding& ABinding) {
  while (!FStopAccepting) {
    try {
      std::string peer;
      std::optional<platform::TSocket> socket = ABinding.Socket.AcceptWithin(kAcceptWaitMs, peer);
      if (!socket) continue;
      // The list entry is made here, outside the lock, and moved in below.
      TContexts entry;
      entry.emplace_back(std::move(*socket), std::move(peer));
      TIdContext* context = &entry.front();
      context->FEntry = entry.begin();
      {
        // Counting and registering in one step keeps the limit exact even
        // when clients arrive faster than their threads start.
        platform::TMutexLock lock(FLock);
        if (MaxConnections > 0 && FContexts.size() >= static_cast<std::size_t>(MaxConnections)) {
          continue;  // `entry` closes the connection: accepted, then closed, no byte
        }
        FContexts.splice(FContexts.end(), entry);
        ++FThreads;
      }
      try {
        platform::StartDetachedThread([this, context] { RunConnection(context); },
                                      kConnectionStackBytes);
      } catch (...) {
        TContexts gone;
        platform::TMutexLock lock(FLock);
        gone.splice(gone.end(), FContexts, context->FEntry);
        --FThreads;
      }
    } catch (...) {
      // Accept failed (for instance out of descriptors): back off briefly.
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
  }
}

void TIdTCPServer::RunConnection(TIdContext* AContext) {
  bool connected = false;
  try {
    if (OnConnect) OnConnect(*AContext);
    connected = true;
  } catch (...) {
  }
  if (connected) {
    try {
      do {
        if (OnExecute) OnExecute(*AContext);
      } while (OnExecute && AContext->Connection().Connected());
    } catch (...) {
    }
    try {
      if (OnDisconnect) OnDisconnect(*AContext);
    } catch (...) {
    }
  }
  TContexts gone;
  {
    platform::TMutexLock lock(FLock);
    gone.splice(gone.end(), FContexts, AContext->FEntry);
  }
  AContext->Connection().Disconnect();
  gone.clear();  // frees the context and an object still in its Data slot
  platform::TMutexLock lock(FLock);
  --FThreads;
  FThreadEnded.NotifyAll();
}

}  // namespace service

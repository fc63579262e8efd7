// The TCP listener: binds the any-addresses, accepts connections and serves
// each on a thread of its own through three handlers.
//
// Per connection the handlers run in this order on the connection's thread:
// OnConnect; then OnExecute, again while the connection stays open; then
// OnDisconnect. When OnConnect throws, neither of the others runs. An
// exception from a handler only ends its connection; it is never reported.
//
// Thread safety: configure (DefaultPort, MaxConnections, handlers) while
// inactive; SetActive and the queries may be called from any one controlling
// thread. The handlers run concurrently on many threads.
#ifndef QUILLORY_SERVICE_NET_TCP_SERVER_H_
#define QUILLORY_SERVICE_NET_TCP_SERVER_H_

#include <atomic>
#include <cstdint>
#include <functional>
#include <list>
#include <memory>
#include <stdexcept>
#include <vector>

#include "base/version.h"
#include "platform/mutex.h"
#include "platform/socket.h"
#include "platform/thread.h"
#include "service/net/context.h"

namespace service {

enum class TIdIPVersion { Id_IPv4, Id_IPv6 };

// The listener could not be opened; nothing stays bound.
class EBindError : public std::runtime_error {
 public:
  EBindError()
      : std::runtime_error("Could not bind socket. Address and port are already in use.") {}
};

class TIdTCPServer {
 public:
  using THandler = std::function<void(TIdContext&)>;

  // Stack reserved for every connection thread. Requests keep their data on
  // the heap; the deepest stack use is the reverse lookup.
  static constexpr std::size_t kConnectionStackBytes = 128 * 1024;

  TIdTCPServer() = default;
  // Closes the listener (SetActive(false)).
  ~TIdTCPServer();
  TIdTCPServer(const TIdTCPServer&) = delete;
  TIdTCPServer& operator=(const TIdTCPServer&) = delete;

  uint16_t DefaultPort = QUILLORY_DEFAULT_PORT;  // given to every binding
  int MaxConnections = 0;                        // connections served at once; 0: no limit
  // Backlog of every listening socket: the system's longest, so that a burst
  // of clients connecting at once is queued, not dropped.
  int ListenQueue = platform::kMaxListenBacklog;
  THandler OnConnect, OnExecute, OnDisconnect;

  bool Active() const { return FActive; }

  // true: binds the IPv4 any-address on DefaultPort and, when the system has
  // an IPv6 transport, the IPv6 any-address; then accepts. Throws EBindError
  // when a binding fails (everything bound so far is closed again).
  // false: stops accepting, closes every connection and returns once every
  // connection thread has ended. Both are no-ops when already in that state.
  void SetActive(bool AValue);

  // The bound address families and their ports (the system's choice when
  // DefaultPort is 0). Empty while inactive.
  std::vector<std::pair<TIdIPVersion, uint16_t>> Bindings() const;

  // The number of connections currently served.
  std::size_t ConnectionCount() const EXCLUDES(FLock);

 private:
  struct TBinding {
    TIdIPVersion Version;
    platform::TSocket Socket;
    std::unique_ptr<platform::TThread> Thread;
  };

  // The list's nodes hold the contexts: one allocation per connection.
  using TContexts = std::list<TIdContext>;

  void Open();
  void Close() EXCLUDES(FLock);
  void AcceptLoop(TBinding& ABinding) EXCLUDES(FLock);
  void RunConnection(TIdContext* AContext) EXCLUDES(FLock);

  bool FActive = false;
  std::vector<std::unique_ptr<TBinding>> FBindings;
  std::atomic<bool> FStopAccepting{false};

  // Held only for moving a context in or out of the list and for counting:
  // contexts are made and freed outside it.
  mutable platform::TMutex FLock;
  TContexts FContexts GUARDED_BY(FLock);       // current connections
  std::size_t FThreads GUARDED_BY(FLock) = 0;  // connection threads not yet ended
  platform::TCondVar FThreadEnded;             // waited on with FLock
};

}  // namespace service

#endif  // QUILLORY_SERVICE_NET_TCP_SERVER_H_

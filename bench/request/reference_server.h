// The reference server of the request benchmarks: the service's fixed
// design and nothing more, in plain POSIX calls.
//
// Per connection it does only what that design requires: the accepting
// thread waits at most 250 ms for a connection (so that a stop would be
// noticed), starts a new detached thread with a 128 KiB stack for it; that
// thread asks for the address information and the name information of the
// peer (closing the connection when there is no name), reads one line of at
// most 1 MiB up to LF, answers "2.0.0.56" to "getVersion" and "ungueltige
// Eingabe" to anything else, and closes. The listen backlog is the one the
// service uses. Whatever the service spends beyond this is its own overhead.
//
// Thread safety: one object per thread; the connection threads share nothing.
#ifndef QUILLORY_BENCH_REQUEST_REFERENCE_SERVER_H_
#define QUILLORY_BENCH_REQUEST_REFERENCE_SERVER_H_

#include <atomic>
#include <cstdint>
#include <thread>

namespace bench {

class TReferenceServer {
 public:
  // Listens on the IPv4 any-address at APort (0: the system
  // picks one) with a backlog of ABacklog and starts accepting. Exits the
  // process with a message when the port cannot be bound.
  TReferenceServer(uint16_t APort, int ABacklog);
  // Stops accepting (within 250 ms); connection threads still running finish
  // on their own.
  ~TReferenceServer();
  TReferenceServer(const TReferenceServer&) = delete;
  TReferenceServer& operator=(const TReferenceServer&) = delete;

  uint16_t Port() const { return FPort; }

 private:
  void AcceptLoop();

  int FListener = -1;
  uint16_t FPort = 0;
  std::atomic<bool> FStop{false};
  std::thread FAcceptor;
};

}  // namespace bench

#endif  // QUILLORY_BENCH_REQUEST_REFERENCE_SERVER_H_

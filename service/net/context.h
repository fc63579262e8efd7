// The per-connection context the listener hands to its handlers.
#ifndef QUILLORY_SERVICE_NET_CONTEXT_H_
#define QUILLORY_SERVICE_NET_CONTEXT_H_

#include <list>
#include <memory>

#include "service/net/connection.h"

namespace service {

// Base of every object a handler keeps in a context's Data slot.
class TObject {
 public:
  virtual ~TObject() = default;
};

// One accepted connection, owned by the listener from accept to the end of
// its thread. Thread safety: touched only by the connection's own thread,
// except Connection().Interrupt() when the listener is closed.
class TIdContext {
 public:
  TIdContext(platform::TSocket ASocket, std::string APeerAddress)
      : FConnection(std::move(ASocket), std::move(APeerAddress)) {}

  TConnection& Connection() { return FConnection; }

  // The handlers' own per-connection object, empty at first. Whoever frees
  // it resets the slot; an object still here is freed with the context.
  std::unique_ptr<TObject> Data;

 private:
  friend class TIdTCPServer;

  TConnection FConnection;
  // The context's place in its listener's list of current connections.
  std::list<TIdContext>::iterator FEntry;
};

}  // namespace service

#endif  // QUILLORY_SERVICE_NET_CONTEXT_H_

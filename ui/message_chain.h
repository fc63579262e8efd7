// A stack of message handlers in front of a final handler, in the manner of
// the system's window subclassing chains: each handler sees a message first
// and passes it on (or not) by calling the next link it is given.
//
// Handlers are added on top and removed by their id in any order, also
// while a message is on its way through the chain: a removed handler sees no
// further message, not even the rest of one in flight, and the handlers
// below it keep theirs. A handler added while a message is in flight sees
// the next one. Portable; the window subclassing of the toolkit is built on
// it.
//
// Thread safety: none; a chain belongs to the thread of its window.
#ifndef QUILLORY_UI_MESSAGE_CHAIN_H_
#define QUILLORY_UI_MESSAGE_CHAIN_H_

#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace ui {

template <typename TMessage, typename TResult>
class TMessageChain {
 public:
  // Passes the message to the rest of the chain below the caller.
  using TNext = std::function<TResult(const TMessage&)>;
  using THandler = std::function<TResult(const TMessage&, const TNext& ANext)>;
  using TFinal = std::function<TResult(const TMessage&)>;

  explicit TMessageChain(TFinal AFinal) : FFinal(std::move(AFinal)) {}

  // Puts AHandler on top under AId. False (and nothing changes) when a
  // handler with AId is in the chain already.
  bool Add(uintptr_t AId, THandler AHandler) {
    if (Contains(AId)) return false;
    FLinks.push_back(std::make_shared<TLink>(TLink{AId, std::move(AHandler), false}));
    return true;
  }

  // Takes the handler AId out. False when there is none.
  bool Remove(uintptr_t AId) {
    const auto found = std::find_if(FLinks.begin(), FLinks.end(),
                                    [AId](const auto& ALink) { return ALink->Id == AId; });
    if (found == FLinks.end()) return false;
    (*found)->Removed = true;
    FLinks.erase(found);
    return true;
  }

  bool Contains(uintptr_t AId) const {
    return std::any_of(FLinks.begin(), FLinks.end(),
                       [AId](const auto& ALink) { return ALink->Id == AId; });
  }
  bool Empty() const { return FLinks.empty(); }
  size_t Size() const { return FLinks.size(); }

  // Replaces what handles a message below every handler.
  void SetFinal(TFinal AFinal) { FFinal = std::move(AFinal); }

  // Runs AMessage through the chain from the top.
  TResult Call(const TMessage& AMessage) {
    // The links of this call, top first; the chain may change meanwhile.
    auto links =
        std::make_shared<std::vector<std::shared_ptr<TLink>>>(FLinks.rbegin(), FLinks.rend());
    auto final = std::make_shared<TFinal>(FFinal);
    return CallFrom(links, final, 0, AMessage);
  }

 private:
  struct TLink {
    uintptr_t Id;
    THandler Handler;
    bool Removed;
  };
  using TLinks = std::shared_ptr<std::vector<std::shared_ptr<TLink>>>;

  static TResult CallFrom(const TLinks& ALinks, const std::shared_ptr<TFinal>& AFinal,
                          size_t AIndex, const TMessage& AMessage) {
    while (AIndex < ALinks->size() && (*ALinks)[AIndex]->Removed) ++AIndex;
    if (AIndex == ALinks->size()) return (*AFinal)(AMessage);
    const std::shared_ptr<TLink> link = (*ALinks)[AIndex];  // alive while it runs
    const TNext next = [ALinks, AFinal, AIndex](const TMessage& AMessage2) {
      return CallFrom(ALinks, AFinal, AIndex + 1, AMessage2);
    };
    return link->Handler(AMessage, next);
  }

  std::vector<std::shared_ptr<TLink>> FLinks;  // bottom first
  TFinal FFinal;
};

}  // namespace ui

#endif  // QUILLORY_UI_MESSAGE_CHAIN_H_

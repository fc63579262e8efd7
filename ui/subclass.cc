#include "ui/subclass.h"

namespace ui {
namespace {

constexpr wchar_t kChainProperty[] = L"Quillory.SubclassChain";

struct THook {
  WNDPROC Original;
  TWindowChain Chain;
  int Depth = 0;          // messages of this window in flight
  bool Finished = false;  // WM_NCDESTROY has passed
};

THook* HookOf(HWND AWindow) {
  return static_cast<THook*>(GetPropW(AWindow, kChainProperty));
}

LRESULT CALLBACK ChainProc(HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam);

// Gives the window its procedure back and frees the chain, when nothing of
// it runs any more and nothing hooks the window after it.
void ReleaseIfUnused(HWND AWindow, THook* AHook) {
  if (AHook->Depth > 0 || !(AHook->Chain.Empty() || AHook->Finished)) return;
  const auto current = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(AWindow, GWLP_WNDPROC));
  if (current != &ChainProc && !AHook->Finished) return;  // hooked after us: stay a pass-through
  if (current == &ChainProc) {
    SetWindowLongPtrW(AWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(AHook->Original));
  }
  RemovePropW(AWindow, kChainProperty);
  delete AHook;
}

LRESULT CALLBACK ChainProc(HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
  THook* hook = HookOf(AWindow);
  if (!hook) return DefWindowProcW(AWindow, AMessage, AWParam, ALParam);
  ++hook->Depth;
  const LRESULT result = hook->Chain.Call(TWindowMessage{AWindow, AMessage, AWParam, ALParam});
  --hook->Depth;
  if (AMessage == WM_NCDESTROY) hook->Finished = true;
  ReleaseIfUnused(AWindow, hook);
  return result;
}

THook* EnsureHook(HWND AWindow, WNDPROC AOriginal) {
  if (THook* hook = HookOf(AWindow)) return hook;
  const WNDPROC original =
      AOriginal ? AOriginal : reinterpret_cast<WNDPROC>(GetWindowLongPtrW(AWindow, GWLP_WNDPROC));
  auto* hook = new THook{original, TWindowChain([original](const TWindowMessage& AMessage) {
                           return CallWindowProcW(original, AMessage.Window, AMessage.Message,
                                                  AMessage.WParam, AMessage.LParam);
                         })};
  SetPropW(AWindow, kChainProperty, hook);
  SetWindowLongPtrW(AWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ChainProc));
  return hook;
}

bool Subclass(HWND AWindow, uintptr_t AId, TSubclassHandler AHandler, WNDPROC AOriginal) {
  if (!IsWindow(AWindow)) return false;
  THook* existing = HookOf(AWindow);
  if (existing && (existing->Finished || existing->Chain.Contains(AId))) return false;
  THook* hook = EnsureHook(AWindow, AOriginal);
  return hook->Chain.Add(AId, std::move(AHandler));
}

}  // namespace

bool SubclassWindow(HWND AWindow, uintptr_t AId, TSubclassHandler AHandler) {
  return Subclass(AWindow, AId, std::move(AHandler), nullptr);
}

bool SubclassOwnWindow(HWND AWindow, uintptr_t AId, TSubclassHandler AHandler, WNDPROC AOriginal) {
  return Subclass(AWindow, AId, std::move(AHandler), AOriginal);
}

bool UnsubclassWindow(HWND AWindow, uintptr_t AId) {
  THook* hook = HookOf(AWindow);
  if (!hook || !hook->Chain.Remove(AId)) return false;
  ReleaseIfUnused(AWindow, hook);
  return true;
}

bool IsSubclassed(HWND AWindow, uintptr_t AId) {
  THook* hook = HookOf(AWindow);
  return hook && hook->Chain.Contains(AId);
}

TForeignSubclass::TForeignSubclass(HWND AWindow, TSubclassHandler AHandler)
    : FWindow(AWindow), FHandler(std::move(AHandler)) {
  FAttached = SubclassWindow(
      AWindow, reinterpret_cast<uintptr_t>(this),
      [this](const TWindowMessage& AMessage, const TWindowChain::TNext& ANext) {
        const LRESULT result = FHandler ? FHandler(AMessage, ANext) : ANext(AMessage);
        if (AMessage.Message == WM_NCDESTROY) FAttached = false;  // the chain lets go of it
        return result;
      });
}

TForeignSubclass::~TForeignSubclass() {
  Detach();
}

void TForeignSubclass::Detach() {
  if (FAttached && IsWindow(FWindow)) UnsubclassWindow(FWindow, reinterpret_cast<uintptr_t>(this));
  FAttached = false;
}

std::vector<std::unique_ptr<TForeignSubclass>> SubclassWindowTree(
    HWND ATop, const TSubclassHandler& AHandler) {
  std::vector<HWND> windows{ATop};
  EnumChildWindows(
      ATop,
      [](HWND AChild, LPARAM AList) {
        reinterpret_cast<std::vector<HWND>*>(AList)->push_back(AChild);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&windows));
  std::vector<std::unique_ptr<TForeignSubclass>> hooks;
  for (HWND window : windows) hooks.push_back(std::make_unique<TForeignSubclass>(window, AHandler));
  return hooks;
}

}  // namespace ui

#include "skin/engine/user32_functions.h"

namespace skin {
namespace {

using TGetScrollBarInfo = BOOL(WINAPI*)(HWND, LONG, SCROLLBARINFO*);
using TGetComboBoxInfo = BOOL(WINAPI*)(HWND, COMBOBOXINFO*);
using TGetAncestor = HWND(WINAPI*)(HWND, UINT);
using TInternalGetWindowText = int(WINAPI*)(HWND, LPWSTR, int);

template <typename T>
T Bind(HMODULE ALibrary, const char* AName) {
  if (!ALibrary) return nullptr;
  // The casts go through a plain function pointer: the signatures differ.
  return reinterpret_cast<T>(reinterpret_cast<void (*)()>(GetProcAddress(ALibrary, AName)));
}

// The library and the functions, bound on first use, freed at the end.
class TUser32 {
 public:
  TUser32() : FLibrary(LoadLibraryW(L"User32.dll")) {
    FScrollBarInfo = Bind<TGetScrollBarInfo>(FLibrary, "GetScrollBarInfo");
    FComboBoxInfo = Bind<TGetComboBoxInfo>(FLibrary, "GetComboBoxInfo");
    FAncestor = Bind<TGetAncestor>(FLibrary, "GetAncestor");
    if (!FScrollBarInfo || !FComboBoxInfo || !FAncestor) {
      FScrollBarInfo = nullptr;
      FComboBoxInfo = nullptr;
      FAncestor = nullptr;
    }
    // Only NT platforms keep the text this function reads.
    const bool nt = (GetVersion() & 0x80000000u) == 0;
    if (nt) FWindowText = Bind<TInternalGetWindowText>(FLibrary, "InternalGetWindowText");
  }
  ~TUser32() {
    if (FLibrary) FreeLibrary(FLibrary);
  }
  TUser32(const TUser32&) = delete;
  TUser32& operator=(const TUser32&) = delete;

  HMODULE FLibrary;
  TGetScrollBarInfo FScrollBarInfo = nullptr;
  TGetComboBoxInfo FComboBoxInfo = nullptr;
  TGetAncestor FAncestor = nullptr;
  TInternalGetWindowText FWindowText = nullptr;
};

const TUser32& User32() {
  static const TUser32 user32;
  return user32;
}

}  // namespace

BOOL ZelGetScrollBarInfo(HWND AWindow, LONG AObject, SCROLLBARINFO* AInfo) {
  const auto f = User32().FScrollBarInfo;
  return f ? f(AWindow, AObject, AInfo) : FALSE;
}

BOOL ZelGetComboBoxInfo(HWND AWindow, COMBOBOXINFO* AInfo) {
  const auto f = User32().FComboBoxInfo;
  return f ? f(AWindow, AInfo) : FALSE;
}

HWND ZelGetAncestor(HWND AWindow, UINT AFlags) {
  const auto f = User32().FAncestor;
  return f ? f(AWindow, AFlags) : nullptr;
}

std::wstring ZelInternalGetWindowText(HWND AWindow) {
  const auto f = User32().FWindowText;
  if (!f) return {};
  // The text may be longer than a first guess: grow until it fits.
  std::wstring text(256, L'\0');
  for (;;) {
    const int n = f(AWindow, text.data(), static_cast<int>(text.size()));
    if (n < static_cast<int>(text.size()) - 1 || text.size() >= 65536) {
      text.resize(static_cast<size_t>(n > 0 ? n : 0));
      return text;
    }
    text.resize(text.size() * 2);
  }
}

bool ZelUser32FunctionsBound() {
  return User32().FAncestor != nullptr;
}

}  // namespace skin

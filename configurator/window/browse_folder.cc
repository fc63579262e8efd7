#include "configurator/window/browse_folder.h"

#include <ole2.h>
#include <shlobj.h>

#include <vector>

#include "platform/win32/wide.h"

namespace configurator {
namespace {

using platform::win32::ToUtf8;
using platform::win32::ToWide;

// Disables the enabled, visible top-level windows of this thread for its
// lifetime, as a modal dialog needs, and enables them again.
class TTaskWindowsDisabled {
 public:
  TTaskWindowsDisabled() {
    EnumThreadWindows(GetCurrentThreadId(), &TTaskWindowsDisabled::Collect,
                      reinterpret_cast<LPARAM>(&FWindows));
    for (HWND window : FWindows) EnableWindow(window, FALSE);
  }
  ~TTaskWindowsDisabled() {
    for (HWND window : FWindows) EnableWindow(window, TRUE);
  }
  TTaskWindowsDisabled(const TTaskWindowsDisabled&) = delete;
  TTaskWindowsDisabled& operator=(const TTaskWindowsDisabled&) = delete;

 private:
  static BOOL CALLBACK Collect(HWND AWindow, LPARAM AList) {
    if (IsWindowVisible(AWindow) && IsWindowEnabled(AWindow)) {
      reinterpret_cast<std::vector<HWND>*>(AList)->push_back(AWindow);
    }
    return TRUE;
  }
  std::vector<HWND> FWindows;
};

// Releases a COM interface.
template <typename T>
class TComPtr {
 public:
  ~TComPtr() {
    if (FPointer) FPointer->Release();
  }
  T** Out() { return &FPointer; }
  T* operator->() const { return FPointer; }
  T* Get() const { return FPointer; }

 private:
  T* FPointer = nullptr;
};

// Memory of the shell's allocator, freed with it.
class TShellMemory {
 public:
  TShellMemory(IMalloc* AMalloc, void* APointer) : FMalloc(AMalloc), FPointer(APointer) {}
  ~TShellMemory() {
    if (FPointer) FMalloc->Free(FPointer);
  }
  TShellMemory(const TShellMemory&) = delete;
  TShellMemory& operator=(const TShellMemory&) = delete;
  void* Get() const { return FPointer; }

 private:
  IMalloc* FMalloc;
  void* FPointer;
};

}  // namespace

bool DirectoryExists(const std::string& APath) {
  const DWORD attributes = GetFileAttributesW(ToWide(APath).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

int CALLBACK BrowseFolderCallback(HWND AWindow, UINT AMessage, LPARAM /*AParam*/, LPARAM AData) {
  if (AMessage == BFFM_INITIALIZED) SendMessageW(AWindow, BFFM_SETSELECTIONW, 1, AData);
  return 0;
}

bool BrowseFolderDialog(HWND AOwner, const std::string& ACaption, const std::string& ARoot,
                        std::string& AFolder, bool AEditBox, bool AShowFiles, bool ANewFolder) {
  if (!DirectoryExists(AFolder)) AFolder.clear();
  TComPtr<IMalloc> malloc;
  if (FAILED(SHGetMalloc(malloc.Out())) || !malloc.Get()) return false;
  TShellMemory buffer(malloc.Get(), malloc->Alloc(MAX_PATH * sizeof(wchar_t)));
  if (!buffer.Get()) return false;
  auto* name = static_cast<wchar_t*>(buffer.Get());
  name[0] = L'\0';

  PIDLIST_ABSOLUTE root = nullptr;
  if (!ARoot.empty()) {
    TComPtr<IShellFolder> desktop;
    if (SUCCEEDED(SHGetDesktopFolder(desktop.Out()))) {
      std::wstring root_path = ToWide(ARoot);
      desktop->ParseDisplayName(AOwner, nullptr, root_path.data(), nullptr, &root, nullptr);
    }
  }
  TShellMemory root_memory(malloc.Get(), root);

  // The new dialog style needs OLE on this thread.
  const bool ole = SUCCEEDED(OleInitialize(nullptr));
  const std::wstring caption = ToWide(ACaption);
  const std::wstring folder = ToWide(AFolder);
  BROWSEINFOW info{};
  info.hwndOwner = AOwner;
  info.pidlRoot = root;
  info.pszDisplayName = name;
  info.lpszTitle = caption.c_str();
  info.lpfn = &BrowseFolderCallback;
  info.lParam = folder.empty() ? 0 : reinterpret_cast<LPARAM>(folder.c_str());
  info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
  if (AEditBox) info.ulFlags |= BIF_EDITBOX;
  if (AShowFiles) info.ulFlags |= BIF_BROWSEINCLUDEFILES;
  if (!ANewFolder) info.ulFlags |= BIF_NONEWFOLDERBUTTON;

  PIDLIST_ABSOLUTE chosen = nullptr;
  {
    TTaskWindowsDisabled disabled;
    chosen = SHBrowseForFolderW(&info);
  }
  if (ole) OleUninitialize();
  if (!chosen) return false;
  TShellMemory chosen_memory(malloc.Get(), chosen);
  if (!SHGetPathFromIDListW(chosen, name)) return false;
  AFolder = ToUtf8(name);
  return true;
}

}  // namespace configurator

#include <windows.h>

#include <cstdio>

#include "platform/console.h"

namespace platform {

namespace {

// True when the standard handle AWhich leads somewhere: a console, a file or
// a pipe the parent handed over.
bool GoesSomewhere(DWORD AWhich) {
  const HANDLE handle = GetStdHandle(AWhich);
  return handle != nullptr && handle != INVALID_HANDLE_VALUE &&
         GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

void ReopenOnConsole(FILE* AStream) {
  FILE* reopened = nullptr;
  if (freopen_s(&reopened, "CONOUT$", "w", AStream) == 0) setvbuf(AStream, nullptr, _IONBF, 0);
}

}  // namespace

void AttachConsoleOutput() {
  // The starting process may have switched Ctrl+C off for this one (a new
  // process group); the console run stops on it.
  SetConsoleCtrlHandler(nullptr, FALSE);
  const bool output = GoesSomewhere(STD_OUTPUT_HANDLE);
  const bool error = GoesSomewhere(STD_ERROR_HANDLE);
  // A console also brings Ctrl+C, so there is one even when both streams
  // were redirected.
  if (!AttachConsole(ATTACH_PARENT_PROCESS) && !AllocConsole()) return;
  if (!output) ReopenOnConsole(stdout);
  if (!error) ReopenOnConsole(stderr);
}

}  // namespace platform

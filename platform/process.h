// The running program: its file and its command line.
//
// Thread safety: both functions may be called from any thread.
#ifndef QUILLORY_PLATFORM_PROCESS_H_
#define QUILLORY_PLATFORM_PROCESS_H_

#include <string>
#include <vector>

namespace platform {

// The full path of the running program's executable file (UTF-8). Throws
// ESystemError when the system cannot tell.
std::string ProgramPath();

// The program's arguments without the program name, in UTF-8. On Windows
// they come from the UTF-16 command line (argv there is in the ANSI code
// page); elsewhere they are AArgv[1..AArgc-1].
std::vector<std::string> ProgramArguments(int AArgc, char** AArgv);

}  // namespace platform

#endif  // QUILLORY_PLATFORM_PROCESS_H_

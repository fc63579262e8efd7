// The process's environment: environment variables, the program's folder and
// the path delimiter of the platform.
//
// Thread safety: the readers may be called from any thread while nobody
// changes the environment.
#ifndef QUILLORY_PLATFORM_ENVIRONMENT_H_
#define QUILLORY_PLATFORM_ENVIRONMENT_H_

#include <optional>
#include <string>

namespace platform {

// The character that separates folders in a path: '\' on Windows, '/'
// elsewhere.
extern const char kPathDelimiter;

// The value of the environment variable AName (UTF-8); nullopt when it is not
// set. A variable set to the empty text yields "".
std::optional<std::string> EnvironmentVariable(const std::string& AName);

// Sets the environment variable AName of this process to AValue, or removes
// it when AValue is nullopt. For tests and tools; not safe while other threads
// read the environment. Returns false when the system refuses.
bool PutEnvironmentVariable(const std::string& AName, const std::optional<std::string>& AValue);

// The folder of the running program's executable file, ending with
// kPathDelimiter. Throws std::system_error when the system cannot tell.
std::string ProgramFolder();

// The folder for data of all users that stands in when no environment
// variable names one: the program's folder on Windows, "/var/lib/" on POSIX
// (where %ProgramData%'s role is played by /var/lib). Ends with
// kPathDelimiter. Throws std::system_error when the system cannot tell.
std::string FallbackDataFolder();

}  // namespace platform

#endif  // QUILLORY_PLATFORM_ENVIRONMENT_H_

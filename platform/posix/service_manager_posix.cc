// Installing the service on POSIX: a systemd unit "<name>.service" in the
// unit folder (/etc/systemd/system unless "-unitdir" says otherwise), enabled
// for the multi-user target the way "systemctl enable" does it: a link in
// "multi-user.target.wants". The service runs in the foreground and reports
// readiness through the notification socket (Type=notify).
//
// A network-facing program that writes files named by remote clients runs
// with least privilege: as the system account "quillory" (created by the
// install into the system's unit folder), the file system read-only but for
// its state directories below /var/lib (the settings store and the default
// client settings folder) and, when moved, the settings store; no home
// folders, a private /tmp, no capabilities, no way to gain privileges, and
// only IPv4, IPv6 and local sockets.
#include <fcntl.h>
#include <pwd.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <stdexcept>

#include "base/ascii.h"
#include "platform/posix/fd.h"
#include "platform/registry.h"
#include "platform/service_control.h"
#include "platform/system_error.h"

namespace platform {

namespace {

constexpr char kSystemUnitDir[] = "/etc/systemd/system";

// The account the service runs as, and the state directories systemd makes
// for it below /var/lib: the settings store's default root and the default
// client settings folder.
constexpr char kServiceAccount[] = "quillory";
constexpr char kStateDirectories[] = "quillory Tarnwick/Quillhaven/ClientConfig";

std::string& UnitDir() {
  static std::string folder = kSystemUnitDir;
  return folder;
}

std::string WantsDir() {
  return UnitDir() + "/multi-user.target.wants";
}

std::string UnitPath(const std::string& AName) {
  return UnitDir() + "/" + AName + ".service";
}

// One argument of ExecStart: '\', '"' and systemd's '%' escaped; enclosed in
// double quotes when it contains a blank.
std::string ExecArgument(const std::string& AText) {
  std::string out;
  for (char c : AText) {
    if (c == '\\' || c == '"') out += '\\';
    if (c == '%') out += '%';
    out += c;
  }
  return AText.find(' ') == std::string::npos ? out : '"' + out + '"';
}

// The settings store's root when "-registry" moved it, as an absolute path;
// empty for the default store.
std::string MovedRegistryRoot() {
  const std::string root = RegistryRoot();
  if (root.empty() || root == kDefaultRegistryRoot) return {};
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(root, error);
  return error ? root : absolute.lexically_normal().string();
}

// The command line of the service: the program and, when the settings store
// was moved with "-registry", the same store, so the installed service reads
// the settings the administrator installed it with.
std::string ExecLine(const std::string& AProgram) {
  std::string line = ExecArgument(AProgram);
  const std::string root = MovedRegistryRoot();
  if (!root.empty()) line += " -registry " + ExecArgument(root);
  return line;
}

// The [Service] lines that confine the service (see the top of the file). A
// moved settings store stays writable; a missing one is no error ("-").
std::string Confinement() {
  std::string lines = std::string("User=") + kServiceAccount + "\nGroup=" + kServiceAccount +
                      "\n"
                      "StateDirectory=" +
                      kStateDirectories +
                      "\n"
                      "ProtectSystem=strict\n"
                      "ProtectHome=yes\n"
                      "PrivateTmp=yes\n"
                      "NoNewPrivileges=yes\n"
                      "CapabilityBoundingSet=\n"
                      "RestrictAddressFamilies=AF_INET AF_INET6 AF_UNIX\n";
  const std::string root = MovedRegistryRoot();
  if (!root.empty()) lines += "ReadWritePaths=-" + ExecArgument(root) + "\n";
  return lines;
}

// Creates the system account of the service, with a group of its own, no
// home folder and no login, unless it exists. Throws ESystemError.
void EnsureServiceAccount() {
  if (::getpwnam(kServiceAccount) != nullptr) return;
  const char* argv[] = {"useradd",       "--system",
                        "--user-group",  "--no-create-home",
                        "--home-dir",    "/nonexistent",
                        "--shell",       "/usr/sbin/nologin",
                        "--comment",     "Quillory Settings Server",
                        kServiceAccount, nullptr};
  pid_t pid = 0;
  const int error =
      ::posix_spawnp(&pid, argv[0], nullptr, nullptr, const_cast<char**>(argv), environ);
  if (error != 0) throw ESystemError(static_cast<uint32_t>(error));
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0) {
    if (errno != EINTR) throw ESystemError(LastSystemError());
  }
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) throw ESystemError(EPERM);
}

// A unit-file value on one line.
std::string OneLine(std::string AText) {
  for (char& c : AText) {
    if (c == '\n' || c == '\r') c = ' ';
  }
  return AText;
}

bool IsUnitDirSwitch(const std::string& AArg) {
  return AArg.size() > 1 && (AArg[0] == '-' || AArg[0] == '/') &&
         base::EqualsIgnoringAsciiCase(std::string_view(AArg).substr(1), "UNITDIR");
}

}  // namespace

struct TServiceManager::TImpl {};

TServiceManager::TServiceManager() {
  if (access(UnitDir().c_str(), W_OK) != 0) throw ESystemError(LastSystemError());
}

TServiceManager::~TServiceManager() = default;

void TServiceManager::Install(const TServiceEntry& AEntry) {
  // A unit written elsewhere (tests) leaves the system's accounts alone.
  if (UnitDir() == kSystemUnitDir) EnsureServiceAccount();
  const std::string path = UnitPath(AEntry.Name);
  const std::string text = "# Installed by \"" + OneLine(AEntry.ExecutablePath) + " -install\"; " +
                           "removed by \"-uninstall\".\n"
                           "[Unit]\n"
                           "Description=" +
                           OneLine(AEntry.DisplayName) +
                           "\n"
                           "After=network.target\n"
                           "\n"
                           "[Service]\n"
                           "Type=notify\n"
                           "NotifyAccess=main\n"
                           "ExecStart=" +
                           ExecLine(AEntry.ExecutablePath) +
                           "\n"
                           "KillMode=mixed\n" +
                           Confinement() +
                           "\n"
                           "[Install]\n"
                           "WantedBy=multi-user.target\n";
  posix::TFd fd(open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644));
  if (!fd.Ok()) throw ESystemError(LastSystemError());
  try {
    if (const int error = posix::WriteAll(fd.Get(), text)) throw ESystemError(error);
    if (const int error = fd.Close()) throw ESystemError(error);
    if (mkdir(WantsDir().c_str(), 0755) != 0 && errno != EEXIST)
      throw ESystemError(LastSystemError());
    if (symlink(path.c_str(), (WantsDir() + "/" + AEntry.Name + ".service").c_str()) != 0) {
      throw ESystemError(LastSystemError());
    }
  } catch (...) {
    fd.Close();
    unlink(path.c_str());
    throw;
  }
}

void TServiceManager::Remove(const std::string& AName) {
  const std::string path = UnitPath(AName);
  struct stat info;
  if (lstat(path.c_str(), &info) != 0) throw ESystemError(LastSystemError());
  const std::string link = WantsDir() + "/" + AName + ".service";
  if (unlink(link.c_str()) != 0 && errno != ENOENT) throw ESystemError(LastSystemError());
  if (unlink(path.c_str()) != 0) throw ESystemError(LastSystemError());
}

bool ApplyUnitDirSwitch(std::vector<std::string>& AArgs) {
  bool found = false;
  for (std::size_t i = 0; i < AArgs.size();) {
    if (!IsUnitDirSwitch(AArgs[i])) {
      ++i;
      continue;
    }
    if (i + 1 >= AArgs.size() || AArgs[i + 1].empty()) {
      throw std::invalid_argument("Der Schalter \"-unitdir\" braucht einen Ordner.");
    }
    UnitDir() = AArgs[i + 1];
    AArgs.erase(AArgs.begin() + static_cast<std::ptrdiff_t>(i),
                AArgs.begin() + static_cast<std::ptrdiff_t>(i) + 2);
    found = true;
  }
  return found;
}

}  // namespace platform

// Installing the service on POSIX: a systemd unit "<name>.service" in the
// unit folder (/etc/systemd/system unless "-unitdir" says otherwise), enabled
// for the multi-user target the way "systemctl enable" does it: a link in
// "multi-user.target.wants". The service runs as root, in the foreground,
// and reports readiness through the notification socket (Type=notify).
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <stdexcept>

#include "platform/registry.h"
#include "platform/service_control.h"
#include "platform/system_error.h"

namespace platform {

namespace {

std::string& UnitDir() {
  static std::string folder = "/etc/systemd/system";
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

// The command line of the service: the program and, when the settings store
// was moved with "-registry", the same store, so the installed service reads
// the settings the administrator installed it with.
std::string ExecLine(const std::string& AProgram) {
  std::string line = ExecArgument(AProgram);
  const std::string root = RegistryRoot();
  if (!root.empty() && root != kDefaultRegistryRoot) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(root, error);
    line += " -registry " + ExecArgument(error ? root : absolute.lexically_normal().string());
  }
  return line;
}

// A unit-file value on one line.
std::string OneLine(std::string AText) {
  for (char& c : AText) {
    if (c == '\n' || c == '\r') c = ' ';
  }
  return AText;
}

void WriteAll(int AFd, const std::string& AText) {
  std::size_t done = 0;
  while (done < AText.size()) {
    ssize_t n = write(AFd, AText.data() + done, AText.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      throw ESystemError(LastSystemError());
    }
    done += static_cast<std::size_t>(n);
  }
}

char Upper(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c;
}

bool IsUnitDirSwitch(const std::string& AArg) {
  static const std::string word = "UNITDIR";
  if (AArg.size() != word.size() + 1 || (AArg[0] != '-' && AArg[0] != '/')) return false;
  for (std::size_t i = 0; i < word.size(); ++i) {
    if (Upper(AArg[i + 1]) != word[i]) return false;
  }
  return true;
}

}  // namespace

struct TServiceManager::TImpl {};

TServiceManager::TServiceManager() {
  if (access(UnitDir().c_str(), W_OK) != 0) throw ESystemError(LastSystemError());
}

TServiceManager::~TServiceManager() = default;

void TServiceManager::Install(const TServiceEntry& AEntry) {
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
                           "KillMode=mixed\n"
                           "\n"
                           "[Install]\n"
                           "WantedBy=multi-user.target\n";
  int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
  if (fd < 0) throw ESystemError(LastSystemError());
  try {
    WriteAll(fd, text);
    if (close(fd) != 0) {
      fd = -1;
      throw ESystemError(LastSystemError());
    }
    fd = -1;
    if (mkdir(WantsDir().c_str(), 0755) != 0 && errno != EEXIST)
      throw ESystemError(LastSystemError());
    if (symlink(path.c_str(), (WantsDir() + "/" + AEntry.Name + ".service").c_str()) != 0) {
      throw ESystemError(LastSystemError());
    }
  } catch (...) {
    if (fd >= 0) close(fd);
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

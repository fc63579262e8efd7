// The error raised by the configuration store, and its message texts.
//
// Thread safety: stateless.
#ifndef QUILLORY_CONFIG_CONFIG_ERROR_H_
#define QUILLORY_CONFIG_CONFIG_ERROR_H_

#include <stdexcept>
#include <string>
#include <string_view>

namespace config {

// A registry value that could not be written or read; what() is the text the
// user sees.
class EConfigError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// "Fehler beim Setzen der Daten für '<AEntry>'": the registry refused a write.
std::string SetDataErrorText(std::string_view AEntry);

// "Fehler beim Holen der Daten für '<AEntry>'": a value that was there could
// not be read.
std::string GetDataErrorText(std::string_view AEntry);

}  // namespace config

#endif  // QUILLORY_CONFIG_CONFIG_ERROR_H_

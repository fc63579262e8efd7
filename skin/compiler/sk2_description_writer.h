// Writes a skin description ("SKINDATA.SK2", layout in
// skin/reader/sk2_format.h): the header, then each record header directly
// followed by its value, then the terminating record (empty name, kind
// boolean, size 0, next offset 0).
//
// Thread safety: one writer per thread.
#ifndef QUILLORY_SKIN_COMPILER_SK2_DESCRIPTION_WRITER_H_
#define QUILLORY_SKIN_COMPILER_SK2_DESCRIPTION_WRITER_H_

#include <cstdint>
#include <span>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "skin/reader/sk2_format.h"

namespace skin {

class TSk2DescriptionWriter {
 public:
  TSk2DescriptionWriter();

  // Append one record. Throws std::invalid_argument for a name longer than
  // 63 characters or a value larger than the format can address.
  void AddBitmap(std::string_view AName, std::span<const std::uint8_t> ABmpStream);
  void AddInteger(std::string_view AName, std::int32_t AValue);
  void AddBool(std::string_view AName, bool AValue);
  void AddText(std::string_view AName, std::string_view AText);
  // Appends a record of any kind with raw value bytes (for tests).
  void AddRecord(std::string_view AName, std::uint8_t AKind, std::span<const std::uint8_t> AValue);

  // The description with its terminating record.
  std::vector<std::uint8_t> Finish();

 private:
  std::vector<std::uint8_t> FData;
};

}  // namespace skin

#endif  // QUILLORY_SKIN_COMPILER_SK2_DESCRIPTION_WRITER_H_

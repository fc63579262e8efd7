// Registry values as text, the way reg.exe reads and shows them: type names
// ("REG_SZ"), data given with /d, and the data column of "query".
//
// Thread safety: stateless functions.
#ifndef QUILLORY_TOOLS_REG_REG_DATA_H_
#define QUILLORY_TOOLS_REG_REG_DATA_H_

#include <cstdint>
#include <optional>
#include <string>

#include "platform/registry.h"

namespace tools {

// The type code of a name such as "REG_DWORD" (any letter case); nullopt for
// a name reg.exe does not know.
std::optional<uint32_t> RegKindOfName(const std::string& AName);

// The name of AKind ("REG_DWORD"); "REG_UNKNOWN" for codes without one.
std::string RegKindName(uint32_t AKind);

// The value of kind AKind that /d AData stands for. REG_DWORD and REG_QWORD
// take decimal or 0x-hex numbers in range, REG_BINARY pairs of hex digits,
// REG_MULTI_SZ items separated by the text ASeparator (reg.exe's default: the
// two characters "\0").
// Nullopt when AData does not fit the kind.
std::optional<platform::TRegValue> ParseRegData(uint32_t AKind, const std::string& AData,
                                                const std::string& ASeparator);

// The data column of "query" for AValue: numbers as 0x-hex, text up to its
// first NUL, REG_MULTI_SZ items joined by "\0", other kinds as hex bytes.
std::string FormatRegData(const platform::TRegValue& AValue);

}  // namespace tools

#endif  // QUILLORY_TOOLS_REG_REG_DATA_H_

#include "tools/reg/reg_data.h"

#include <gtest/gtest.h>

namespace {

using platform::TRegValue;

TEST(RegData, ParsesWhatReg_exeAccepts) {
  struct TCase {
    const char* Type;
    std::string Data, Separator;
    std::optional<std::string> Bytes;  // nullopt: refused
  };
  const std::string sep = "\\0";
  const TCase cases[] = {
      {"REG_DWORD", "7000", sep, std::string("\x58\x1b\0\0", 4)},
      {"reg_dword", "0xFFFFFFFF", sep, std::string(4, '\xff')},
      {"REG_DWORD", "", sep, std::string(4, '\0')},
      {"REG_DWORD", "4294967296", sep, std::nullopt},
      {"REG_DWORD", "12abc", sep, std::nullopt},
      {"REG_DWORD", "-1", sep, std::nullopt},
      {"REG_DWORD", "0x", sep, std::nullopt},
      {"REG_QWORD", "0x0102030405060708", sep, std::string("\x08\x07\x06\x05\x04\x03\x02\x01")},
      {"REG_QWORD", "18446744073709551616", sep, std::nullopt},
      {"REG_SZ", "C:\\x", sep, std::string("C:\\x\0", 5)},
      {"REG_EXPAND_SZ", "", sep, std::string(1, '\0')},
      {"REG_MULTI_SZ", "a\\0bc", sep, std::string("a\0bc\0\0", 6)},
      {"REG_MULTI_SZ", "a#b", "#", std::string("a\0b\0\0", 5)},
      {"REG_MULTI_SZ", "", sep, std::string(1, '\0')},
      {"REG_MULTI_SZ", "a\\0\\0b", sep, std::nullopt},
      {"REG_MULTI_SZ", "a\\0", sep, std::nullopt},
      {"REG_BINARY", "00fFa1", sep, std::string("\x00\xff\xa1", 3)},
      {"REG_BINARY", "0", sep, std::nullopt},
      {"REG_BINARY", "zz", sep, std::nullopt},
      {"REG_NONE", "", sep, std::string()},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(std::string(c.Type) + " " + c.Data);
    std::optional<uint32_t> kind = tools::RegKindOfName(c.Type);
    ASSERT_TRUE(kind);
    std::optional<TRegValue> value = tools::ParseRegData(*kind, c.Data, c.Separator);
    ASSERT_EQ(value.has_value(), c.Bytes.has_value());
    if (value) {
      EXPECT_EQ(value->Data, *c.Bytes);
    }
  }
  EXPECT_FALSE(tools::RegKindOfName("REG_WORD"));
}

TEST(RegData, FormatsTheWayReg_exeShows) {
  EXPECT_EQ(tools::FormatRegData({platform::kRegDword, std::string("\x0a\x1a\0\0", 4)}), "0x1a0a");
  EXPECT_EQ(tools::FormatRegData({platform::kRegSz, std::string("a\0b", 3)}), "a");
  EXPECT_EQ(tools::FormatRegData({platform::kRegMultiSz, std::string("a\0bc\0\0", 6)}), "a\\0bc");
  EXPECT_EQ(tools::FormatRegData({platform::kRegBinary, std::string("\x00\xff", 2)}), "00FF");
  EXPECT_EQ(tools::FormatRegData({platform::kRegDword, "\x01"}), "01");  // damaged: raw bytes
  EXPECT_EQ(tools::RegKindName(42), "REG_UNKNOWN");
}

}  // namespace

// Builds version resources byte by byte, the way resource compilers lay
// them out, for tests and fuzz seeds.
#ifndef QUILLORY_CONFIG_TESTS_VERSION_RESOURCE_BUILDER_H_
#define QUILLORY_CONFIG_TESTS_VERSION_RESOURCE_BUILDER_H_

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace config::testing {

class TVersionResourceBuilder {
 public:
  TVersionResourceBuilder& FileVersion(uint16_t A, uint16_t B, uint16_t C, uint16_t D) {
    FFile[0] = (uint32_t{A} << 16) | B;
    FFile[1] = (uint32_t{C} << 16) | D;
    return *this;
  }
  TVersionResourceBuilder& ProductVersion(uint16_t A, uint16_t B, uint16_t C, uint16_t D) {
    FProduct[0] = (uint32_t{A} << 16) | B;
    FProduct[1] = (uint32_t{C} << 16) | D;
    return *this;
  }
  TVersionResourceBuilder& Signature(uint32_t AValue) {
    FSignature = AValue;
    return *this;
  }
  // Adds a string table (ASCII names and texts) for the language key ALang.
  TVersionResourceBuilder& Table(std::string ALang,
                                 std::vector<std::pair<std::string, std::string>> AEntries) {
    FTables.emplace_back(std::move(ALang), std::move(AEntries));
    return *this;
  }

  std::vector<uint8_t> Build() const {
    std::vector<uint8_t> out;
    const size_t root = Begin(out, "VS_VERSION_INFO", 52, 0);
    const uint32_t fixed[13] = {FSignature,  0x00010000, FFile[0], FFile[1], FProduct[0],
                                FProduct[1], 0x3F,       0,        0x40004,  1,
                                0,           0,          0};
    for (uint32_t v : fixed) PutDoubleWord(out, v);
    if (!FTables.empty()) {
      Align(out);
      const size_t info = Begin(out, "StringFileInfo", 0, 1);
      for (const auto& [lang, entries] : FTables) {
        Align(out);
        const size_t table = Begin(out, lang, 0, 1);
        for (const auto& [name, text] : entries) {
          Align(out);
          const size_t entry = Begin(out, name, static_cast<uint16_t>(text.size() + 1), 1);
          PutText(out, text);
          End(out, entry);
        }
        End(out, table);
      }
      End(out, info);
    }
    End(out, root);
    return out;
  }

 private:
  static void PutWord(std::vector<uint8_t>& AOut, uint16_t AValue) {
    AOut.push_back(static_cast<uint8_t>(AValue));
    AOut.push_back(static_cast<uint8_t>(AValue >> 8));
  }
  static void PutDoubleWord(std::vector<uint8_t>& AOut, uint32_t AValue) {
    PutWord(AOut, static_cast<uint16_t>(AValue));
    PutWord(AOut, static_cast<uint16_t>(AValue >> 16));
  }
  static void PutText(std::vector<uint8_t>& AOut, const std::string& AText) {
    for (char c : AText) PutWord(AOut, static_cast<uint8_t>(c));
    PutWord(AOut, 0);
  }
  static void Align(std::vector<uint8_t>& AOut) {
    while (AOut.size() % 4) AOut.push_back(0);
  }
  // Writes a block header and key; returns the block's start for End().
  static size_t Begin(std::vector<uint8_t>& AOut, const std::string& AKey, uint16_t AValueLength,
                      uint16_t AType) {
    const size_t start = AOut.size();
    PutWord(AOut, 0);
    PutWord(AOut, AValueLength);
    PutWord(AOut, AType);
    PutText(AOut, AKey);
    Align(AOut);
    return start;
  }
  static void End(std::vector<uint8_t>& AOut, size_t AStart) {
    const size_t length = AOut.size() - AStart;
    AOut[AStart] = static_cast<uint8_t>(length);
    AOut[AStart + 1] = static_cast<uint8_t>(length >> 8);
  }

  uint32_t FSignature = 0xFEEF04BD;
  uint32_t FFile[2] = {0, 0};
  uint32_t FProduct[2] = {0, 0};
  std::vector<std::pair<std::string, std::vector<std::pair<std::string, std::string>>>> FTables;
};

}  // namespace config::testing

#endif  // QUILLORY_CONFIG_TESTS_VERSION_RESOURCE_BUILDER_H_

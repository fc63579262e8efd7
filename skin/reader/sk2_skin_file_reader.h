// Tsk2SkinFileReader: loads a whole skin file (archive, description, every
// value) into keyed lists.
//
// Key names compare case-insensitively (ASCII). Bitmaps are owned by the
// reader; GetBitmap hands out pointers that stay valid until the reader is
// destroyed or the bitmap is replaced by SetBitmap.
//
// Thread safety: none; one thread uses a reader at a time.
#ifndef QUILLORY_SKIN_READER_SK2_SKIN_FILE_READER_H_
#define QUILLORY_SKIN_READER_SK2_SKIN_FILE_READER_H_

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "skin/bitmap/bitmap.h"
#include "skin/reader/sk2_format.h"

namespace skin {

// Loading a skin failed; what() is "Wrong password!" or
// "Failed to read skin file!".
class ESkinReadError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

inline constexpr char kWrongPassword[] = "Wrong password!";
inline constexpr char kFailedToReadSkinFile[] = "Failed to read skin file!";

// Orders names ignoring ASCII case.
struct TNameLess {
  using is_transparent = void;
  bool operator()(std::string_view A, std::string_view B) const;
};

class Tsk2SkinFileReader {
 public:
  // Largest skin description accepted (the shipped one is about 170 KB).
  static constexpr std::uint64_t kMaxDescriptionSize = 64u << 20;

  // One loaded record, in file order.
  struct TRecord {
    std::string Name;
    sk2::TRecordKind Kind;
  };

  // Loads the skin file AFileName, decrypting with APassword when needed.
  // The description is extracted into a temporary file (created
  // exclusively, named by a new GUID, removed again on every path). Throws
  // ESkinReadError with kWrongPassword or kFailedToReadSkinFile.
  Tsk2SkinFileReader(const std::filesystem::path& AFileName, std::string_view APassword);

  // Loads a skin description already extracted. Throws ESkinReadError with
  // kFailedToReadSkinFile when it is malformed: a header size other than
  // 24, a record or value outside the data, a record chain that comes back
  // to a record already read, or a bitmap that does not load.
  static std::unique_ptr<Tsk2SkinFileReader> FromDescription(
      std::span<const std::uint8_t> ADescription);

  // The bitmap stored under AKey, or null.
  TBitmap* GetBitmap(std::string_view AKey) const;
  // The integer under AKey, or -1 when absent.
  std::int32_t GetInteger(std::string_view AKey) const;
  // True when the switch under AKey is stored nonzero; false when absent.
  bool GetBool(std::string_view AKey) const;
  // The text under AKey, or empty.
  std::string GetStr(std::string_view AKey) const;

  // Replaces the bitmap under AKey with a copy of ABitmap; an absent key is
  // not added.
  void SetBitmap(std::string_view AKey, const TBitmap& ABitmap);
  // Store the value, adding the key when absent.
  void SetBool(std::string_view AKey, bool AValue);
  void SetInteger(std::string_view AKey, std::int32_t AValue);

  // Makes every stored bitmap transparent with the fixed colour ATransColor.
  void ProcessTransparentColor(TColor ATransColor);

  // The records loaded, in the order of the file.
  const std::vector<TRecord>& Records() const { return m_Records; }
  std::size_t BitmapCount() const { return m_BitmapList.size(); }
  std::size_t IntegerCount() const { return m_IntegerList.size(); }
  std::size_t BooleanCount() const { return m_BooleanList.size(); }
  std::size_t TextCount() const { return m_StrList.size(); }

 private:
  Tsk2SkinFileReader() = default;
  void Load(std::span<const std::uint8_t> ADescription);

  std::map<std::string, std::unique_ptr<TBitmap>, TNameLess> m_BitmapList;
  std::map<std::string, std::int32_t, TNameLess> m_IntegerList;
  std::map<std::string, bool, TNameLess> m_BooleanList;
  std::map<std::string, std::string, TNameLess> m_StrList;
  std::vector<TRecord> m_Records;
};

}  // namespace skin

#endif  // QUILLORY_SKIN_READER_SK2_SKIN_FILE_READER_H_

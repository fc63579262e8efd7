// TzelSkinReader: the keyed reader the skin engine paints from. It holds the
// current skin (a Tsk2SkinFileReader) and answers lookups by key, with
// defaults while no skin is loaded.
//
// Thread safety: none; the engine's thread owns it.
#ifndef QUILLORY_SKIN_READER_ZEL_SKIN_READER_H_
#define QUILLORY_SKIN_READER_ZEL_SKIN_READER_H_

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string_view>

#include "skin/bitmap/bitmap.h"
#include "skin/reader/sk2_skin_file_reader.h"
#include "skin/reader/skin2_define.h"

namespace skin {

class TzelSkinReader {
 public:
  // Not ready, no skin.
  TzelSkinReader() = default;
  // Not ready, then LoadSkin(AFileName, APassword); throws as LoadSkin.
  TzelSkinReader(const std::filesystem::path& AFileName, std::string_view APassword);

  // Drops the current skin, then loads AFileName. A missing file (or a
  // folder of that name) leaves the reader not ready. A loaded skin has every bitmap made
  // transparent with its "SKIN2_TRANSCOLOR", and the transparent pixels of "SKIN2_TRACKBAR" turned
  // into "SKIN2_FORMCOLOR"; the reader is then ready. Both cases end with the change notification.
  // A skin that fails to load leaves the reader not ready and throws ESkinReadError (no
  // notification).
  void LoadSkin(const std::filesystem::path& AFileName, std::string_view APassword);

  // True once a skin has been loaded successfully.
  bool Ready() const { return m_Ready; }

  // Called after every load that does not throw.
  void SetOnChanged(std::function<void()> AOnChanged) { m_OnChanged = std::move(AOnChanged); }

  // Lookups: -1, false or null when no skin is loaded or the key is absent.
  std::int32_t GetColor(TSkinColorKey AKey) const;
  std::int32_t GetInteger(TSkinIntegerKey AKey) const;
  bool GetBool(TSkinBoolKey AKey) const;
  TBitmap* GetBitmap(TSkinBitmapKey AKey) const;

  // Forwarded to the loaded skin (colours and integers both to its
  // integers); ignored when none is loaded.
  void SetColor(TSkinColorKey AKey, TColor AValue);
  void SetInteger(TSkinIntegerKey AKey, std::int32_t AValue);
  void SetBool(TSkinBoolKey AKey, bool AValue);
  void SetBitmap(TSkinBitmapKey AKey, const TBitmap& ABitmap);

  // The loaded skin, or null.
  Tsk2SkinFileReader* FileReader() const { return m_SK2Reader.get(); }

 private:
  std::unique_ptr<Tsk2SkinFileReader> m_SK2Reader;
  bool m_Ready = false;
  std::function<void()> m_OnChanged;
};

}  // namespace skin

#endif  // QUILLORY_SKIN_READER_ZEL_SKIN_READER_H_

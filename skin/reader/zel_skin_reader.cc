#include "skin/reader/zel_skin_reader.h"

#include <system_error>

#include "skin/bitmap/image_routines.h"

namespace skin {

TzelSkinReader::TzelSkinReader(const std::filesystem::path& AFileName, std::string_view APassword) {
  LoadSkin(AFileName, APassword);
}

void TzelSkinReader::LoadSkin(const std::filesystem::path& AFileName, std::string_view APassword) {
  m_SK2Reader.reset();
  m_Ready = false;
  // A folder is no skin file: it counts as missing.
  std::error_code error;
  if (std::filesystem::exists(AFileName, error) &&
      !std::filesystem::is_directory(AFileName, error)) {
    m_SK2Reader = std::make_unique<Tsk2SkinFileReader>(AFileName, APassword);
    const TColor trans = static_cast<TColor>(GetColor(TSkinColorKey::TransColor));
    m_SK2Reader->ProcessTransparentColor(trans);
    if (TBitmap* track = m_SK2Reader->GetBitmap(SkinKeyName(TSkinBitmapKey::TrackBar))) {
      ReplaceColor(*track, trans, static_cast<TColor>(GetColor(TSkinColorKey::FormColor)));
    }
    m_Ready = true;
  }
  if (m_OnChanged) m_OnChanged();
}

std::int32_t TzelSkinReader::GetColor(TSkinColorKey AKey) const {
  return m_SK2Reader ? m_SK2Reader->GetInteger(SkinKeyName(AKey)) : -1;
}

std::int32_t TzelSkinReader::GetInteger(TSkinIntegerKey AKey) const {
  return m_SK2Reader ? m_SK2Reader->GetInteger(SkinKeyName(AKey)) : -1;
}

bool TzelSkinReader::GetBool(TSkinBoolKey AKey) const {
  return m_SK2Reader && m_SK2Reader->GetBool(SkinKeyName(AKey));
}

TBitmap* TzelSkinReader::GetBitmap(TSkinBitmapKey AKey) const {
  return m_SK2Reader ? m_SK2Reader->GetBitmap(SkinKeyName(AKey)) : nullptr;
}

void TzelSkinReader::SetColor(TSkinColorKey AKey, TColor AValue) {
  if (m_SK2Reader) m_SK2Reader->SetInteger(SkinKeyName(AKey), static_cast<std::int32_t>(AValue));
}

void TzelSkinReader::SetInteger(TSkinIntegerKey AKey, std::int32_t AValue) {
  if (m_SK2Reader) m_SK2Reader->SetInteger(SkinKeyName(AKey), AValue);
}

void TzelSkinReader::SetBool(TSkinBoolKey AKey, bool AValue) {
  if (m_SK2Reader) m_SK2Reader->SetBool(SkinKeyName(AKey), AValue);
}

void TzelSkinReader::SetBitmap(TSkinBitmapKey AKey, const TBitmap& ABitmap) {
  if (m_SK2Reader) m_SK2Reader->SetBitmap(SkinKeyName(AKey), ABitmap);
}

}  // namespace skin

// Names of the Configurator's resources (configurator.rc).
#ifndef QUILLORY_CONFIGURATOR_WINDOW_RESOURCES_H_
#define QUILLORY_CONFIGURATOR_WINDOW_RESOURCES_H_

#ifndef RC_INVOKED
#include <windows.h>
#endif

#define QUILLORY_RES_BANNER L"BANNER" /* RCDATA: the About page's banner (JPEG) */
#define QUILLORY_RES_LEDS L"LEDS"     /* BITMAP: red, green, yellow light, 16 x 16 each */
#define QUILLORY_RES_GLYPHS L"GLYPHS" /* BITMAP: retry, ignore, no glyph, 16 x 16 each */

#ifndef RC_INVOKED
namespace configurator {
inline constexpr const wchar_t* kBannerJpeg = QUILLORY_RES_BANNER;
inline constexpr const wchar_t* kLedsBitmap = QUILLORY_RES_LEDS;
inline constexpr const wchar_t* kGlyphsBitmap = QUILLORY_RES_GLYPHS;
// The colour that the bitmaps use for "transparent".
inline constexpr COLORREF kMaskColor = RGB(255, 0, 255);
// The pictures of imgl_Server and of the glyph list.
inline constexpr int kLedRed = 0;
inline constexpr int kLedGreen = 1;
inline constexpr int kLedYellow = 2;
inline constexpr int kGlyphRetry = 0;
inline constexpr int kGlyphIgnore = 1;
inline constexpr int kGlyphNo = 2;
}  // namespace configurator
#endif

#endif  // QUILLORY_CONFIGURATOR_WINDOW_RESOURCES_H_

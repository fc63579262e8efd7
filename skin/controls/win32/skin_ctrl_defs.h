// The rows this module puts into the engine's two wrapper tables, in the
// tables' order (a later row wins over an earlier, more general one).
// Classes whose wrapper is not written yet have no row, so they keep their
// own look.
//
// Thread safety: call once at start-up, on the engine's thread.
#ifndef QUILLORY_SKIN_CONTROLS_WIN32_SKIN_CTRL_DEFS_H_
#define QUILLORY_SKIN_CONTROLS_WIN32_SKIN_CTRL_DEFS_H_

#include <span>

#include "skin/engine/skin_engine.h"

namespace skin {

// The toolkit rows and the native rows.
std::span<const TzelSkinCtrlVCLDef> SkinControlVCLDefs();
std::span<const TzelSkinCtrlWndDef> SkinControlWndDefs();

// Appends both through RegisterSkinCtrlVCLDefs / RegisterSkinCtrlWndDefs.
void RegisterSkinControlDefs();

}  // namespace skin

#endif  // QUILLORY_SKIN_CONTROLS_WIN32_SKIN_CTRL_DEFS_H_

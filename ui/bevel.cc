#include "ui/bevel.h"

namespace ui {

TBevel::TBevel(const TBevelArgs& AArgs) : TWidget(AArgs.Widget), FShape(AArgs.Shape) {
  const DWORD shape = AArgs.Shape == TBevelShape::Box       ? SS_ETCHEDFRAME
                      : AArgs.Shape == TBevelShape::TopLine ? SS_ETCHEDHORZ
                                                            : SS_ETCHEDVERT;
  CreateHandle(L"STATIC", WS_VISIBLE | shape, 0);
}

}  // namespace ui

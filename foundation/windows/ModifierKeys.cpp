#include "foundation/windows/ModifierKeys.h"

int GetModifierKeyFlags()
{
    int flags = 0;
    if (::GetKeyState(VK_SHIFT) < 0)
        flags |= MK_SHIFT;
    if (::GetKeyState(VK_CONTROL) < 0)
        flags |= MK_CONTROL;
    return flags;
}

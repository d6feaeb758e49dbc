#include "foundation/system/SoundBeep.h"

#include <windows.h>

void SoundBeep()
{
    ::MessageBeep(0xFFFFFFFF);
}

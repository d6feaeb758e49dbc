#include "foundation/system/WindowsVersionCode.h"

int WindowsVersionCode = 0;

unsigned long GetMaxEditTextLength()
{
    return WindowsVersionCode < WindowsNT4Code ? 65535UL : 0x400000UL;
}

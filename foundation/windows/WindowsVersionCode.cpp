#include "foundation/windows/WindowsVersionCode.h"

int WindowsVersionCode = 0;

unsigned long GetMaxEditTextLength()
{
    return WindowsVersionCode < 5 ? 65535UL : 0x400000UL;
}

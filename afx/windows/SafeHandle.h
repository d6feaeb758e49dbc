// Lets "GetSafe..." accessors answer null for a null object pointer, as
// program code calls them on pointers that may be null. The empty asm hides
// that 'this' is never null from the optimiser, which would otherwise drop
// the check.
#pragma once

template <class T>
inline const T* AfxOpaquePointer(const T* p)
{
    __asm__("" : "+r"(p));
    return p;
}

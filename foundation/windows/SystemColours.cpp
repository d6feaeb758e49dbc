#include "foundation/windows/SystemColours.h"

#include "foundation/system/WindowsVersionCode.h"

#include <memory>

namespace
{
    const int tableSize = 31;

    COLORREF colours[tableSize];
    bool loaded = false;
    int highestIndex = 24;
    std::unique_ptr<CPen> pens[tableSize];
    std::unique_ptr<CBrush> brushes[tableSize];

    int HighestIndexForVersion()
    {
        if (WindowsVersionCode >= WindowsXPCode)
            return 30;
        if (WindowsVersionCode == Windows2000Code)
            return 28;
        return 24;
    }

    void DeleteObjectsUpTo(int highest)
    {
        for (int i = 0; i <= highest && i < tableSize; ++i)
        {
            pens[i].reset();
            brushes[i].reset();
        }
    }

    void EnsureLoaded()
    {
        if (!loaded)
            LoadSystemColours();
    }
}

void LoadSystemColours()
{
    DeleteObjectsUpTo(highestIndex);
    highestIndex = HighestIndexForVersion();
    for (int i = 0; i <= highestIndex; ++i)
        colours[i] = ::GetSysColor(i);
    loaded = true;
}

COLORREF GetSystemColour(int index)
{
    EnsureLoaded();
    // Entries above the running version's highest index are never read.
    if (index < 0 || index >= tableSize)
        return 0;
    return colours[index];
}

int GetHighestSystemColourIndex()
{
    EnsureLoaded();
    return highestIndex;
}

CPen* GetSystemColourPen(int index)
{
    EnsureLoaded();
    if (index < 0 || index >= tableSize)
        return NULL;
    if (pens[index] == NULL)
        pens[index] = std::make_unique<CPen>(PS_SOLID, 1, GetSystemColour(index));
    return pens[index].get();
}

CBrush* GetSystemColourBrush(int index)
{
    EnsureLoaded();
    if (index < 0 || index >= tableSize)
        return NULL;
    if (brushes[index] == NULL)
        brushes[index] = std::make_unique<CBrush>(GetSystemColour(index));
    return brushes[index].get();
}

void ReleaseSystemColourObjects()
{
    DeleteObjectsUpTo(tableSize - 1);
}

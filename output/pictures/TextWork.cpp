#include "output/pictures/TextWork.h"

#include <bitset>

unsigned DistinctCharacters(const BYTE* text, unsigned count, bool wide)
{
    std::bitset<1024> seen;
    unsigned distinct = 0;
    for (unsigned i = 0; i < count && distinct < seen.size(); ++i)
    {
        unsigned character = text[wide ? 2 * i : i];
        if (wide)
            character |= (unsigned)text[2 * i + 1] << 8;
        if (!seen.test(character % seen.size()))
        {
            seen.set(character % seen.size());
            ++distinct;
        }
    }
    return distinct;
}

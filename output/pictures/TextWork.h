#pragma once

#include "afx/app/AfxWin.h"

#include <bitset>

// The character at 'index' of a text of bytes, or of wide characters stored
// low byte first.
inline unsigned CharacterAt(const BYTE* text, unsigned index, bool wide)
{
    return wide ? text[2 * index] | (unsigned)text[2 * index + 1] << 8 : text[index];
}

// How many different characters a text holds (of 'count' bytes or wide
// characters), counted in a table of 1,024 places: characters that share a
// place count once, which is near enough for an estimate.
inline unsigned DistinctCharacters(const BYTE* text, unsigned count, bool wide)
{
    std::bitset<1024> seen;
    unsigned distinct = 0;
    for (unsigned i = 0; i < count && distinct < seen.size(); ++i)
    {
        const unsigned place = CharacterAt(text, i, wide) % seen.size();
        distinct += !seen.test(place);
        seen.set(place);
    }
    return distinct;
}

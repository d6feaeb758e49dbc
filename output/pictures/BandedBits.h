#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

// A bit for each pixel of a box width x height, kept a band of rows at a
// time and made only when a bit in the band is first set, so that rows never
// reached hold nothing. Coordinates are the box's own, from (0, 0).
class CBandedBits
{
public:
    static const int BandRows = 32;

    CBandedBits(int width, int height)
        : m_words(((size_t)width + 31) / 32), m_bands(((size_t)height + BandRows - 1) / BandRows)
    {
    }

    // The words of the row, a bit a pixel from the lowest; null where no bit
    // of its band is set.
    const uint32_t* Row(int y) const
    {
        const std::vector<uint32_t>& band = m_bands[(size_t)y / BandRows];
        return band.empty() ? nullptr : &band[RowAt(y)];
    }
    // The words of the row, its band made where it had none.
    uint32_t* MadeRow(int y)
    {
        std::vector<uint32_t>& band = m_bands[(size_t)y / BandRows];
        if (band.empty())
            band.assign(m_words * BandRows, 0);
        return &band[RowAt(y)];
    }
    // Sets the bits from 'left' up to 'right' of the row.
    void SetSpan(int left, int right, int y)
    {
        uint32_t* row = MadeRow(y);
        for (int x = left; x < right; ++x)
            row[x / 32] |= 1u << (x % 32);
    }
    // The first pixel from 'from' up to 'limit' whose bit is 'set' in the
    // row's words (null: none set); 'limit' where there is none.
    static int Next(const uint32_t* row, int from, int limit, bool set)
    {
        while (from < limit)
        {
            const uint32_t word = row == nullptr ? 0 : row[from / 32];
            const uint32_t looked = (set ? word : ~word) >> (from % 32);
            if (looked != 0)
                return std::min(limit, from + __builtin_ctz(looked));
            from += 32 - from % 32;
        }
        return limit;
    }
    // The pixel after the last before 'from', down to 'limit', whose bit is
    // not set; 'limit' where all are.
    static int StartOfSet(const uint32_t* row, int from, int limit)
    {
        while (from > limit)
        {
            const int last = from - 1;
            const uint32_t word = row == nullptr ? 0 : row[last / 32];
            const uint32_t clear = ~word << (31 - last % 32);
            if (clear != 0)
                return std::max(limit, from - __builtin_clz(clear));
            from = last - last % 32;
        }
        return limit;
    }

private:
    size_t RowAt(int y) const { return (size_t)(y % BandRows) * m_words; }

    size_t m_words;
    std::vector<std::vector<uint32_t>> m_bands;
};

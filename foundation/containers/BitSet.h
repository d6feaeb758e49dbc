#pragma once
// A set of numbered bits: bit i is 1 << (i mod 8) of byte i / 8. The count
// of set bits is recounted by every change of size and kept up to date by
// the single-bit operations.
#include "afx/core/AfxCore.h"

class CBitSet : public CObject
{
    DECLARE_SERIAL(CBitSet)

public:
    CBitSet() : m_pBits(NULL), m_nBitCount(0), m_nSetCount(0) {}
    ~CBitSet() override;

    // Resizes to n bits: bits that come into use are cleared, 0 releases the
    // bytes. Returns the new count of set bits.
    int SetSize(UINT n);
    // Number of 1 bits among the first GetSize() bits.
    int CountSetBits() const;

    UINT GetSize() const { return m_nBitCount; }
    int GetSetCount() const { return m_nSetCount; }
    const BYTE* GetBits() const { return m_pBits; }

    BOOL Test(UINT bit) const { return (m_pBits[bit >> 3] >> (bit & 7)) & 1; }
    void Set(UINT bit, BOOL value);
    void SetAll(BOOL value);

    // Stored form: version byte 1, bit count, the bit bytes, set-bit count.
    void Serialize(CArchive& ar) override;

private:
    CBitSet(const CBitSet&) = delete;
    CBitSet& operator=(const CBitSet&) = delete;

    // Written so that bit counts near 2^32 do not wrap round.
    static UINT ByteCount(UINT bits) { return bits / 8 + (bits % 8 != 0 ? 1 : 0); }

    BYTE* m_pBits;
    UINT m_nBitCount;
    int m_nSetCount;
};

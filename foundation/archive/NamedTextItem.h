#pragma once
// A named item of a named-text tree: two numbers and a block of bytes.
#include "afx/core/AfxCore.h"
#include "foundation/files/ByteBuffer.h"

class CNamedTextItem : public CObject
{
    DECLARE_SERIAL(CNamedTextItem)

public:
    CNamedTextItem() { Clear(); }
    ~CNamedTextItem() override { Clear(); }

    // Frees the content, empties the name and zeroes the numbers.
    void Clear();
    // Stored form: version byte 1, the two numbers, the name, the content.
    void Serialize(CArchive& ar) override;

    CByteBuffer m_content;
    int m_nValue1;
    int m_nValue2;
    CString m_strName;
    int m_nTransient; // never stored

private:
    CNamedTextItem(const CNamedTextItem&) = delete;
    CNamedTextItem& operator=(const CNamedTextItem&) = delete;
};

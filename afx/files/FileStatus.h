#pragma once

#include "afx/core/AfxDefs.h"

// What CFile::GetStatus reports of a file: its size, attribute bits (the
// CFile::Attribute values) and full path.
struct CFileStatus
{
    LONG m_size;
    BYTE m_attribute;
    BYTE _m_padding;
    TCHAR m_szFullName[MAX_PATH];
};

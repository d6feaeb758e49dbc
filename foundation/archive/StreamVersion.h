// Each object this program stores begins with one version byte; only version
// 1 has ever been written, so any other byte is a damaged or foreign stream.
#pragma once

#include "afx/files/Archive.h"

const BYTE kStreamVersion = 1;

inline void ReadStreamVersion(CArchive& ar)
{
    BYTE version;
    ar >> version;
    if (version != kStreamVersion)
        AfxThrowArchiveException(CArchiveException::generic);
}

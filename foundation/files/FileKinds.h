#pragma once

#include "afx/core/AfxCore.h"

// Numbered kinds of file, 1 to 20; 0 is no kind. Kinds 18 to 20 are groups.
enum FileKind
{
    FILE_KIND_NONE = 0,
    FILE_KIND_WORD_DOCUMENT = 1,
    FILE_KIND_ENHANCED_METAFILE = 2,
    FILE_KIND_METAFILE = 3,
    FILE_KIND_JPEG = 4,
    FILE_KIND_PNG = 5,
    FILE_KIND_MIROLF_GRAPHICS = 6,
    FILE_KIND_BITMAP = 7,
    FILE_KIND_HTML = 8,
    FILE_KIND_PDF = 9,
    FILE_KIND_HELP = 10,
    FILE_KIND_DLL = 11,
    FILE_KIND_PROGRAM = 12,
    FILE_KIND_STANDARD_GENETICS_CONFIG = 13,
    FILE_KIND_TEXT = 14,
    FILE_KIND_WEB_DATABASE = 15,
    FILE_KIND_XML = 16,
    FILE_KIND_DOCUMENT = 17,
    FILE_KIND_GENETICS_CONFIG_GROUP = 18,
    FILE_KIND_PICTURE_GROUP = 19,
    FILE_KIND_BITMAP_GROUP = 20,
};

CString GetFileKindName(int kind);
CString GetFileKindExtensions(int kind, BOOL firstOnly);
void ExpandFileKindGroup(int kind, CDWordArray& kinds);
int GetFileKindFromName(LPCTSTR fileName);

// Drops the cached name and extension of the program's own document type.
void ReleaseFileKindTexts();

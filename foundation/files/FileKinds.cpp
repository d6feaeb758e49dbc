#include "foundation/files/FileKinds.h"

#include "foundation/text/Tokenizer.h"
#include "foundation/text/Trim.h"

#include <memory>
#include <string.h>

namespace
{
    struct FileKindEntry
    {
        const char* name;
        const char* extensions;
    };

    // Index = kind - 1. Kind 17 and the groups take their texts elsewhere.
    const FileKindEntry fileKinds[20] = {
        {"Word document", "doc"},
        {"enhanced metafile", "emf"},
        {"metafile", "wmf"},
        {"JPEG image", "jpg,jpe,jpeg"},
        {"PNG image", "png"},
        {"Mirolf graphics file", "vqf"},
        {"Windows bitmap", "bmp"},
        {"HTML", "html"},
        {"PDF", "pdf"},
        {"compiled HTML help file", "chm"},
        {"DLL", "dll"},
        {"program", "exe"},
        {"standard genetics configuration", "gen"},
        {"text", "txt,csv"},
        {"Web Database", "dbw"},
        {"XML", "xml"},
        {NULL, NULL},
        {"genetics configuration", ""},
        {"picture", ""},
        {"bitmap", ""},
    };

    const int geneticsConfigGroup[] = {13, 14};
    const int pictureGroup[] = {7, 4, 2, 3, 6, 9};
    const int bitmapGroup[] = {7, 4, 5};

    const int documentTypeString = 103;

    std::unique_ptr<CString> documentName;
    std::unique_ptr<CString> documentExtension;

    // The filter field of the document string: "Name (*.ext)".
    CString DocumentFilterField()
    {
        CString documentString;
        documentString.LoadString(documentTypeString);
        int start = 0;
        for (int field = 0; field < 3; ++field)
        {
            start = documentString.Find('\n', start);
            if (start < 0)
                return CString();
            ++start;
        }
        int end = documentString.Find('\n', start);
        return end < 0 ? documentString.Mid(start) : documentString.Mid(start, end - start);
    }

    const CString& CachedDocumentText(std::unique_ptr<CString>& cache, bool wantExtension)
    {
        if (cache == NULL)
            cache = std::make_unique<CString>();
        if (cache->IsEmpty())
        {
            CString field = DocumentFilterField();
            int start = field.Find("(*.");
            if (start >= 0)
            {
                if (wantExtension)
                {
                    CString rest = field.Mid(start + 3);
                    int end = rest.Find(')');
                    *cache = end >= 0 ? rest.Left(end) : rest;
                }
                else
                {
                    *cache = field.Left(start);
                }
                TrimString(cache.get());
            }
        }
        return *cache;
    }
}

CString GetFileKindName(int kind)
{
    if (kind < 1 || kind > 20)
        return CString("unknown");
    if (kind == FILE_KIND_DOCUMENT)
        return CachedDocumentText(documentName, false);
    return CString(fileKinds[kind - 1].name);
}

CString GetFileKindExtensions(int kind, BOOL firstOnly)
{
    if (kind < 1 || kind > 20)
        return CString("???");
    if (kind == FILE_KIND_DOCUMENT)
        return CachedDocumentText(documentExtension, true);
    CString extensions = fileKinds[kind - 1].extensions;
    if (firstOnly)
    {
        int comma = extensions.Find(',');
        if (comma >= 0)
            extensions = extensions.Left(comma);
    }
    return extensions;
}

void ExpandFileKindGroup(int kind, CDWordArray& kinds)
{
    kinds.RemoveAll();
    const int* members = NULL;
    int count = 0;
    switch (kind)
    {
    case FILE_KIND_GENETICS_CONFIG_GROUP:
        members = geneticsConfigGroup;
        count = (int)(sizeof(geneticsConfigGroup) / sizeof(int));
        break;
    case FILE_KIND_PICTURE_GROUP:
        members = pictureGroup;
        count = (int)(sizeof(pictureGroup) / sizeof(int));
        break;
    case FILE_KIND_BITMAP_GROUP:
        members = bitmapGroup;
        count = (int)(sizeof(bitmapGroup) / sizeof(int));
        break;
    default:
        return;
    }
    for (int i = 0; i < count; ++i)
        kinds.Add((DWORD)members[i]);
}

int GetFileKindFromName(LPCTSTR fileName)
{
    if (fileName == NULL)
        return 0;
    const char* dot = strrchr(fileName, '.');
    if (dot == NULL)
        return 0;
    const char* extension = dot + 1;
    for (int kind = 1; kind <= 20; ++kind)
    {
        CStringArray pieces;
        TokenizeText(GetFileKindExtensions(kind, FALSE), pieces, ',', 2, -1, 0, 0);
        for (int i = 0; i < pieces.GetSize(); ++i)
        {
            if (lstrcmpiA(pieces[i], extension) == 0)
                return kind;
        }
    }
    return 0;
}

void ReleaseFileKindTexts()
{
    documentName.reset();
    documentExtension.reset();
}

#include "framework/windows/PictureFileList.h"

#include "foundation/files/FileKinds.h"
#include "foundation/text/Tokenizer.h"
#include "foundation/windows/OwnedHandle.h"

namespace
{
    // A pattern such as "*.jpe" also matches "dam.jpeg" through its short
    // name, so one file can turn up under two extensions.
    bool IsListed(const CStringArray& names, LPCTSTR name)
    {
        for (INT_PTR i = 0; i < names.GetSize(); i++)
        {
            if (names[i].CompareNoCase(name) == 0)
                return true;
        }
        return false;
    }
}

void ListPictureFilesInFolder(LPCTSTR folder, CStringArray& names)
{
    names.RemoveAll();
    CDWordArray kinds;
    ExpandFileKindGroup(FILE_KIND_PICTURE_GROUP, kinds);
    CString base = folder;
    if (!base.IsEmpty() && base[base.GetLength() - 1] != '\\')
        base += '\\';
    for (INT_PTR k = 0; k < kinds.GetSize(); k++)
    {
        CStringArray extensions;
        TokenizeText(GetFileKindExtensions((int)kinds[k], FALSE), extensions, ',', TOKENIZE_TRIM, -1, 0, 0);
        for (INT_PTR e = 0; e < extensions.GetSize(); e++)
        {
            CString extension = extensions[e];
            WIN32_FIND_DATAA found;
            CFindHandle search(::FindFirstFileA(base + "*." + extension, &found));
            if (!search)
                continue;
            do
            {
                if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 && !IsListed(names, found.cFileName))
                    names.Add(found.cFileName);
            } while (::FindNextFileA(search, &found));
        }
    }
}

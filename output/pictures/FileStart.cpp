#include "output/pictures/FileStart.h"

#include "foundation/files/FileOperations.h"

BOOL ReadFileStart(LPCTSTR path, void* buffer, DWORD count)
{
    FILE* file = OpenFileStream(path, "rb");
    if (file == NULL)
        return FALSE;
    const size_t read = fread(buffer, 1, count, file);
    CloseFileStream(file);
    return read == count;
}

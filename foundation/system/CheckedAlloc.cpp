#include "foundation/system/CheckedAlloc.h"

#include "afx/core/AfxCore.h"

#include <stdlib.h>
#include <string.h>

void* CheckedMalloc(size_t size)
{
    if (size == 0)
        return NULL;
    void* block = malloc(size);
    if (block == NULL)
        AfxThrowMemoryException();
    return block;
}

void* CheckedCalloc(size_t size)
{
    void* block = CheckedMalloc(size);
    if (block != NULL)
        memset(block, 0, size);
    return block;
}

void* CheckedRealloc(void* block, size_t size)
{
    if (size == 0)
    {
        free(block);
        return NULL;
    }
    void* resized = realloc(block, size);
    if (resized == NULL)
        AfxThrowMemoryException();
    return resized;
}

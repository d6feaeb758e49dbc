#include "foundation/text/InlineTextStorage.h"

#include "afx/core/AfxCore.h"

#include <climits>
#include <cstdlib>
#include <cstring>

static bool IsInline(const InlineTextFields& f)
{
    return (unsigned)f.length < (unsigned)(f.inlineCapacity + 1);
}

// A capacity of twice the length must stay a positive int.
static void CheckHeapLength(int n)
{
    if (n > (INT_MAX - 1) / 2)
        AfxThrowMemoryException();
}

char* AllocateInlineText(InlineTextFields f, int n)
{
    if (n <= f.inlineCapacity)
    {
        f.capacity = f.inlineCapacity;
        f.length = n;
        f.inlineChars[n] = '\0';
        return f.inlineChars;
    }
    CheckHeapLength(n);
    char* block = (char*)malloc(2 * (size_t)n + 1);
    if (block == nullptr)
        AfxThrowMemoryException();
    f.heap = block;
    f.capacity = 2 * n;
    f.length = n;
    block[n] = '\0';
    return block;
}

char* ResizeInlineText(InlineTextFields f, int n, int regrowthFloor)
{
    if (n > f.inlineCapacity)
    {
        CheckHeapLength(n);
        if (IsInline(f))
        {
            char* block = (char*)malloc(2 * (size_t)n + 1);
            if (block == nullptr)
                AfxThrowMemoryException();
            if (f.length > 0)
                memcpy(block, f.inlineChars, f.length);
            f.heap = block;
            f.capacity = 2 * n;
        }
        else if (n > f.capacity)
        {
            int capacity = 2 * n < regrowthFloor ? regrowthFloor : 2 * n;
            char* block = (char*)realloc(f.heap, (size_t)capacity + 1);
            if (block == nullptr)
                AfxThrowMemoryException();
            f.heap = block;
            f.capacity = capacity;
        }
        f.length = n;
        f.heap[n] = '\0';
        return f.heap;
    }

    if (!IsInline(f))
    {
        if (n > 0)
            memcpy(f.inlineChars, f.heap, n);
        free(f.heap);
        f.heap = nullptr;
        f.capacity = f.inlineCapacity;
    }
    f.length = n;
    f.inlineChars[n] = '\0';
    return f.inlineChars;
}

#pragma once
// The storage rules shared by the inline text buffers: the text lies in the
// inline array while its length is at most the inline capacity, in a heap
// block beyond that. Where the text lies is decided by the length alone.

struct InlineTextFields
{
    int& length;
    int& capacity;
    char* inlineChars;
    char*& heap;
    int inlineCapacity;
};

// For storage without a heap block: length n, no contents kept; a heap block
// holds 2n characters.
char* AllocateInlineText(InlineTextFields f, int n);

// Length n keeping the first min(old, n) characters. Moving to the heap takes
// 2n; a heap block that must grow takes max(2n, regrowthFloor).
char* ResizeInlineText(InlineTextFields f, int n, int regrowthFloor);

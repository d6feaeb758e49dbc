#pragma once

#include <stddef.h>

// The C runtime's allocation, except that a request that cannot be met raises
// the framework's memory exception instead of answering null.
void* CheckedMalloc(size_t size);
void* CheckedCalloc(size_t size);
void* CheckedRealloc(void* block, size_t size);

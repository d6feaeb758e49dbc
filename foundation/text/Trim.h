#pragma once
// Trimming of whitespace (see Whitespace.h) in place. Each operation returns
// the new length; a null pointer does nothing and returns 0. Buffer forms
// accept -1 for a length measured up to the terminating zero.
#include "afx/core/AfxCore.h"

int TrimString(CString* text);
int TrimStringLeft(CString* text);
int TrimStringRight(CString* text);

// Removes whitespace at both ends, moving the text to the start of the buffer.
int TrimBuffer(char* chars, int length);
// Removes leading whitespace; the buffer must be terminated at the length.
int TrimBufferLeft(char* chars, int length);
// Removes trailing whitespace by writing a terminator.
int TrimBufferRight(char* chars, int length);

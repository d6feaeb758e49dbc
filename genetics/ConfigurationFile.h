#pragma once

#include "afx/core/AfxCore.h"

class CByteBuffer;

// TRUE when the file's first bytes form a sealed file's header: a packed
// length that fits the body, a body of whole cipher blocks and a plain
// length that the packed stream can give. Plain text never does (its first
// four bytes read as a length far beyond any file), so a file that does is a
// sealed file, damaged or not.
BOOL HasSealedHeader(const CByteBuffer& file);

// Reads the lines of a genetics configuration file, sealed or plain text.
// A file with a sealed header is only ever unsealed: when that fails the
// result is the error of an unreadable configuration file, never an attempt
// to read the enciphered bytes as text. Returns the error text, empty on success.
CString ReadConfigurationFile(const char* path, CStringArray& lines);

#pragma once
// Sealed files: a 12-byte header followed by whole 8-byte blocks enciphered
// with TEA, whose first PackedLength bytes are a zlib stream of the plain
// contents. The key's first word changes after every block (it is XORed
// with the block's first plain word); its last word is the key word of the
// kind of file. The sealing tool (tools/seal) writes such files.
#include "afx/core/AfxCore.h"

struct SealedFileHeader
{
    DWORD PackedLength; // length of the zlib stream
    DWORD PlainLength;  // length of the plain contents
    DWORD Checksum;     // CRC32 of the whole file with this word zeroed
};

enum
{
    SealedHeaderSize = 12,
    SealedBlockSize = 8
};

// Key words of the kinds of sealed file.
const DWORD SealKeyGeneticsConfiguration = 0x4E1C7B35;
const DWORD SealKeyVectorPicture = 0xB2D5806F;

// The reader's fixed key words k0, k1, k2.
const DWORD SealKeyConstant0 = 0x7A3F91C4;
const DWORD SealKeyConstant1 = 0x15E8D26B;
const DWORD SealKeyConstant2 = 0xC94B0E57;

// The largest plain length the reader accepts: no file of the program comes
// near it, and it keeps a damaged header from asking for absurd memory.
const DWORD SealedMaxPlainLength = 256u * 1024u * 1024u;
// Deflate cannot expand data by more than about 1032 to 1.
const DWORD SealedMaxExpansion = 1032;

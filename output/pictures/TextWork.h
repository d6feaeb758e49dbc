#pragma once

#include "afx/app/AfxWin.h"

// How many different characters a text holds (of 'count' bytes or wide
// characters), counted in a table of 1,024 places: characters that share a
// place count once, which is near enough for an estimate.
unsigned DistinctCharacters(const BYTE* text, unsigned count, bool wide);

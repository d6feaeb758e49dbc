#pragma once
// Conversions between values and their stored texts: numbers, three-valued
// flags, colours, compass positions, and the character-level text edits.
#include "foundation/values/CharEdits.h"
#include "foundation/values/NumberText.h"
#include "foundation/values/ValueText.h"

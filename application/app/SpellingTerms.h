#pragma once
// The words spelt differently in American and British English, registered as
// terms: the token is the British spelling, the text the spelling chosen.
#include "afx/core/AfxCore.h"

void RegisterSpellingTerms(BOOL american);

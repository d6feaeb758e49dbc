#pragma once
// The choice lists that start-up builds from the standard words, one set per
// pair of opposite words (the first word of the pair always comes first).
// A coded item is a word, a comma and the word's letter: "Female,F".
#include "afx/core/AfxCore.h"

enum ChoicePair
{
    CHOICE_FALSE_TRUE, CHOICE_NO_YES, CHOICE_FEMALE_MALE, CHOICE_FEMALES_MALES, CHOICE_FEMALE_MALE_ANIMAL,
    CHOICE_FEMALES_MALES_ANIMALS, CHOICE_NEUTER_ENTIRE, CHOICE_PAIR_COUNT
};

struct ChoiceLists
{
    CStringArray words;           // the two words
    CStringArray wordsOrThird;    // and "Unknown" ("Don't Know" for No/Yes)
    CStringArray coded;           // the two coded items
    CStringArray codedOrUnknown;  // and the coded "Unknown"; empty for False/True and No/Yes
    CStringArray wordsOrEither;   // the animal pairs only: the two words and "~Either~"
    CStringArray wordsOrBoth;     // the animal pairs only: the two words and "~Both~"
};
extern ChoiceLists PairChoiceLists[CHOICE_PAIR_COUNT];

// Builds every list from the standard words as they stand. A coded animal
// item that shares no field with the plain pair's items (Female/Male for the
// singular, Females/Males for the plural) gets the plain item appended, so
// that "Bitch,B" reads "Bitch,B,Female,F".
void InitChoiceLists();

#include "application/app/ChoiceLists.h"

#include "application/app/AppGlobals.h"
#include "foundation/text/Tokenizer.h"
#include "genetics/ExpandTerms.h"

ChoiceLists PairChoiceLists[CHOICE_PAIR_COUNT];

namespace
{
const int NoPlainPair = -1;

// In the order of ChoicePair.
const struct
{
    StandardWord first, second, third;
    bool codedUnknown;
    int plainPair;  // the pair an animal pair's coded items are compared with
} PairTable[CHOICE_PAIR_COUNT] = {
    {WORD_FALSE, WORD_TRUE, WORD_UNKNOWN, false, NoPlainPair},
    {WORD_NO, WORD_YES, WORD_DONT_KNOW, false, NoPlainPair},
    {WORD_FEMALE, WORD_MALE, WORD_UNKNOWN, true, NoPlainPair},
    {WORD_FEMALES, WORD_MALES, WORD_UNKNOWN, true, NoPlainPair},
    {WORD_FEMALE_ANIMAL, WORD_MALE_ANIMAL, WORD_UNKNOWN, true, CHOICE_FEMALE_MALE},
    {WORD_FEMALE_ANIMALS, WORD_MALE_ANIMALS, WORD_UNKNOWN, true, CHOICE_FEMALES_MALES},
    {WORD_NEUTER, WORD_ENTIRE, WORD_UNKNOWN, true, NoPlainPair},
};

CString Coded(StandardWord word)
{
    return StandardWords[word] + "," + StandardWordLetters[word];
}

CStringArray& Fill(CStringArray& list, std::initializer_list<CString> items)
{
    list.RemoveAll();
    for (const CString& item : items)
        list.Add(item);
    return list;
}

// Whether any comma-separated field of the items is also a field of the
// others (compared case-sensitively).
bool ShareAField(const CStringArray& items, const CStringArray& others)
{
    CStringArray fields, otherFields;
    for (int i = 0; i < items.GetSize(); i++)
        TokenizeText(items[i], fields, ',', 0, -1, 0, 0);
    for (int i = 0; i < others.GetSize(); i++)
        TokenizeText(others[i], otherFields, ',', 0, -1, 0, 0);
    for (int i = 0; i < fields.GetSize(); i++)
        for (int j = 0; j < otherFields.GetSize(); j++)
            if (fields[i] == otherFields[j])
                return true;
    return false;
}
}  // namespace

void InitChoiceLists()
{
    for (int pair = 0; pair < CHOICE_PAIR_COUNT; pair++)
    {
        const auto& row = PairTable[pair];
        ChoiceLists& lists = PairChoiceLists[pair];
        const CString& first = StandardWords[row.first];
        const CString& second = StandardWords[row.second];
        Fill(lists.words, {first, second});
        Fill(lists.wordsOrThird, {first, second, StandardWords[row.third]});
        Fill(lists.coded, {Coded(row.first), Coded(row.second)});
        lists.codedOrUnknown.RemoveAll();
        lists.wordsOrEither.RemoveAll();
        lists.wordsOrBoth.RemoveAll();
        if (row.plainPair != NoPlainPair)
        {
            const CStringArray& plain = PairChoiceLists[row.plainPair].coded;
            if (!ShareAField(lists.coded, plain))
                Fill(lists.coded, {lists.coded[0] + "," + plain[0], lists.coded[1] + "," + plain[1]});
            Fill(lists.wordsOrEither, {first, second, ExpandTerms("~Either~")});
            Fill(lists.wordsOrBoth, {first, second, ExpandTerms("~Both~")});
        }
        if (row.codedUnknown)
            Fill(lists.codedOrUnknown, {lists.coded[0], lists.coded[1], Coded(WORD_UNKNOWN)});
    }
}

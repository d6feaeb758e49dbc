#include "application/app/StartupFigures.h"

#include "application/app/AppGlobals.h"
#include "application/app/ChoiceLists.h"
#include "foundation/files/PathText.h"
#include "foundation/files/ProgramFolder.h"
#include "framework/app/SharedFonts.h"
#include "output/pictures/PictureCache.h"

#include <cstdio>
#include <cstdlib>

namespace
{
const char TestMemoryVariable[] = "KESTROVA_TEST_MEMORY_MB";

// Opens a file of the program folder for writing when the variable is set.
FILE* OpenFiguresFile(const char* name)
{
    return GetTestMemoryMB() != 0 ? std::fopen(JoinPath(ProgramFolder, name), "wb") : NULL;
}

void WriteList(FILE* file, const char* name, const CStringArray& list)
{
    std::fprintf(file, "%s=", name);
    for (int i = 0; i < list.GetSize(); i++)
        std::fprintf(file, "%s%s", i > 0 ? "|" : "", (LPCTSTR)list[i]);
    std::fputc('\n', file);
}

void WriteLists(FILE* file)
{
    const char* const pairs[CHOICE_PAIR_COUNT] = {"FalseTrue",         "NoYes",       "FemaleMale",
                                                  "FemalesMales",      "FemaleMaleAnimal", "FemalesMalesAnimals",
                                                  "NeuterEntire"};
    for (int pair = 0; pair < CHOICE_PAIR_COUNT; pair++)
    {
        const ChoiceLists& lists = PairChoiceLists[pair];
        const struct
        {
            const char* kind;
            const CStringArray& list;
        } kinds[] = {{"words", lists.words},
                     {"wordsOrThird", lists.wordsOrThird},
                     {"coded", lists.coded},
                     {"codedOrUnknown", lists.codedOrUnknown},
                     {"wordsOrEither", lists.wordsOrEither},
                     {"wordsOrBoth", lists.wordsOrBoth}};
        for (const auto& kind : kinds)
            WriteList(file, CString(pairs[pair]) + "." + kind.kind, kind.list);
    }
    WriteList(file, "Titles", TitlesList);
    WriteList(file, "Countries", CountryList);
}

void WriteFonts(FILE* file)
{
    for (const SharedFontEntry& entry : SharedFontTable)
    {
        const CSharedFont& font = *entry.font;
        std::fprintf(file, "%s=%s,%ld,%ld,%ld,%ld\n", entry.name, font.m_logFont.lfFaceName,
                     (long)font.m_logFont.lfHeight, (long)font.m_logFont.lfWeight, (long)font.m_metrics.tmHeight,
                     (long)font.m_metrics.tmWeight);
    }
}
}  // namespace

DWORD GetTestMemoryMB()
{
    const char* value = std::getenv(TestMemoryVariable);
    return value != NULL ? (DWORD)std::strtoul(value, NULL, 10) : 0;
}

void WriteStartupFigures()
{
    if (FILE* file = OpenFiguresFile("StartupFigures.txt"))
    {
        std::fprintf(file, "PhysicalMemoryMB=%lu\nPictureCacheLimit=%lu\n", (unsigned long)GetPhysicalMemoryMB(),
                     (unsigned long)GetPictureCacheLimit());
        std::fclose(file);
    }
    if (FILE* file = OpenFiguresFile("StartupLists.txt"))
    {
        WriteLists(file);
        WriteFonts(file);
        std::fclose(file);
    }
}

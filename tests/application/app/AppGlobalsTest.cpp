// Start-up facts: the grade of the Windows version, the memory size in
// megabytes, and the standard words and name lists taken from the terminology.
#include "application/app/AnimalTerms.h"
#include "application/app/AppGlobals.h"
#include "foundation/terminology/TermsMap.h"
#include "foundation/terminology/TerminologySetup.h"
#include "genetics/ExpandTerms.h"

#include <gtest/gtest.h>

TEST(AppGlobals, WindowsVersionGrades)
{
    const struct
    {
        DWORD major, minor, platform;
        const char* service;
        int grade;
    } cases[] = {
        {4, 0, VER_PLATFORM_WIN32_WINDOWS, " B", 0},   {4, 0, VER_PLATFORM_WIN32_WINDOWS, " C", 1},
        {4, 10, VER_PLATFORM_WIN32_WINDOWS, "", 2},    {4, 10, VER_PLATFORM_WIN32_WINDOWS, " A ", 3},
        {4, 90, VER_PLATFORM_WIN32_WINDOWS, "", 4},    {4, 3, VER_PLATFORM_WIN32_WINDOWS, "", 1},
        {4, 0, VER_PLATFORM_WIN32_NT, "", 5},          {5, 0, VER_PLATFORM_WIN32_NT, "", 6},
        {5, 1, VER_PLATFORM_WIN32_NT, "", 7},          {5, 2, VER_PLATFORM_WIN32_NT, "", 7},
        {6, 0, VER_PLATFORM_WIN32_NT, "", 7},          {3, 51, VER_PLATFORM_WIN32_NT, "", -1},
        {4, 0, VER_PLATFORM_WIN32s, "", -1},
    };
    for (const auto& c : cases)
    {
        OSVERSIONINFOA info = {};
        info.dwMajorVersion = c.major;
        info.dwMinorVersion = c.minor;
        info.dwPlatformId = c.platform;
        lstrcpyA(info.szCSDVersion, c.service);
        EXPECT_EQ(GradeWindowsVersion(info), c.grade) << c.major << "." << c.minor << " '" << c.service << "'";
    }
}

TEST(AppGlobals, PhysicalMemoryRoundsUpToMegabytes)
{
    EXPECT_EQ(MegabytesOfPhysicalMemory(256u << 20), 256u);
    EXPECT_EQ(MegabytesOfPhysicalMemory((256u << 20) + 1), 257u);
    EXPECT_EQ(MegabytesOfPhysicalMemory(0xFFFFFFFF), 4096u);
    EXPECT_GT(GetPhysicalMemoryMB(), 0u);
}

TEST(AppGlobals, WordsAndListsFallBackWhereTheTerminologyIsMalformed)
{
    const struct
    {
        const char* name;
        const char* text;
    } terms[] = {{"MaleLetter", "X"}, {"FemaleLetter", "X"}, {"YesLetter", "Ja"}, {"Unknown", "Unbekannt"},
                 {"Weekdays", "Mo,Di,Mi,Do,Fr,Sa"}, {"Months", "a,b,c,d,e,f,g,h,i,j,k,l"}};
    CString saved[6];
    for (int i = 0; i < 6; i++)
    {
        saved[i] = ExpandTerms(CString("~") + terms[i].name + "~");
        SetTerm(terms[i].name, terms[i].text, FALSE);
    }
    InitStandardWords();
    InitNameLists();
    EXPECT_EQ(StandardWordLetters[WORD_MALE], 'M');
    EXPECT_EQ(StandardWordLetters[WORD_FEMALE], 'F');
    EXPECT_EQ(StandardWordLetters[WORD_YES], 'Y');
    EXPECT_STREQ((LPCTSTR)StandardWords[WORD_UNKNOWN], "Unbekannt");
    EXPECT_EQ(StandardWordLetters[WORD_UNKNOWN], 'U');
    ASSERT_EQ(WeekdayNames.GetSize(), 7);
    EXPECT_STREQ((LPCTSTR)WeekdayNames[0], "Sunday");
    ASSERT_EQ(MonthNames.GetSize(), 12);
    EXPECT_STREQ((LPCTSTR)MonthNames[11], "l");
    for (int i = 0; i < 6; i++)
        SetTerm(terms[i].name, saved[i], FALSE);
    InitStandardWords();
    InitNameLists();
}

TEST(AppGlobals, AnimalWordsOfTipsAndMessagesAreTerms)
{
    InitProductTerms();
    InitDefaultTerms();
    RegisterAnimalTerms();
    const struct
    {
        const char* text;
        const char* expanded;
    } cases[] = {{"~femaleanimal~", "female"}, {"~maleanimal~", "male"}, {"~aanimal~", "an animal"},
                 {"~FemaleAnimal~", "Female"}, {"~MaleAnimalLetter~", "M"}, {"~FemaleAnimalLetter~", "F"}};
    for (const auto& c : cases)
        EXPECT_STREQ((LPCTSTR)ExpandTerms(c.text), c.expanded) << c.text;
}

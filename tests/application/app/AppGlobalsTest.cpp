// Start-up facts: the grade of the Windows version, the memory size in
// megabytes, the standard words and name lists taken from the terminology, and
// what the start-up makes for the preferences, the pictures and drawing.
#include "application/app/AnimalTerms.h"
#include "application/app/AppGlobals.h"
#include "application/app/ChoiceLists.h"
#include "foundation/terminology/TermsMap.h"
#include "foundation/terminology/TerminologySetup.h"
#include "framework/app/SharedFonts.h"
#include "framework/app/SharedPensAndBrushes.h"
#include "framework/messages/MessagePrompt.h"
#include "framework/messages/MessagePrompts.h"
#include "framework/values/CurrencyFormat.h"
#include "framework/values/DateFormats.h"
#include "genetics/ExpandTerms.h"
#include "output/pictures/CachedPicture.h"
#include "output/pictures/PictureCache.h"
#include "support/DeletedObjectLog.h"
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
// A 1 x 1 pixel, 24-bit BMP file.
std::string TinyBmp()
{
    const unsigned char bytes[58] = {'B', 'M', 58, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0, 1, 0, 0, 0, 1, 0,
                                     0, 0, 1, 0, 24, 0, 0, 0, 0, 0, 4, 0, 0, 0, 0x13, 0x0B, 0, 0, 0x13, 0x0B, 0, 0,
                                     0, 0, 0, 0, 0, 0, 0, 0, 0x40, 0x80, 0xC0, 0};
    return std::string(reinterpret_cast<const char*>(bytes), sizeof(bytes));
}

std::string Joined(const CStringArray& list)
{
    std::string text;
    for (int i = 0; i < list.GetSize(); i++)
        text += (i > 0 ? "|" : "") + std::string((LPCTSTR)list[i]);
    return text;
}

// Gives terms other texts (null: no term) while it lives.
class CScopedTerms
{
public:
    explicit CScopedTerms(std::initializer_list<std::pair<const char*, const char*>> terms)
    {
        for (const auto& term : terms)
        {
            Saved saved = {term.first, CString(), false};
            saved.existed = TermsMap.Lookup(term.first, saved.text) != FALSE;
            m_saved.push_back(saved);
            Set(term.first, term.second);
        }
    }
    ~CScopedTerms()
    {
        for (const Saved& saved : m_saved)
            Set(saved.name, saved.existed ? (LPCTSTR)saved.text : NULL);
    }

private:
    struct Saved
    {
        const char* name;
        CString text;
        bool existed;
    };
    static void Set(const char* name, const char* text)
    {
        if (text != NULL)
            SetTerm(name, text, FALSE);
        else
            TermsMap.RemoveKey(name);
    }
    std::vector<Saved> m_saved;
};
}  // namespace

// Loading the preferences keeps a stored date or currency format only when it
// is in these lists, so they must be filled before the preferences load.
TEST(AppGlobals, StartUpFillsTheFormatListsThePromptAndThePictureCache)
{
    CDateFormatLists& dates = DateFormatLists();
    for (CStringArray* list : {&dates.formats, &dates.exportFormats, &dates.importFormats, &dates.displayFormats,
                               &PositiveCurrencyFormatCodes(), &NegativeCurrencyFormatCodes()})
        list->RemoveAll();
    ASSERT_TRUE(InitAppGlobals());
    // The made pens and brush, and the stock brushes the printing pages use.
    LOGPEN pen = {};
    ASSERT_EQ(::GetObjectA(SharedBlackPen(), sizeof(pen), &pen), (int)sizeof(pen));
    EXPECT_EQ(pen.lopnStyle, (UINT)PS_SOLID);
    EXPECT_EQ(pen.lopnWidth.x, 1);
    EXPECT_EQ(pen.lopnColor, RGB(0, 0, 0));
    ASSERT_EQ(::GetObjectA(SharedNullPen(), sizeof(pen), &pen), (int)sizeof(pen));
    EXPECT_EQ(pen.lopnStyle, (UINT)PS_NULL);
    LOGBRUSH brush = {};
    ASSERT_EQ(::GetObjectA(SharedNullBrush(), sizeof(brush), &brush), (int)sizeof(brush));
    EXPECT_EQ(brush.lbStyle, (UINT)BS_NULL);
    // The platform answers a null pen or brush with its stock one; the black
    // pen and the fonts that are not stock ones are made and must be freed at
    // exit.
    const HGDIOBJ blackPen = SharedBlackPen();
    EXPECT_NE(blackPen, ::GetStockObject(BLACK_PEN));
    std::vector<HGDIOBJ> made = {blackPen};
    for (const SharedFontEntry& entry : SharedFontTable)
        if (!entry.font->IsStock())
            made.push_back(entry.font->GetSafeHandle());
    for (const CStringArray* list : {&dates.formats, &dates.exportFormats, &dates.importFormats,
                                     &dates.displayFormats, &PositiveCurrencyFormatCodes(),
                                     &NegativeCurrencyFormatCodes()})
        EXPECT_GT(list->GetSize(), 10);
    const CMessagePrompt* prompt = FindMessagePrompt("PromptSaveSettings");
    ASSERT_NE(prompt, nullptr);
    EXPECT_EQ(prompt->m_flags, (UINT)(MB_YESNOCANCEL | MB_ICONQUESTION));
    EXPECT_STREQ(prompt->m_description, "This is the prompt that asks you whether you wish to save changed settings "
                                        "when the program exits\nSave settings prompt");
    const DWORD quarter = GetPhysicalMemoryMB() / 4;
    EXPECT_EQ(GetPictureCacheLimit(), (quarter < 8 ? 8 : quarter) << 20);

    CScratchFolder folder("app_globals");
    ASSERT_TRUE(folder.WriteFile("tiny.bmp", TinyBmp()));
    {
        CCachedPicture picture;
        ASSERT_TRUE(picture.Load((folder / "tiny.bmp").c_str(), MakePictureLoadOptions(96, 96)));
    }
    ASSERT_EQ(GetPictureCacheSlotCount(), 1) << "an unused picture stays below the limit";
    {
        // The platform answers TRUE for a stock object it is asked to delete
        // and keeps it: only the calls show what the exit gives back.
        CDeletedObjectLog deleted;
        ASSERT_TRUE(deleted.IsRecording());
        ReleaseAppGlobals();
        for (const HGDIOBJ object : made)
            EXPECT_TRUE(object != NULL && deleted.Holds(object)) << "the exit keeps a made object " << object;
        for (int stock = WHITE_BRUSH; stock <= DC_PEN; stock++)
        {
            const HGDIOBJ object = ::GetStockObject(stock);
            EXPECT_FALSE(object != NULL && deleted.Holds(object)) << "the exit deletes stock object " << stock;
        }
    }
    EXPECT_EQ(GetPictureCacheSlotCount(), 0) << "the exit frees the cache";
    for (const HGDIOBJ object : made)
        EXPECT_EQ(::GetObjectType(object), 0u) << "the exit frees what start-up made";
    EXPECT_EQ(SharedNullPen(), ::GetStockObject(NULL_PEN)) << "after the exit the stock objects stand in";
}

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

// The coded animal items take the plain item along only when they share no
// field with the plain pair's items (a renamed word that keeps the letter
// still shares it).
TEST(AppGlobals, CodedAnimalItemsCarryThePlainItemWhenTheyShareNoField)
{
    const struct
    {
        const char *female, *male, *females, *males, *femaleLetter, *maleLetter;
        const char *coded, *codedOrUnknown, *pluralCoded;
    } cases[] = {
        {"Female", "Male", "Females", "Males", "F", "M", "Female,F|Male,M", "Female,F|Male,M|Unknown,U",
         "Females,F|Males,M"},
        {"Bitch", "Dog", "Bitches", "Dogs", "B", "D", "Bitch,B,Female,F|Dog,D,Male,M",
         "Bitch,B,Female,F|Dog,D,Male,M|Unknown,U", "Bitches,B,Females,F|Dogs,D,Males,M"},
        {"Bitch", "Dog", "Bitches", "Dogs", "F", "D", "Bitch,F|Dog,D", "Bitch,F|Dog,D|Unknown,U", "Bitches,F|Dogs,D"},
    };
    for (const auto& c : cases)
    {
        CScopedTerms terms({{"FemaleAnimal", c.female},
                            {"MaleAnimal", c.male},
                            {"FemaleAnimals", c.females},
                            {"MaleAnimals", c.males},
                            {"FemaleAnimalLetter", c.femaleLetter},
                            {"MaleAnimalLetter", c.maleLetter},
                            {"FemaleAnimalsLetter", c.femaleLetter},
                            {"MaleAnimalsLetter", c.maleLetter}});
        InitStandardWords();
        InitChoiceLists();
        EXPECT_EQ(Joined(PairChoiceLists[CHOICE_FEMALE_MALE_ANIMAL].coded), c.coded) << c.female;
        EXPECT_EQ(Joined(PairChoiceLists[CHOICE_FEMALE_MALE_ANIMAL].codedOrUnknown), c.codedOrUnknown) << c.female;
        EXPECT_EQ(Joined(PairChoiceLists[CHOICE_FEMALES_MALES_ANIMALS].coded), c.pluralCoded) << c.female;
    }
    InitStandardWords();
    InitChoiceLists();
}

// Without a country list of its own the terminology's country terms make it.
TEST(AppGlobals, TheCountryListFallsBackToTheCountryTerms)
{
    const struct
    {
        const char* countryList;
        int count;
        const char *first, *last;
    } cases[] = {{"Wales,Cymru (North,South)", 2, "Wales", "Cymru (North,South)"},
                 {"", 30, "Mexico", "Country_UnitedStates"},
                 {NULL, 30, "Mexico", "Country_UnitedStates"}};
    for (const auto& c : cases)
    {
        CScopedTerms terms({{"CountryList", c.countryList}, {"Country_Mexico", "Mexico"}});
        InitTitleAndCountryLists();
        ASSERT_EQ(CountryList.GetSize(), c.count) << (c.countryList ? c.countryList : "(none)");
        EXPECT_STREQ((LPCTSTR)CountryList[0], c.first);
        EXPECT_STREQ((LPCTSTR)CountryList[c.count - 1], c.last);
    }
    InitTitleAndCountryLists();
}

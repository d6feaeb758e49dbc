#include "application/app/AppGlobals.h"

#include "application/app/ChoiceLists.h"
#include "application/app/StartupFigures.h"
#include "foundation/files/TempFiles.h"
#include "foundation/text/Tokenizer.h"
#include "foundation/system/WindowsVersionCode.h"
#include "foundation/windows/SystemColours.h"
#include "framework/app/SharedFonts.h"
#include "framework/app/SharedPensAndBrushes.h"
#include "framework/messages/MessagePrompts.h"
#include "framework/values/CurrencyFormat.h"
#include "framework/values/DateFormats.h"
#include "genetics/ExpandTerms.h"
#include "output/pictures/PictureCache.h"

CString StandardWords[STANDARD_WORD_COUNT];
char StandardWordLetters[STANDARD_WORD_COUNT];
CStringArray WeekdayAbbreviations, WeekdayNames, MonthAbbreviations, MonthNames;
CStringArray TitlesList, CountryList;
HMODULE PsapiModule = NULL;
FARPROC PsapiGetProcessMemoryInfo = NULL;

namespace
{
DWORD CachedMemoryMB = 0;

const struct
{
    const char* token;
    const char* text;
    char letter;
} WordTable[STANDARD_WORD_COUNT] = {
    {"MaleAnimal", "Male", 'M'},    {"FemaleAnimal", "Female", 'F'}, {"MaleAnimals", "Males", 'M'},
    {"FemaleAnimals", "Females", 'F'}, {"Entire", "Entire", 'E'},     {"Neuter", "Neuter", 'N'},
    {"Male", "Male", 'M'},          {"Female", "Female", 'F'},       {"Males", "Males", 'M'},
    {"Females", "Females", 'F'},    {"Yes", "Yes", 'Y'},             {"No", "No", 'N'},
    {"True", "True", 'T'},          {"False", "False", 'F'},         {"None", "None", 'N'},
    {"DontKnow", "Don't Know", 'D'}, {"DontCare", "Don't Care", 'D'}, {"Unknown", "Unknown", 'U'},
    {"Undefined", "Undefined", 'U'},
};

// Pairs whose letters must differ, with the letters they fall back to.
const struct
{
    StandardWord first, second;
} LetterPairs[] = {
    {WORD_YES, WORD_NO},     {WORD_TRUE, WORD_FALSE},     {WORD_MALE_ANIMAL, WORD_FEMALE_ANIMAL},
    {WORD_MALE_ANIMALS, WORD_FEMALE_ANIMALS}, {WORD_MALE, WORD_FEMALE}, {WORD_MALES, WORD_FEMALES},
    {WORD_ENTIRE, WORD_NEUTER},
};

void SplitList(const char* text, CStringArray& list)
{
    list.RemoveAll();
    TokenizeText(text, list, ',', 0, -1, '(', ')');
}

void FillNameList(const char* token, int count, const char* fallback, CStringArray& list)
{
    SplitList(ExpandTerms(token), list);
    if (list.GetSize() != count)
        SplitList(fallback, list);
}

const char Titles[] = "Mr,Mrs,Ms,Miss,Lady,Mr & Mrs,Dr & Mrs,Mr & Dr,Messrs,Misses,Mr and Mrs,Sir,Dr,Prof.,Rev.,"
                      "Professor,Reverend,Captain,Lord";
const char CountryTerms[] =
    "~Country_Mexico~,~Country_NewZealand~,~Country_Canada~,~Country_Australia~,~Country_Austria~,"
    "~Country_Belgium~,~Country_CzechRepublic~,~Country_Denmark~,~Country_Finland~,~Country_France~,"
    "~Country_Germany~,~Country_Greece~,~Country_Hungary~,~Country_Ireland~,~Country_Italy~,~Country_Luxembourg~,"
    "~Country_Malta~,~Country_Netherlands~,~Country_Norway~,~Country_Poland~,~Country_Portugal~,"
    "~Country_Romania~,~Country_Spain~,~Country_Sweden~,~Country_Switzerland~,~Country_Turkey~,"
    "~Country_UnitedKingdom~,~Country_Russia~,~Country_SouthAfrica~,~Country_UnitedStates~";

void Refuse(const char* text)
{
    ::MessageBoxA(NULL, text, NULL, MB_OK);
    ::ExitProcess(0);
}
}  // namespace

int GradeWindowsVersion(const OSVERSIONINFOA& info)
{
    if (info.dwMajorVersion < 4 || info.dwPlatformId == VER_PLATFORM_WIN32s)
        return -1;
    const bool windows9x = info.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS;
    if (info.dwMajorVersion == 4 && windows9x)
    {
        switch (info.dwMinorVersion)
        {
        case 10: return strchr(info.szCSDVersion, 'A') != NULL ? Windows98SeCode : Windows98Code;
        case 90: return WindowsMeCode;
        case 0: return strchr(info.szCSDVersion, 'C') != NULL ? Windows95Osr2Code : Windows95Code;
        default: return Windows95Osr2Code;
        }
    }
    if (info.dwMajorVersion == 4 && info.dwPlatformId == VER_PLATFORM_WIN32_NT)
        return WindowsNT4Code;
    if (info.dwMajorVersion == 5)
        return info.dwMinorVersion == 0 ? Windows2000Code : WindowsXPCode;  // 5.2 counts as XP
    return info.dwMajorVersion > 5 ? WindowsXPCode : Windows95Osr2Code;
}

void DetectWindowsVersion()
{
    OSVERSIONINFOA info = {};
    info.dwOSVersionInfoSize = sizeof(info);
    if (!::GetVersionExA(&info))
        Refuse("Kestrova cannot tell which version of Windows this is, so it cannot run.");
    const int grade = GradeWindowsVersion(info);
    if (grade < 0)
        Refuse("Kestrova needs Windows 95 or later, or Windows NT 4 or later.");
    WindowsVersionCode = grade;
}

void CheckWindowsVersionSupported()
{
    if (WindowsVersionCode == Windows95Code)
        Refuse("Kestrova needs Windows 95 OSR2 or later: please update Windows first.");
}

void ReloadSystemColours()
{
    LoadSystemColours();
}

DWORD MegabytesOfPhysicalMemory(DWORD bytes)
{
    return bytes == 0xFFFFFFFF ? 4096 : (DWORD)(((unsigned long long)bytes + 0xFFFFF) >> 20);
}

DWORD GetPhysicalMemoryMB()
{
    if (CachedMemoryMB == 0)
        CachedMemoryMB = GetTestMemoryMB();
    if (CachedMemoryMB == 0)
    {
        MEMORYSTATUS status = {};
        status.dwLength = sizeof(status);
        ::GlobalMemoryStatus(&status);
        CachedMemoryMB = MegabytesOfPhysicalMemory((DWORD)status.dwTotalPhys);
    }
    return CachedMemoryMB;
}

void InitNameLists()
{
    FillNameList("~WeekdaysAbbrev~", 7, "Sun,Mon,Tue,Wed,Thu,Fri,Sat", WeekdayAbbreviations);
    FillNameList("~Weekdays~", 7, "Sunday,Monday,Tuesday,Wednesday,Thursday,Friday,Saturday", WeekdayNames);
    FillNameList("~MonthsAbbrev~", 12, "Jan,Feb,Mar,Apr,May,Jun,Jul,Aug,Sep,Oct,Nov,Dec", MonthAbbreviations);
    FillNameList("~Months~", 12,
                 "January,February,March,April,May,June,July,August,September,October,November,December", MonthNames);
}

void InitTitleAndCountryLists()
{
    SplitList(Titles, TitlesList);
    // A term that nothing defines expands to its bare name.
    CString countries = ExpandTerms("~CountryList~");
    if (countries.IsEmpty() || countries == "CountryList")
        countries = ExpandTerms(CountryTerms);
    SplitList(countries, CountryList);
}

void InitStandardWords()
{
    for (int i = 0; i < STANDARD_WORD_COUNT; i++)
    {
        StandardWords[i] = ExpandTerms(CString("~") + WordTable[i].token + "~");
        if (StandardWords[i].IsEmpty())
            StandardWords[i] = WordTable[i].text;
        const CString letter = ExpandTerms(CString("~") + WordTable[i].token + "Letter~");
        StandardWordLetters[i] = letter.GetLength() == 1 ? letter[0] : WordTable[i].letter;
    }
    for (const auto& pair : LetterPairs)
    {
        if (StandardWordLetters[pair.first] == StandardWordLetters[pair.second])
        {
            StandardWordLetters[pair.first] = WordTable[pair.first].letter;
            StandardWordLetters[pair.second] = WordTable[pair.second].letter;
        }
    }
}

BOOL InitAppGlobals()
{
    PsapiModule = ::LoadLibraryA("PSAPI.DLL");
    if (PsapiModule != NULL)
        PsapiGetProcessMemoryInfo = ::GetProcAddress(PsapiModule, "GetProcessMemoryInfo");
    InitNameLists();
    InitStandardWords();
    InitChoiceLists();
    InitTitleAndCountryLists();
    CreateSharedPensAndBrushes();
    if (!InitTempFiles())
        return FALSE;
    CreateSharedFonts();
    LoadSystemColours();
    RegisterMessagePrompt("PromptSaveSettings",
                          ExpandTerms("This is the prompt that asks you whether you wish to save changed settings "
                                      "when the program exits\nSave settings prompt"),
                          MB_YESNOCANCEL | MB_ICONQUESTION, 0);
    // Loading the preferences keeps a stored date or currency format only when
    // it is one of these lists: empty lists would reset every one of them.
    InitPictureCache(GetPhysicalMemoryMB());
    InitCurrencyFormatCodes();
    InitDateFormats();
    WriteStartupFigures();
    return TRUE;
}

void ReleaseAppGlobals()
{
    ReleaseTempFiles();
    DeleteSharedFonts();
    DeleteSharedPensAndBrushes();
    ReleaseSystemColourObjects();
    FreePictureCache();
    if (PsapiModule != NULL)
        ::FreeLibrary(PsapiModule);
    PsapiModule = NULL;
    PsapiGetProcessMemoryInfo = NULL;
}

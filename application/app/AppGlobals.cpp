#include "application/app/AppGlobals.h"

#include "foundation/files/PathText.h"
#include "foundation/files/ProgramFolder.h"
#include "foundation/files/TempFiles.h"
#include "foundation/text/Tokenizer.h"
#include "foundation/system/WindowsVersionCode.h"
#include "foundation/windows/SystemColours.h"
#include "framework/menus/MenuFont.h"
#include "framework/messages/MessagePrompts.h"
#include "framework/values/CurrencyFormat.h"
#include "framework/values/DateFormats.h"
#include "genetics/ExpandTerms.h"
#include "output/pictures/PictureCache.h"

#include <cstdio>
#include <cstdlib>

CString StandardWords[STANDARD_WORD_COUNT];
char StandardWordLetters[STANDARD_WORD_COUNT];
CStringArray WeekdayAbbreviations, WeekdayNames, MonthAbbreviations, MonthNames;
CFont FixedGuiFont;
HMODULE PsapiModule = NULL;
FARPROC PsapiGetProcessMemoryInfo = NULL;

namespace
{
DWORD CachedMemoryMB = 0;

// The end-to-end tests start the real program with a memory figure of their
// choosing in this variable and read the start-up's figures back from the
// file of that name in the program folder.
const char TestMemoryVariable[] = "KESTROVA_TEST_MEMORY_MB";
const char TestFiguresFile[] = "StartupFigures.txt";

DWORD GetTestMemoryMB()
{
    const char* value = std::getenv(TestMemoryVariable);
    return value != NULL ? (DWORD)std::strtoul(value, NULL, 10) : 0;
}

void WriteTestFigures()
{
    if (GetTestMemoryMB() == 0)
        return;
    if (FILE* file = std::fopen(JoinPath(ProgramFolder, TestFiguresFile), "wb"))
    {
        std::fprintf(file, "PhysicalMemoryMB=%lu\nPictureCacheLimit=%lu\n", (unsigned long)GetPhysicalMemoryMB(),
                     (unsigned long)GetPictureCacheLimit());
        std::fclose(file);
    }
}

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

void FillNameList(const char* token, int count, const char* fallback, CStringArray& list)
{
    list.RemoveAll();
    TokenizeText(ExpandTerms(token), list, ',', 0, -1, '(', ')');
    if (list.GetSize() != count)
    {
        list.RemoveAll();
        TokenizeText(fallback, list, ',', 0, -1, '(', ')');
    }
}

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
    if (!InitTempFiles())
        return FALSE;
    LOGFONTA guiFont = {};
    ::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof(guiFont), &guiFont);
    LOGFONTA fixed = {};
    fixed.lfHeight = guiFont.lfHeight;
    lstrcpynA(fixed.lfFaceName, "Courier New", LF_FACESIZE);
    FixedGuiFont.CreateFontIndirect(&fixed);
    InitMenuLogFont();
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
    WriteTestFigures();
    return TRUE;
}

void ReleaseAppGlobals()
{
    ReleaseTempFiles();
    FixedGuiFont.DeleteObject();
    ReleaseSystemColourObjects();
    FreePictureCache();
    if (PsapiModule != NULL)
        ::FreeLibrary(PsapiModule);
    PsapiModule = NULL;
    PsapiGetProcessMemoryInfo = NULL;
}

#pragma once
// Application-wide state that start-up makes and exit releases: the Windows
// version grade, the physical memory, PSAPI, the names of weekdays and
// months, the standard words with their one-letter abbreviations and the
// choice lists made of them, the titles and countries, and the shared fonts.
#include "afx/app/AfxWin.h"
#include "framework/app/SharedFonts.h"

// The grade of an OSVERSIONINFO (see WindowsVersionCode); -1 when the system
// is refused (major version below 4, or Win32s).
int GradeWindowsVersion(const OSVERSIONINFOA& info);
// Sets WindowsVersionCode; ends the process with a message on a refused system.
void DetectWindowsVersion();
// Ends the process with a message when the grade is 0 (first Windows 95).
void CheckWindowsVersionSupported();
void ReloadSystemColours();

// Megabytes of a physical memory size in bytes, rounded up; the saturated
// count 0xFFFFFFFF stands for 4096.
DWORD MegabytesOfPhysicalMemory(DWORD bytes);
DWORD GetPhysicalMemoryMB();

enum StandardWord
{
    WORD_MALE_ANIMAL, WORD_FEMALE_ANIMAL, WORD_MALE_ANIMALS, WORD_FEMALE_ANIMALS, WORD_ENTIRE, WORD_NEUTER,
    WORD_MALE, WORD_FEMALE, WORD_MALES, WORD_FEMALES, WORD_YES, WORD_NO, WORD_TRUE, WORD_FALSE, WORD_NONE,
    WORD_DONT_KNOW, WORD_DONT_CARE, WORD_UNKNOWN, WORD_UNDEFINED, STANDARD_WORD_COUNT
};
extern CString StandardWords[STANDARD_WORD_COUNT];
extern char StandardWordLetters[STANDARD_WORD_COUNT];

extern CStringArray WeekdayAbbreviations, WeekdayNames, MonthAbbreviations, MonthNames;
extern CStringArray TitlesList, CountryList;
extern HMODULE PsapiModule;
extern FARPROC PsapiGetProcessMemoryInfo;

// Fills the word and name lists from the terminology (with their English
// defaults where a term is missing or malformed).
void InitStandardWords();
void InitNameLists();
// The country list is the terminology's "CountryList" or, without one, the
// list of the countries' own terms.
void InitTitleAndCountryLists();
// FALSE when the temporary files cannot be set up (then nothing else is made).
BOOL InitAppGlobals();
void ReleaseAppGlobals();

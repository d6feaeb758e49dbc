#pragma once

// The running Windows version as start-up grades it: 0 Windows 95, 1 Windows 95
// OSR2 (and anything unrecognised), 2 Windows 98, 3 Windows 98 SE, 4 Windows Me,
// 5 Windows NT 4, 6 Windows 2000, 7 Windows XP and later. Codes below 5 are the
// Windows 95, 98 and Me family.
extern int WindowsVersionCode;

// The longest text an edit control may hold on the running version.
unsigned long GetMaxEditTextLength();

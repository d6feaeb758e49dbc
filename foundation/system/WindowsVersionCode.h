#pragma once

// The running Windows version as start-up grades it: 0 Windows 95, 1 Windows 95
// OSR2 (and anything unrecognised), 2 Windows 98, 3 Windows 98 SE, 4 Windows Me,
// 5 Windows NT 4, 6 Windows 2000, 7 Windows XP and later. Codes below 5 are the
// Windows 95, 98 and Me family.
extern int WindowsVersionCode;

const int Windows95Code = 0;
const int Windows95Osr2Code = 1;
const int Windows98Code = 2;
const int Windows98SeCode = 3;
const int WindowsMeCode = 4;
const int WindowsNT4Code = 5;
const int Windows2000Code = 6;
const int WindowsXPCode = 7;

// The longest text an edit control may hold on the running version.
unsigned long GetMaxEditTextLength();

#pragma once
// The program's collating order for Windows-1252 text: accented letters rank
// as their base letter. Tables are built on first use.

// -1, 0 or 1 as a sorts before, equal to or after b.
int CollateCompare(const char* a, const char* b);
// The same with 'a'-'z' (and so their accented forms) folded to capitals.
int CollateCompareNoCase(const char* a, const char* b);
// Non-zero for a lower-case letter, including the Windows-1252 letters above
// 127; codes above 255 count as 255.
int IsLowerCaseChar(int code);
// Fills the tables; the operations above call it when needed.
void InitCollationTables();

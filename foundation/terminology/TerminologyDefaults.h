#pragma once

// The built-in wording of the genetics and breeding terms and the words that
// the user may reword.
struct DefaultTerm
{
    const char* name;
    const char* text;   // may hold tokens; expanded when stored
};

extern const DefaultTerm DefaultTermTable[];
extern const int DefaultTermCount;

extern const char* const RenamableTermTable[];
extern const int RenamableTermCount;

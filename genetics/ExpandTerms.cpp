#include "genetics/ExpandTerms.h"

#include "foundation/terminology/TokenExpander.h"

CString ExpandTerms(const char* text)
{
    CString result;
    ExpandTokens(text, result, NULL, NULL, '~', '~');
    return result;
}

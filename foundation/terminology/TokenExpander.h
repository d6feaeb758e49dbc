#pragma once
// Expansion of terminology tokens: "~Name~" becomes the term's text,
// "~Name,2~" its third line; a name that is no term comes out bare.
#include "foundation/terminology/NamedStringMap.h"

// Writes the expansion of source into result and returns result's
// characters (null for a null source). A null map means the terms map; the
// second map, when given, serves names the first lacks. "@" tokens take the
// extra names in order; once they run out, "@" comes out bare.
// A term's text is never expanded again; a token left open at the end of
// the source is dropped.
LPCTSTR ExpandTokensWithNames(LPCTSTR source, CString& result, const CNamedStringMap* map,
                              const CNamedStringMap* secondMap, char open, char close,
                              const LPCTSTR* extraNames, int extraCount);

template <typename... Names>
LPCTSTR ExpandTokens(LPCTSTR source, CString& result, const CNamedStringMap* map = NULL,
                     const CNamedStringMap* secondMap = NULL, char open = '~', char close = '~',
                     const Names&... extraNames)
{
    const LPCTSTR names[] = {static_cast<LPCTSTR>(extraNames)..., NULL};
    return ExpandTokensWithNames(source, result, map, secondMap, open, close, names,
                                 (int)sizeof...(extraNames));
}

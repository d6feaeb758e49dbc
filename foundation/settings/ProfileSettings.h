#pragma once

// The typed profile settings are members of the application object
// (CWinApp::GetProfileNumber, WriteProfileNumber, GetProfileLongString,
// WriteProfileLongString, GetProfileNumberMap, WriteProfileNumberMap); this
// file holds the stored forms they share.

#include "foundation/settings/NumberMap.h"

// A long text's head: "0", "<length>,b,<text>" up to 80 characters, else
// "<length>,a,2000" with the pieces in sections "<section>_<entry>_<k>".
enum
{
    LONG_TEXT_INLINE_LIMIT = 80,
    LONG_TEXT_PIECE_SIZE = 2000,
};

CString GetLongTextPieceSection(LPCTSTR section, LPCTSTR entry, int piece);

// "<count>,key=value,..." in the map's iteration order.
CString FormatNumberMapText(const CNumberMapBase& map);
// Fills the target from a map text; FALSE (target untouched) when the text
// breaks off before its count is reached or does not begin with a count.
BOOL ParseNumberMapText(LPCTSTR text, CNumberMapBase& target);

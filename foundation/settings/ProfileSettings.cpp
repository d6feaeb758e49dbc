#include "foundation/settings/ProfileSettings.h"

#include "afx/app/AfxWin.h"
#include "foundation/settings/AppRegistryKey.h"
#include "foundation/settings/RegistryKey.h"
#include "foundation/text/Tokenizer.h"
#include "foundation/values/NumberText.h"

namespace
{
    const char pieceEntry[] = "value";

    // Reads the pieces of a long text stored in form "a"; FALSE when one is
    // missing or has the wrong length.
    BOOL ReadLongTextPieces(CWinApp* app, LPCTSTR section, LPCTSTR entry, int length, int pieceSize,
                            CString& text)
    {
        int pieces = (int)(((long long)length + pieceSize - 1) / pieceSize);
        CString joined;
        for (int k = 0; k < pieces; ++k)
        {
            CString piece = app->GetProfileString(GetLongTextPieceSection(section, entry, k), pieceEntry, "");
            if (piece.IsEmpty())
                return FALSE;
            if (k < pieces - 1 && piece.GetLength() != pieceSize)
                return FALSE;
            joined += piece;
        }
        if (joined.GetLength() != length)
            return FALSE;
        text = joined;
        return TRUE;
    }

    // Removes the piece sections that an earlier, longer text left behind.
    // They are found through the registry directly, because reading a missing
    // profile entry would create its section key.
    void RemoveStalePieces(CWinApp* app, LPCTSTR section, LPCTSTR entry, int firstStale)
    {
        if (app->m_pszRegistryKey == NULL || app->m_pszProfileName == NULL)
            return;
        CString base;
        base.Format("Software\\%s\\%s\\", app->m_pszRegistryKey, app->m_pszProfileName);
        for (int k = firstStale;; ++k)
        {
            CString pieceSection = GetLongTextPieceSection(section, entry, k);
            CRegistryKey key;
            if (!OpenRegistryKey(pieceSection, key, TRUE, KEY_READ | KEY_WRITE, 0, base, HKEY_CURRENT_USER))
                break;
            key.DeleteValue(pieceEntry);
            key.Close();
            ::RegDeleteKeyA(HKEY_CURRENT_USER, base + pieceSection);
        }
    }
}

void CopyNumberMap(const CNumberMapBase& source, CNumberMapBase& target)
{
    if (&source == &target)
        return;
    target.RemoveAll();
    POSITION pos = source.GetStartPosition();
    while (pos != NULL)
    {
        CString key;
        int value = 0;
        source.GetNextAssoc(pos, key, value);
        target[key] = value;
    }
}

CString GetLongTextPieceSection(LPCTSTR section, LPCTSTR entry, int piece)
{
    CString name;
    name.Format("%s_%s_%d", section != NULL ? section : "", entry != NULL ? entry : "", piece);
    return name;
}

CString FormatNumberMapText(const CNumberMapBase& map)
{
    CString text = IntToString((int)map.GetCount(), -1);
    POSITION pos = map.GetStartPosition();
    while (pos != NULL)
    {
        CString key;
        int value = 0;
        map.GetNextAssoc(pos, key, value);
        text += ',';
        text += key;
        text += '=';
        text += IntToString(value, -1);
    }
    return text;
}

BOOL ParseNumberMapText(LPCTSTR text, CNumberMapBase& target)
{
    CStringArray fields;
    TokenizeText(text, fields, ',', 0, -1, 0, 0);
    int count = 0;
    if (fields.GetSize() == 0 || !ParseInt(fields[0], &count))
        return FALSE;

    CNumberMap read;
    int entries = 0;
    for (int i = 1; i <= count && i < fields.GetSize(); ++i)
    {
        const CString& field = fields[i];
        int equals = field.Find('=');
        int value = 0;
        if (equals < 0 || !ParseInt(field.Mid(equals + 1), &value))
            break;
        read[field.Left(equals)] = value;
        ++entries;
    }
    if (entries < count)
        return FALSE;
    CopyNumberMap(read, target);
    return TRUE;
}

DWORD CWinApp::GetProfileNumber(LPCTSTR section, LPCTSTR entry, DWORD defaultValue)
{
    CString text = GetProfileString(section, entry, "");
    UINT value = 0;
    if (!ParseUInt(text, &value))
        return defaultValue;
    return value;
}

BOOL CWinApp::WriteProfileNumber(LPCTSTR section, LPCTSTR entry, DWORD value)
{
    return WriteProfileString(section, entry, UIntToString(value, -1));
}

BOOL CWinApp::WriteProfileLongString(LPCTSTR section, LPCTSTR entry, LPCTSTR text)
{
    CString value = text != NULL ? text : "";
    int length = value.GetLength();
    CString head;
    int pieces = 0;
    if (length == 0)
    {
        head = "0";
    }
    else if (length <= LONG_TEXT_INLINE_LIMIT)
    {
        head = IntToString(length, -1) + ",b," + value;
    }
    else
    {
        pieces = (length + LONG_TEXT_PIECE_SIZE - 1) / LONG_TEXT_PIECE_SIZE;
        for (int k = 0; k < pieces; ++k)
        {
            CString piece = value.Mid(k * LONG_TEXT_PIECE_SIZE, LONG_TEXT_PIECE_SIZE);
            if (!WriteProfileString(GetLongTextPieceSection(section, entry, k), pieceEntry, piece))
                return FALSE;
        }
        head = IntToString(length, -1) + ",a," + IntToString(LONG_TEXT_PIECE_SIZE, -1);
    }
    // The head is written only once every piece is in place, so a failed
    // write never leaves a head that promises pieces which are not there.
    if (!WriteProfileString(section, entry, head))
        return FALSE;
    RemoveStalePieces(this, section, entry, pieces);
    return TRUE;
}

CString CWinApp::GetProfileLongString(LPCTSTR section, LPCTSTR entry, LPCTSTR defaultText)
{
    CString fallback = defaultText != NULL ? defaultText : "";
    CString head = GetProfileString(section, entry, "");
    int comma = head.Find(',');
    if (comma < 0)
    {
        int value = 0;
        if (ParseInt(head, &value) && value == 0)
            return CString();
        return fallback;
    }
    int length = 0;
    if (head.GetLength() < comma + 3 || head[comma + 2] != ',')
        return fallback;
    if (!ParseInt(head.Left(comma), &length) || length < 1)
        return fallback;

    char form = head[comma + 1];
    CString rest = head.Mid(comma + 3);
    if (form == 'b')
        return rest;
    if (form != 'a')
        return fallback;
    int pieceSize = 0;
    if (!ParseInt(rest, &pieceSize) || pieceSize < 1)
        return fallback;
    CString text;
    if (!ReadLongTextPieces(this, section, entry, length, pieceSize, text))
        return fallback;
    return text;
}

void CWinApp::GetProfileNumberMap(LPCTSTR section, LPCTSTR entry, const CNumberMapBase* defaultMap,
                                  CNumberMapBase& target)
{
    CString text = GetProfileLongString(section, entry, "");
    if (ParseNumberMapText(text, target))
        return;
    if (defaultMap == &target)
        return;
    if (defaultMap != NULL)
        CopyNumberMap(*defaultMap, target);
    else
        target.RemoveAll();
}

BOOL CWinApp::WriteProfileNumberMap(LPCTSTR section, LPCTSTR entry, const CNumberMapBase& map)
{
    return WriteProfileLongString(section, entry, FormatNumberMapText(map));
}

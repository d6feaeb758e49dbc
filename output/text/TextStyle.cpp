#include "output/text/TextStyle.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>

#include "foundation/values/NumberText.h"
#include "foundation/values/ValueText.h"
#include "foundation/windows/SelectedObject.h"
#include "framework/colours/NamedColours.h"
#include "output/printing/MyDC.h"
#include "output/text/TextStyleDlg.h"

IMPLEMENT_DYNCREATE(CTextStyle, CNamedObject)

namespace
{
struct AttributeWords
{
    WORD bit;
    const char* stored;
    const char* described; // null: never described
};

const AttributeWords attributeWords[] = {
    {CTextStyle::Bold, "Bold", "Bold"},
    {CTextStyle::Italic, "Italic", "Italic"},
    {CTextStyle::Underline, "Underline", "Underline"},
    {CTextStyle::SmallCaps, "SmallCaps", "Small Caps"},
    {CTextStyle::AllCaps, "AllCaps", "All Caps"},
    {CTextStyle::Bigger, "Bigger", "1 Pt Bigger"},
    {CTextStyle::FixedWidth, "FixedWidth", NULL},
};

struct AttributeKeyword
{
    const char* word;
    WORD bit;
};

const AttributeKeyword attributeKeywords[] = {
    {"bold", CTextStyle::Bold},           {"b", CTextStyle::Bold},
    {"italic", CTextStyle::Italic},       {"i", CTextStyle::Italic},
    {"underline", CTextStyle::Underline}, {"uline", CTextStyle::Underline},
    {"u", CTextStyle::Underline},         {"smallcaps", CTextStyle::SmallCaps},
    {"scaps", CTextStyle::SmallCaps},     {"s", CTextStyle::SmallCaps},
    {"allcaps", CTextStyle::AllCaps},     {"caps", CTextStyle::AllCaps},
    {"a", CTextStyle::AllCaps},           {"bigger", CTextStyle::Bigger},
    {"fixedwidth", CTextStyle::FixedWidth},
};

// Point sizes far beyond any font would overflow the height computation.
const int MaximumFontPoints = 32000;

// A colour word in parentheses (as an earlier version wrote names with
// blanks) is read without them.
BOOL ReadColourWord(const CString& word, COLORREF* colour)
{
    if (word.GetLength() >= 2 && word[0] == '(' && word[word.GetLength() - 1] == ')')
        return TextToColour(word.Mid(1, word.GetLength() - 2), colour);
    return TextToColour(word, colour);
}

BOOL ReadKeyword(CTextStyle& style, CString word)
{
    word.MakeLower();
    for (const AttributeKeyword& keyword : attributeKeywords)
        if (word == keyword.word)
        {
            style.m_attributes |= keyword.bit;
            return TRUE;
        }
    return FALSE;
}

// Words separated by blanks; a group in parentheses is one word. A colour
// name with blanks ("Dark magenta") is read whole: at each word the longest
// colour name that starts there wins.
// Keywords come first: no colour name starts with one.
void ReadAttributes(CTextStyle& style, const CString& text)
{
    style.m_attributes = 0;
    style.m_colour = DEFAULT_COLOUR;
    if (text.IsEmpty() || text.CompareNoCase("Normal") == 0)
        return;
    const int length = text.GetLength();
    int at = 0;
    while (at < length)
    {
        if (text[at] == ' ')
        {
            at++;
            continue;
        }
        int end;
        if (text[at] == '(')
        {
            end = text.Find(')', at);
            end = end < 0 ? length : end + 1;
        }
        else
        {
            end = text.Find(' ', at);
            if (end < 0)
                end = length;
        }
        CString word = text.Mid(at, end - at);
        COLORREF colour;
        int nameLength;
        if (ReadKeyword(style, word))
            nameLength = 0;
        else if ((nameLength = MatchColourNameAt((LPCTSTR)text + at, &colour)) > end - at)
            style.m_colour = colour;
        else
            ReadColourWord(word, &style.m_colour);
        at = std::max(end, at + nameLength);
    }
}
} // namespace

CTextStyle::CTextStyle()
{
    SetDefault();
}

void CTextStyle::SetDefault()
{
    m_attributes = 0;
    m_colour = DEFAULT_COLOUR;
    m_typeface = "Times New Roman";
    m_pointSize = 10;
    m_kindCode = KindCode;
}

void CTextStyle::CopyLook(const CTextStyle& from)
{
    m_attributes = from.m_attributes;
    m_colour = from.m_colour;
    m_pointSize = from.m_pointSize;
    m_typeface = from.m_typeface;
}

CMyCmdTarget* CTextStyle::Clone() const
{
    CTextStyle* copy = new CTextStyle;
    copy->CopyLook(*this);
    return copy;
}

int CTextStyle::EditProperties(CWnd* parent, LPCTSTR title, BOOL, int, int)
{
    CTextStyleDlg dialog(parent);
    dialog.m_style.m_kindCode = m_kindCode;
    dialog.m_style.CopyLook(*this);
    if (title != NULL && *title != '\0')
        dialog.SetTitle("%s", title);
    if (dialog.DoModal() != IDOK)
        return 0;
    m_kindCode = dialog.m_style.m_kindCode;
    CopyLook(dialog.m_style);
    return 1;
}

BOOL CTextStyle::IsEqual(const CMyCmdTarget* other) const
{
    const CTextStyle* style = DYNAMIC_DOWNCAST(CTextStyle, const_cast<CMyCmdTarget*>(other));
    return style != NULL && style->m_kindCode == m_kindCode && style->m_attributes == m_attributes &&
           style->m_colour == m_colour && style->m_pointSize == m_pointSize &&
           style->m_typeface == m_typeface;
}

CString CTextStyle::ToText() const
{
    CString attributes;
    if (m_attributes == 0 && m_colour == DEFAULT_COLOUR)
        attributes = "Normal";
    else
    {
        for (const AttributeWords& entry : attributeWords)
            if (m_attributes & entry.bit)
            {
                if (!attributes.IsEmpty())
                    attributes += ' ';
                attributes += entry.stored;
            }
        if (m_colour != DEFAULT_COLOUR)
        {
            if (!attributes.IsEmpty())
                attributes += ' ';
            attributes += ColourToText(m_colour);
        }
    }
    CString text;
    text.Format("%s,%d,%s", (LPCTSTR)m_typeface, m_pointSize, (LPCTSTR)attributes);
    return text;
}

int CTextStyle::FromText(LPCTSTR text)
{
    if (text == NULL)
        return 0;
    const char* firstComma = strchr(text, ',');
    if (firstComma == NULL)
        return 0;
    m_typeface = CString(text, (int)(firstComma - text));
    if (m_typeface.IsEmpty())
        return 0;
    const char* size = firstComma + 1;
    const char* secondComma = strchr(size, ',');
    int points = 0;
    if (secondComma != NULL)
    {
        if (!ParseInt(CString(size, (int)(secondComma - size)), &points))
            return 0;
        m_pointSize = points;
        ReadAttributes(*this, secondComma + 1);
        return 1;
    }
    if (!ParseInt(size, &points))
        return 0;
    m_pointSize = points;
    m_attributes = 0;
    m_colour = DEFAULT_COLOUR;
    return 1;
}

CString CTextStyle::Describe() const
{
    CString text;
    text.Format("%s, %d pt", (LPCTSTR)m_typeface, m_pointSize);
    for (const AttributeWords& entry : attributeWords)
        if ((m_attributes & entry.bit) && entry.described != NULL)
        {
            text += ", ";
            text += entry.described;
        }
    if (m_colour != DEFAULT_COLOUR)
    {
        text += ", ";
        text += GetColourName(m_colour);
    }
    return text;
}

int CTextStyle::SetFromNameOrText(const CNamedStringMap& styles, LPCTSTR text)
{
    if (text != NULL && strchr(text, ',') != NULL)
    {
        if (FromText(text))
            return 1;
    }
    else if (text != NULL)
    {
        CString form;
        if (styles.Lookup(text, form) && FromText(form))
            return 1;
    }
    FromText("Times New Roman,10");
    return 0;
}

void CTextStyle::CreateFont(CDC* dc, LOGFONT* logFont, CFont* font, TEXTMETRIC* metrics, double scale) const
{
    LOGFONT local;
    LOGFONT& lf = logFont != NULL ? *logFont : local;
    memset(&lf, 0, sizeof(lf));
    // The face name is cut to fit and always terminated.
    lstrcpynA(lf.lfFaceName, m_typeface, LF_FACESIZE);
    lf.lfPitchAndFamily = 0;
    lf.lfWeight = (m_attributes & Bold) ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = (m_attributes & Italic) ? 1 : 0;
    lf.lfUnderline = (m_attributes & Underline) ? 1 : 0;

    int xResolution = 0, resolution = 0;
    GetDeviceResolution(dc, &xResolution, &resolution);
    int points = m_pointSize < 0 ? 0 : (m_pointSize > MaximumFontPoints ? MaximumFontPoints : m_pointSize);
    double pixels = points * scale * resolution / 72.0;
    if (!(pixels < INT_MAX))
        pixels = INT_MAX;
    int height = -(int)pixels;
    lf.lfHeight = height > -4 ? -4 : height;

    font->DeleteObject();
    if (!font->CreateFontIndirect(&lf))
        font->Attach(::GetStockObject(SYSTEM_FONT));
    HDC attrib = dc->m_hAttribDC != NULL ? dc->m_hAttribDC : dc->m_hDC;
    CSelectedObject selected(dc->m_hDC, font->GetSafeHandle());
    CSelectedObject selectedInAttrib(attrib != dc->m_hDC ? attrib : NULL, font->GetSafeHandle());
    ::GetTextMetricsA(attrib, metrics);
}

#include "framework/controls/FontNameCombo.h"

#include "afx/core/CallbackBarrier.h"
#include "foundation/windows/ListOrCombo.h"
#include "foundation/windows/SelectedObject.h"
#include "foundation/windows/SystemColours.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CFontNameCombo, CMyComboBox)

BEGIN_MESSAGE_MAP(CFontNameCombo, CMyComboBox)
    ON_WM_CREATE()
END_MESSAGE_MAP()

namespace
{
    int CALLBACK ListFont(const LOGFONTA* font, const TEXTMETRICA* metrics, DWORD fontType, LPARAM combo)
    {
        return AfxCallbackBarrier<int>(0, [&]() -> int {
            ((CFontNameCombo*)combo)->AddFont(*font, *metrics, fontType);
            return 1; // always go on
        });
    }
}

CFontNameCombo::CFontNameCombo() : m_fixedPitchOnly(0)
{
}

int CFontNameCombo::OnCreate(LPCREATESTRUCT create)
{
    if (CMyComboBox::OnCreate(create) == -1)
        return -1;
    Fill();
    return 0;
}

void CFontNameCombo::Fill()
{
    ResetContent();
    m_fonts.RemoveAll();
    HDC dc = ::GetWindowDC(m_hWnd);
    ::EnumFontsA(dc, NULL, ListFont, (LPARAM)this);
    ::ReleaseDC(m_hWnd, dc);
}

BOOL CFontNameCombo::AddFont(const LOGFONTA& font, const TEXTMETRICA& metrics, DWORD fontType)
{
    if (fontType != TRUETYPE_FONTTYPE || font.lfCharSet != ANSI_CHARSET)
        return FALSE;
    // A face for vertical writing ("@" before the name) draws its letters on
    // their side.
    if (font.lfFaceName[0] == '@')
        return FALSE;
    // The pitch bit set means a variable-pitch font.
    if (m_fixedPitchOnly && (metrics.tmPitchAndFamily & TMPF_FIXED_PITCH))
        return FALSE;
    if (CListOrCombo(this).AddItemWithData(font.lfFaceName, -1, (DWORD_PTR)m_fonts.GetSize()) < 0)
        return FALSE;
    m_fonts.Add(font);
    return TRUE;
}

const LOGFONTA* CFontNameCombo::GetSelectedLogFont() const
{
    int selected = GetCurSel();
    if (selected < 0)
        return NULL;
    int index = (int)GetItemData(selected);
    return index >= 0 && index < m_fonts.GetSize() ? &m_fonts[index] : NULL;
}

CString CFontNameCombo::GetSelectedFaceName() const
{
    const LOGFONTA* font = GetSelectedLogFont();
    return font != NULL ? CString(font->lfFaceName) : CString();
}

void CFontNameCombo::SelectFaceName(LPCTSTR name)
{
    if (SelectString(-1, name) < 0 && GetCount() > 0)
        SetCurSel(0);
}

void CFontNameCombo::DrawItem(LPDRAWITEMSTRUCT item)
{
    const BOOL selected = (item->itemState & ODS_SELECTED) != 0;
    CDC* dc = CDC::FromHandle(item->hDC);
    dc->FillSolidRect(&item->rcItem, GetSystemColour(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    dc->SetTextColor(GetSystemColour(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    dc->SetBkMode(TRANSPARENT);
    int index = (int)item->itemData;
    if ((int)item->itemID < 0 || (int)item->itemID >= GetCount() || index < 0 || index >= m_fonts.GetSize())
        return;
    LOGFONTA logFont = m_fonts[index];
    logFont.lfHeight = 90;
    logFont.lfWidth = 0;
    CFont font;
    if (!font.CreatePointFontIndirect(&logFont))
        return;
    CSelectedObject selectedFont(dc, &font);
    // A typeface without letters for its own name (a fallback for other
    // scripts) would show empty boxes: such a name is drawn in the list's font.
    WORD glyphs[LF_FACESIZE];
    int length = (int)strlen(logFont.lfFaceName);
    const DWORD found = ::GetGlyphIndicesA(item->hDC, logFont.lfFaceName, length, glyphs, GGI_MARK_NONEXISTING_GLYPHS);
    const bool missingGlyphs =
        found == (DWORD)length && std::find(glyphs, glyphs + length, (WORD)0xFFFF) != glyphs + length;
    CSelectedObject listFont(item->hDC, missingGlyphs ? (HGDIOBJ)SendMessage(WM_GETFONT) : NULL);
    RECT rect = item->rcItem;
    ::DrawTextA(item->hDC, logFont.lfFaceName, -1, &rect, DT_SINGLELINE | DT_VCENTER);
}

void CFontNameCombo::MeasureItem(LPMEASUREITEMSTRUCT)
{
}

void AFXAPI DDX_FontNameCombo(CDataExchange* pDX, int nIDC, CFontNameCombo& combo, CString& faceName,
                              BOOL fixedPitchOnly)
{
    DDX_MyComboBox(pDX, nIDC, combo);
    if (pDX->m_bSaveAndValidate)
    {
        faceName = combo.GetSelectedFaceName();
        return;
    }
    if (combo.GetCount() == 0)
    {
        combo.m_fixedPitchOnly = fixedPitchOnly;
        combo.Fill();
    }
    combo.SelectFaceName(faceName);
}

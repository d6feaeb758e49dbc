#pragma once
// What a layout or a paint keeps while it runs: the fonts by index, the
// style in force, tabs, paging and the font selected in the device context.
#include <memory>
#include <vector>

#include "afx/app/AfxWin.h"
#include "foundation/windows/SelectedObject.h"
#include "output/text/CharWidthTable.h"
#include "output/text/RichTextStyleState.h"

class CRichTextState
{
public:
    // Fonts are selected into 'dc', and into 'attribDC' too unless it is
    // null; each gets back the font it held when the state goes.
    CRichTextState(HDC dc, HDC attribDC);
    CRichTextState(const CRichTextState&) = delete;
    CRichTextState& operator=(const CRichTextState&) = delete;

    // Selects the font of this index (unless it is selected already).
    void SelectFont(int index, HGDIOBJ font);
    int GetSelectedFont() const { return m_selectedFont; }

    std::vector<CFont*> m_fonts;                      // laying out: borrowed from the DC's font cache
    std::vector<std::unique_ptr<CFont>> m_paintFonts; // painting: made at the destination's scale
    std::vector<CCharWidthTable*> m_widths;           // borrowed
    int m_normalFont;
    int m_smallCapsFont;
    CMapStringToPtr m_fontIndexes;          // text form -> index + 1
    CRichTextStyleState m_style;
    BOOL m_allCaps;
    BOOL m_smallCaps;
    int m_tabInterval;
    std::vector<int> m_tabPositions;
    int m_remainingPageHeight;              // -1: no paging
    int m_pageHeight;
    int m_indentation;
    POINT m_origin;
    SIZE m_extent;                          // swapped for rotated text

private:
    int m_selectedFont;
    // After the fonts: destroyed first, they select the fonts out before the
    // painting fonts are deleted.
    CSelectedObject m_fontInDC;
    CSelectedObject m_fontInAttribDC;
};

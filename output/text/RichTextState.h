#pragma once
// What a layout or a paint keeps while it runs: the fonts by index (borrowed
// from the device context's cache), the style in force, tabs, paging and the
// font selected in the device context.
#include <vector>

#include "afx/app/AfxWin.h"
#include "output/text/CharWidthTable.h"
#include "output/text/RichTextStyleState.h"

class CRichTextState
{
public:
    CRichTextState();
    ~CRichTextState();
    CRichTextState(const CRichTextState&) = delete;
    CRichTextState& operator=(const CRichTextState&) = delete;

    std::vector<CFont*> m_fonts;            // borrowed while laying out, owned while painting
    std::vector<CCharWidthTable*> m_widths; // borrowed
    BOOL m_ownsFonts;
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
    TEXTMETRIC m_metrics;
    HGDIOBJ m_previousFont;
    int m_selectedFont;
    POINT m_origin;
    SIZE m_extent;                          // swapped for rotated text
};

#include "foundation/windows/FlowLayout.h"

#include <algorithm>

CFlowLayout::CFlowLayout()
    : m_nCursorX(0), m_nCursorY(0), m_nRightExtent(0), m_nBottomExtent(0),
      m_nLineBottom(0), m_nBandTop(0), m_nColumnRight(0), m_nColumnLeft(0)
{
    Reset();
}

void CFlowLayout::Reset()
{
    m_nMode = 1;
    m_nLeftMargin = m_nTopMargin = m_nRightMargin = m_nBottomMargin = 0;
    m_nGapX = m_nGapY = 0;
    m_bEmpty = 1;
    m_nSeparatorSpace = 2;
    m_verticalSeparators.clear();
    m_horizontalSeparators.clear();
}

void CFlowLayout::SetMargins(int left, int top, int right, int bottom)
{
    m_nLeftMargin = left;
    m_nTopMargin = top;
    m_nRightMargin = right;
    m_nBottomMargin = bottom;
}

CSize CFlowLayout::GetExtent() const
{
    if (m_bEmpty)
        return CSize(0, 0);
    return CSize(m_nRightExtent + m_nRightMargin, m_nBottomExtent + m_nBottomMargin);
}

namespace
{
// The layout seen along its main axis: items follow each other "along" it in
// a line, lines stack "across" it inside a group, and groups stand side by
// side along it again. Column mode runs along x; band mode is the same
// placement with the axes swapped, running along y.
struct FlowAxes
{
    int& cursorAlong;
    int& cursorAcross;
    int& groupStart;   // where the current group's lines start, along
    int& groupEnd;     // the far end of the groups so far, along
    int& lineEnd;      // the far end of the current group's lines, across
    int& extentAlong;
    int& extentAcross;
    int marginAlong;
    int marginAcross;
    int gapAlong;
    int gapAcross;
    std::vector<int>& groupSeparators;
    std::vector<int>& lineSeparators;
};

// Returns the item's place as (along, across).
std::pair<int, int> Place(FlowAxes a, int sizeAlong, int sizeAcross, bool newLine, bool newGroup, bool separated,
                          bool first, int separatorSpace)
{
    if (first)
    {
        a.extentAlong = a.extentAcross = 0;
        newGroup = true;
        a.groupEnd = a.marginAlong - a.gapAlong;
    }
    if (newGroup)
    {
        a.lineEnd = a.marginAcross - a.gapAcross;
        a.groupEnd += a.gapAlong;
        // The separator's line goes at the start of its space, one gap after
        // the previous group (or at the margin before the first one).
        if (separated)
        {
            a.groupSeparators.push_back(a.groupEnd);
            a.groupEnd += separatorSpace + a.gapAlong;
        }
        a.groupStart = a.groupEnd;
        newLine = true;
    }
    if (newLine)
    {
        a.lineEnd += a.gapAcross;
        if (separated && !newGroup)
        {
            a.lineSeparators.push_back(a.lineEnd);
            a.lineEnd += separatorSpace + a.gapAcross;
        }
        a.cursorAcross = a.lineEnd;
        a.cursorAlong = a.groupStart;
    }

    const std::pair<int, int> place(a.cursorAlong, a.cursorAcross);
    a.lineEnd = std::max(a.lineEnd, a.cursorAcross + sizeAcross);
    a.extentAcross = std::max(a.extentAcross, a.cursorAcross + sizeAcross);
    a.cursorAlong += sizeAlong;
    a.groupEnd = std::max(a.groupEnd, a.cursorAlong);
    a.extentAlong = std::max(a.extentAlong, a.cursorAlong);
    a.cursorAlong += a.gapAlong;
    return place;
}
} // namespace

CPoint CFlowLayout::PlaceItem(int width, int height, BOOL newLine, BOOL newColumn, BOOL separated)
{
    width = std::max(width, 0);
    height = std::max(height, 0);
    const bool first = m_bEmpty != 0;
    m_bEmpty = 0;
    if (m_nMode != 0)
    {
        // Items left to right in rows, rows down a column, columns side by side.
        FlowAxes columns = {m_nCursorX,  m_nCursorY,     m_nColumnLeft,  m_nColumnRight,       m_nLineBottom,
                            m_nRightExtent, m_nBottomExtent, m_nLeftMargin, m_nTopMargin,       m_nGapX,
                            m_nGapY,     m_verticalSeparators, m_horizontalSeparators};
        std::pair<int, int> place = Place(columns, width, height, newLine != FALSE, newColumn != FALSE,
                                          separated != FALSE, first, m_nSeparatorSpace);
        return CPoint(place.first, place.second);
    }
    // Items down a column, columns side by side in a band, bands down.
    FlowAxes bands = {m_nCursorY,     m_nCursorX,    m_nBandTop,  m_nLineBottom, m_nColumnRight,
                      m_nBottomExtent, m_nRightExtent, m_nTopMargin, m_nLeftMargin, m_nGapY,
                      m_nGapX,        m_horizontalSeparators, m_verticalSeparators};
    std::pair<int, int> place = Place(bands, height, width, newColumn != FALSE, newLine != FALSE, separated != FALSE,
                                      first, m_nSeparatorSpace);
    return CPoint(place.second, place.first);
}

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

CPoint CFlowLayout::PlaceItem(int width, int height, BOOL newLine, BOOL newColumn, BOOL separated)
{
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (m_nMode != 0)
        return PlaceInColumns(width, height, newLine != FALSE, newColumn != FALSE, separated != FALSE);
    return PlaceInBands(width, height, newLine != FALSE, newColumn != FALSE, separated != FALSE);
}

CPoint CFlowLayout::PlaceInColumns(int width, int height, bool newLine, bool newColumn, bool separated)
{
    if (m_bEmpty)
    {
        m_bEmpty = 0;
        m_nRightExtent = m_nBottomExtent = 0;
        newColumn = true;
        m_nColumnRight = m_nLeftMargin - m_nGapX;
    }
    if (newColumn)
    {
        m_nLineBottom = m_nTopMargin - m_nGapY;
        m_nColumnRight += m_nGapX;
        // The separator's line goes at the start of its space, one gap after
        // the previous column (or at the left margin before the first one).
        if (separated)
        {
            m_verticalSeparators.push_back(m_nColumnRight);
            m_nColumnRight += m_nSeparatorSpace + m_nGapX;
        }
        m_nColumnLeft = m_nColumnRight;
        newLine = true;
    }
    if (newLine)
    {
        m_nLineBottom += m_nGapY;
        if (separated && !newColumn)
        {
            m_horizontalSeparators.push_back(m_nLineBottom);
            m_nLineBottom += m_nSeparatorSpace + m_nGapY;
        }
        m_nCursorY = m_nLineBottom;
        m_nCursorX = m_nColumnLeft;
    }

    CPoint position(m_nCursorX, m_nCursorY);
    m_nLineBottom = std::max(m_nLineBottom, m_nCursorY + height);
    m_nBottomExtent = std::max(m_nBottomExtent, m_nCursorY + height);
    m_nCursorX += width;
    m_nColumnRight = std::max(m_nColumnRight, m_nCursorX);
    m_nRightExtent = std::max(m_nRightExtent, m_nCursorX);
    m_nCursorX += m_nGapX;
    return position;
}

CPoint CFlowLayout::PlaceInBands(int width, int height, bool newLine, bool newColumn, bool separated)
{
    if (m_bEmpty)
    {
        m_bEmpty = 0;
        m_nRightExtent = m_nBottomExtent = 0;
        newLine = true;
        m_nLineBottom = m_nTopMargin - m_nGapY;
    }
    if (newLine)
    {
        m_nColumnRight = m_nLeftMargin - m_nGapX;
        m_nLineBottom += m_nGapY;
        if (separated)
        {
            m_horizontalSeparators.push_back(m_nLineBottom);
            m_nLineBottom += m_nSeparatorSpace + m_nGapY;
        }
        m_nBandTop = m_nLineBottom;
        newColumn = true;
    }
    if (newColumn)
    {
        m_nColumnRight += m_nGapX;
        if (separated && !newLine)
        {
            m_verticalSeparators.push_back(m_nColumnRight);
            m_nColumnRight += m_nSeparatorSpace + m_nGapX;
        }
        m_nCursorX = m_nColumnRight;
        m_nCursorY = m_nBandTop;
    }

    CPoint position(m_nCursorX, m_nCursorY);
    m_nColumnRight = std::max(m_nColumnRight, m_nCursorX + width);
    m_nRightExtent = std::max(m_nRightExtent, m_nCursorX + width);
    m_nCursorY += height;
    m_nLineBottom = std::max(m_nLineBottom, m_nCursorY);
    m_nBottomExtent = std::max(m_nBottomExtent, m_nCursorY);
    m_nCursorY += m_nGapY;
    return position;
}

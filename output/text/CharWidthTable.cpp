#include "output/text/CharWidthTable.h"

void CCharWidthTable::Fill(const TEXTMETRIC& metrics, CDC* dc)
{
    m_first = metrics.tmFirstChar < 32 ? 32 : metrics.tmFirstChar;
    m_last = metrics.tmLastChar;
    if (m_last < m_first)
        return;
    HDC attrib = dc->m_hAttribDC != NULL ? dc->m_hAttribDC : dc->m_hDC;
    if ((metrics.tmPitchAndFamily & TMPF_TRUETYPE) &&
        ::GetCharABCWidthsA(attrib, m_first, m_last, &m_entries[m_first - 32]))
        return;
    int widths[224];
    if (!::GetCharWidthA(attrib, m_first, m_last, &widths[m_first - 32]))
        for (int& width : widths)
            width = 10;
    for (int c = m_first; c <= m_last; ++c)
    {
        m_entries[c - 32].abcA = 0;
        m_entries[c - 32].abcB = widths[c - 32];
        m_entries[c - 32].abcC = 0;
    }
}

void CCharWidthTable::GetOverhangs(const char* text, int length, int* left, int* right) const
{
    int position = 0;
    int least = 0;
    int greatest = 0;
    for (int i = 0; i < length; ++i)
    {
        unsigned char c = (unsigned char)text[i];
        if (!Contains(c))
            continue;
        const ABC& abc = Get(c);
        position += abc.abcA;
        if (position < least)
            least = position;
        position += (int)abc.abcB;
        if (position > greatest)
            greatest = position;
        position += abc.abcC;
        if (position > greatest)
            greatest = position;
    }
    *left = least < 0 ? -least : 0;
    *right = greatest - position;
}

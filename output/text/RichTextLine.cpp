#include "output/text/RichTextLine.h"

CRichTextLine::CRichTextLine()
    : m_left(0), m_top(0), m_right(0), m_bottom(0), m_startX(0), m_ascent(0), m_descent(0), m_finished(FALSE)
{
}

CMyCmdTarget* CRichTextLine::Clone() const
{
    CRichTextLine* copy = new CRichTextLine;
    copy->m_left = m_left;
    copy->m_top = m_top;
    copy->m_right = m_right;
    copy->m_bottom = m_bottom;
    copy->m_startX = m_startX;
    copy->m_ascent = m_ascent;
    copy->m_descent = m_descent;
    copy->m_finished = m_finished;
    for (const RichTextItem& item : m_items)
    {
        if (item.run != NULL)
            copy->AddRun(std::unique_ptr<CRichTextRun>(static_cast<CRichTextRun*>(item.run->Clone())));
        else
            copy->AddElement(item.element);
    }
    return copy;
}

void CRichTextLine::AddRun(std::unique_ptr<CRichTextRun> run)
{
    m_items.push_back(RichTextItem{std::move(run), nullptr});
}

void CRichTextLine::AddElement(CRichTextElement* element)
{
    m_items.push_back(RichTextItem{nullptr, element});
}

void CRichTextLine::TruncateItems(int count)
{
    if (count < GetItemCount())
        m_items.resize(count);
}

int CRichTextLine::GetExtent() const
{
    int extent = m_startX;
    for (int i = 0; i < GetItemCount(); ++i)
        extent += m_items[i].width();
    return extent;
}

void CRichTextLine::GetOverhangs(int* left, int* right) const
{
    int before = 0;
    int total = 0;
    for (int i = 0; i < GetItemCount(); ++i)
        total += m_items[i].width();
    *left = 0;
    *right = 0;
    for (int i = 0; i < GetItemCount(); ++i)
    {
        const RichTextItem& item = m_items[i];
        before += item.width();
        if (item.run == NULL)
            continue;
        int leftReach = item.run->m_leftOverhang - (before - item.width());
        int rightReach = item.run->m_rightOverhang - (total - before);
        if (leftReach > *left)
            *left = leftReach;
        if (rightReach > *right)
            *right = rightReach;
    }
}

void CRichTextLine::Finish()
{
    m_ascent = 0;
    m_descent = 0;
    for (int i = 0; i < GetItemCount(); ++i)
    {
        const RichTextItem& item = m_items[i];
        int ascent = item.run != NULL ? item.run->m_ascent : item.element->m_height;
        int descent = item.run != NULL ? item.run->m_descent : 0;
        if (ascent > m_ascent)
            m_ascent = ascent;
        if (descent > m_descent)
            m_descent = descent;
    }
    m_right = m_left + GetExtent();
    m_bottom = m_top + m_ascent + m_descent;
    m_finished = TRUE;
}

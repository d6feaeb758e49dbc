// Painting a laid-out formatted text into a destination rectangle.
#include <vector>

#include "foundation/values/ValueText.h"
#include "output/text/RichTextLayout.h"
#include "output/text/RichTextState.h"

namespace
{
bool IsEmptyRect(const RECT& rect)
{
    return rect.right <= rect.left || rect.bottom <= rect.top;
}

bool Meets(const RECT& a, const RECT& b)
{
    RECT common;
    return ::IntersectRect(&common, &a, &b) != 0;
}

const char* const Ellipsis = "...";
} // namespace

void CRichTextLayout::Paint(CDC* dc, const RECT& destination, const RECT& clip, int flags, int lineCount)
{
    if (IsEmptyRect(clip) || IsEmptyRect(destination))
        return;
    int count = lineCount < 0 || lineCount > GetLineCount() ? GetLineCount() : lineCount;
    if (count == 0)
        return;

    CRichTextState state;
    state.m_ownsFonts = TRUE;
    state.m_fonts.assign(m_logFonts.size(), NULL);
    state.m_origin.x = destination.left;
    state.m_origin.y = destination.top;
    state.m_extent.cx = destination.right - destination.left;
    state.m_extent.cy = destination.bottom - destination.top;
    m_state = &state;
    m_dc = dc;

    int width = m_width > 0 ? m_width : 1;
    int height = m_height > 0 ? m_height : 1;
    COLORREF defaultColour = dc->GetTextColor();
    m_paintColour = defaultColour;
    int oldMode = dc->SetBkMode(TRANSPARENT);
    UINT oldAlign = dc->SetTextAlign(TA_LEFT | TA_BASELINE);

    for (int i = 0; i < count; ++i)
    {
        const CRichTextLine& line = *m_lines[i];
        RECT box;
        box.left = state.m_origin.x + ::MulDiv(line.m_left + m_leftOverhang, state.m_extent.cx, width);
        box.right = state.m_origin.x + ::MulDiv(line.m_right + m_leftOverhang, state.m_extent.cx, width);
        box.top = state.m_origin.y + ::MulDiv(line.m_top, state.m_extent.cy, height);
        box.bottom = state.m_origin.y + ::MulDiv(line.m_bottom, state.m_extent.cy, height);
        if (!Meets(box, clip))
            continue;
        int lineFlags = flags & ~RICHTEXT_ELLIPSIS_NOW;
        if (i == count - 1 && ((flags & RICHTEXT_ELLIPSIS_LAST) ||
                               ((flags & RICHTEXT_ELLIPSIS_CLIPPED) && box.right > clip.right)))
            lineFlags |= RICHTEXT_ELLIPSIS_NOW;
        PaintLine(line, box, clip, lineFlags, (double)state.m_extent.cx / width);
    }
    // Text without a colour of its own is left in the device's colour.
    dc->SetTextColor(defaultColour);
    dc->SetTextAlign(oldAlign);
    dc->SetBkMode(oldMode);
    if (state.m_previousFont != NULL)
        ::SelectObject(dc->m_hDC, state.m_previousFont);
    m_state = NULL;
    m_dc = NULL;
}

void CRichTextLayout::PaintLine(const CRichTextLine& line, const RECT& box, const RECT& clip, int flags,
                                double scaleX)
{
    int width = m_width > 0 ? m_width : 1;
    int height = m_height > 0 ? m_height : 1;
    int baseline = m_state->m_origin.y + ::MulDiv(line.m_top + line.m_ascent, m_state->m_extent.cy, height);
    int position = line.m_left + line.m_startX + m_leftOverhang;
    int count = line.GetItemCount();
    // With an ellipsis: the item that reaches the clip edge, else the last.
    int ellipsisItem = -1;
    if (flags & RICHTEXT_ELLIPSIS_NOW)
    {
        int end = position;
        ellipsisItem = count - 1;
        for (int i = 0; i < count; ++i)
        {
            end += line.GetItem(i).width();
            if (m_state->m_origin.x + ::MulDiv(end, m_state->m_extent.cx, width) >= clip.right)
            {
                ellipsisItem = i;
                break;
            }
        }
    }
    for (int i = 0; i < count; ++i)
    {
        const RichTextItem& item = line.GetItem(i);
        int left = m_state->m_origin.x + ::MulDiv(position, m_state->m_extent.cx, width);
        position += item.width();
        int right = m_state->m_origin.x + ::MulDiv(position, m_state->m_extent.cx, width);
        RECT itemBox = {left, box.top, right, box.bottom};
        if (i > ellipsisItem && ellipsisItem >= 0)
            break;
        if (!Meets(itemBox, clip) && i != ellipsisItem)
            continue;
        if (item.run != NULL)
            DrawRun(*item.run, left, baseline, right - left, clip, i == ellipsisItem);
        else
        {
            // Elements stand on the baseline.
            RECT elementBox = {left, baseline - ::MulDiv(item.element->m_height, m_state->m_extent.cy, height),
                               right, baseline};
            item.element->Draw(m_dc, elementBox, flags);
        }
    }
}

void CRichTextLayout::SelectPaintFont(int index)
{
    if (m_state->m_selectedFont == index)
        return;
    CFont*& font = m_state->m_fonts[index];
    if (font == NULL)
    {
        LOGFONT logFont = m_logFonts[index];
        int height = m_height > 0 ? m_height : 1;
        logFont.lfHeight = ::MulDiv(logFont.lfHeight, m_state->m_extent.cy, height);
        if (logFont.lfHeight == 0)
            logFont.lfHeight = -1;
        font = new CFont;
        if (!font->CreateFontIndirect(&logFont))
            font->Attach(::GetStockObject(SYSTEM_FONT));
    }
    HGDIOBJ previous = ::SelectObject(m_dc->m_hDC, font->GetSafeHandle());
    if (m_state->m_previousFont == NULL)
        m_state->m_previousFont = previous;
    m_state->m_selectedFont = index;
}

void CRichTextLayout::DrawRun(const CRichTextRun& run, int x, int baseline, int width, const RECT& clip,
                              BOOL ellipsis)
{
    SelectPaintFont(run.m_fontIndex);
    COLORREF colour = m_styles[run.m_fontIndex]->m_colour;
    m_dc->SetTextColor(colour != DEFAULT_COLOUR ? colour : m_paintColour);

    HDC hdc = m_dc->m_hDC;
    CString text = run.m_text;
    SIZE extent = {0, 0};
    ::GetTextExtentPoint32A(hdc, text, text.GetLength(), &extent);
    if (ellipsis)
    {
        SIZE dots = {0, 0};
        ::GetTextExtentPoint32A(hdc, Ellipsis, 3, &dots);
        while (!text.IsEmpty() && x + extent.cx + dots.cx > clip.right)
        {
            text = text.Left(text.GetLength() - 1);
            ::GetTextExtentPoint32A(hdc, text, text.GetLength(), &extent);
        }
        text += Ellipsis;
        ::GetTextExtentPoint32A(hdc, text, text.GetLength(), &extent);
        width = extent.cx;
    }

    int length = text.GetLength();
    std::vector<int> advances;
    if (length > 0 && width != extent.cx)
    {
        // Spread the difference between the measured and the scaled width
        // over the characters.
        advances.assign(length, 0);
        GCP_RESULTSA results;
        memset(&results, 0, sizeof(results));
        results.lStructSize = sizeof(results);
        results.lpDx = advances.data();
        results.nGlyphs = length;
        if (::GetCharacterPlacementA(hdc, text, length, 0, &results, 0) != 0 && (int)results.nGlyphs == length)
        {
            double share = (double)(width - extent.cx) / length;
            double accumulated = 0;
            int given = 0;
            for (int i = 0; i < length; ++i)
            {
                accumulated += share;
                int whole = i == length - 1 ? (width - extent.cx) - given : (int)accumulated - given;
                advances[i] += whole;
                given += whole;
            }
        }
        else
            advances.clear();
    }
    ::ExtTextOutA(hdc, x, baseline, 0, NULL, text, length, advances.empty() ? NULL : advances.data());
}

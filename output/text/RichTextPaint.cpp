// Painting a laid-out formatted text into a destination rectangle.
//
// Lines and items are placed in the painting frame first: u runs along the
// lines, v down across them, both from the destination's corner and scaled
// to its extent. Upright text maps u to x and v to y; turned text stands at
// 90 degrees in the destination, its lines reading from bottom to top with
// the first line at the left.
#include <utility>
#include <vector>

#include "foundation/values/ValueText.h"
#include "foundation/windows/OwnedHandle.h"
#include "foundation/windows/SelectedObject.h"
#include "output/text/RichTextLayout.h"
#include "output/text/RichTextState.h"
#include "output/text/TurnedTextBitmaps.h"

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

// The points and kinds of the DC's closed path; empty when it cannot be read.
void ReadPath(HDC dc, CTextPathRecord& record)
{
    record.m_points.clear();
    record.m_types.clear();
    int count = ::GetPath(dc, NULL, NULL, 0);
    if (count <= 0)
        return;
    record.m_points.resize(count);
    record.m_types.resize(count);
    if (::GetPath(dc, record.m_points.data(), record.m_types.data(), count) != count)
    {
        record.m_points.clear();
        record.m_types.clear();
    }
}
} // namespace

RECT CRichTextLayout::ToDevice(int u0, int v0, int u1, int v1) const
{
    const POINT& origin = m_state->m_origin;
    if (!m_rotated)
        return RECT{origin.x + u0, origin.y + v0, origin.x + u1, origin.y + v1};
    // The destination's height is the extent along the lines.
    int bottom = origin.y + m_state->m_extent.cx;
    return RECT{origin.x + v0, bottom - u1, origin.x + v1, bottom - u0};
}

void CRichTextLayout::Paint(CDC* dc, const RECT& destination, const RECT& clip, CTextPathList* paths, int flags,
                            int lineCount)
{
    if (IsEmptyRect(clip) || IsEmptyRect(destination))
        return;
    int count = lineCount < 0 || lineCount > GetLineCount() ? GetLineCount() : lineCount;
    if (count == 0)
        return;

    CRichTextState state(dc->m_hDC, NULL);
    state.m_paintFonts.resize(m_logFonts.size());
    state.m_origin.x = destination.left;
    state.m_origin.y = destination.top;
    state.m_extent.cx = destination.right - destination.left;
    state.m_extent.cy = destination.bottom - destination.top;
    if (m_rotated)
        std::swap(state.m_extent.cx, state.m_extent.cy);
    m_state = &state;
    m_dc = dc;
    m_paths = paths;

    int width = m_width > 0 ? m_width : 1;
    int height = m_height > 0 ? m_height : 1;
    COLORREF defaultColour = dc->GetTextColor();
    m_paintColour = defaultColour;
    int oldMode = dc->SetBkMode(TRANSPARENT);
    UINT oldAlign = dc->SetTextAlign(TA_LEFT | TA_BASELINE);

    for (int i = 0; i < count; ++i)
    {
        const CRichTextLine& line = *m_lines[i];
        RECT box = ToDevice(::MulDiv(line.m_left + m_leftOverhang, state.m_extent.cx, width),
                            ::MulDiv(line.m_top, state.m_extent.cy, height),
                            ::MulDiv(line.m_right + m_leftOverhang, state.m_extent.cx, width),
                            ::MulDiv(line.m_bottom, state.m_extent.cy, height));
        if (!Meets(box, clip))
            continue;
        bool pastClip = m_rotated ? box.top < clip.top : box.right > clip.right;
        int lineFlags = flags & ~RICHTEXT_ELLIPSIS_NOW;
        if (i == count - 1 &&
            ((flags & RICHTEXT_ELLIPSIS_LAST) || ((flags & RICHTEXT_ELLIPSIS_CLIPPED) && pastClip)))
            lineFlags |= RICHTEXT_ELLIPSIS_NOW;
        PaintLine(line, clip, lineFlags);
    }
    // Text without a colour of its own is left in the device's colour.
    dc->SetTextColor(defaultColour);
    dc->SetTextAlign(oldAlign);
    dc->SetBkMode(oldMode);
    m_state = NULL;
    m_dc = NULL;
    m_paths = NULL;
}

void CRichTextLayout::PaintLine(const CRichTextLine& line, const RECT& clip, int flags)
{
    int width = m_width > 0 ? m_width : 1;
    int height = m_height > 0 ? m_height : 1;
    const SIZE& extent = m_state->m_extent;
    int top = ::MulDiv(line.m_top, extent.cy, height);
    int bottom = ::MulDiv(line.m_bottom, extent.cy, height);
    int baseline = ::MulDiv(line.m_top + line.m_ascent, extent.cy, height);
    // Where the clip rectangle ends along the lines.
    int clipEnd = m_rotated ? m_state->m_origin.y + extent.cx - clip.top : clip.right - m_state->m_origin.x;
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
            if (::MulDiv(end, extent.cx, width) >= clipEnd)
            {
                ellipsisItem = i;
                break;
            }
        }
    }
    for (int i = 0; i < count; ++i)
    {
        const RichTextItem& item = line.GetItem(i);
        int left = ::MulDiv(position, extent.cx, width);
        position += item.width();
        int right = ::MulDiv(position, extent.cx, width);
        if (i > ellipsisItem && ellipsisItem >= 0)
            break;
        if (!Meets(ToDevice(left, top, right, bottom), clip) && i != ellipsisItem)
            continue;
        if (item.run != NULL)
            DrawRun(*item.run, left, top, bottom, baseline, right - left, clipEnd, i == ellipsisItem);
        else
        {
            // Elements stand on the baseline.
            int elementTop = baseline - ::MulDiv(item.element->m_height, extent.cy, height);
            item.element->Draw(m_dc, ToDevice(left, elementTop, right, baseline), flags);
        }
    }
}

void CRichTextLayout::SelectPaintFont(int index)
{
    if (m_state->GetSelectedFont() == index)
        return;
    std::unique_ptr<CFont>& font = m_state->m_paintFonts[index];
    if (font == nullptr)
    {
        LOGFONT logFont = m_logFonts[index];
        int height = m_height > 0 ? m_height : 1;
        logFont.lfHeight = ::MulDiv(logFont.lfHeight, m_state->m_extent.cy, height);
        if (logFont.lfHeight == 0)
            logFont.lfHeight = -1;
        font = std::make_unique<CFont>();
        if (!font->CreateFontIndirect(&logFont))
            font->Attach(::GetStockObject(SYSTEM_FONT));
    }
    m_state->SelectFont(index, font->GetSafeHandle());
}

void CRichTextLayout::DrawRun(const CRichTextRun& run, int left, int top, int bottom, int baseline, int width,
                              int clipEnd, BOOL ellipsis)
{
    SelectPaintFont(run.m_fontIndex);
    COLORREF colour = m_styles[run.m_fontIndex]->m_colour;
    colour = colour != DEFAULT_COLOUR ? colour : m_paintColour;
    m_dc->SetTextColor(colour);

    HDC hdc = m_dc->m_hDC;
    CString text = run.m_text;
    SIZE extent = {0, 0};
    ::GetTextExtentPoint32A(hdc, text, text.GetLength(), &extent);
    if (ellipsis)
    {
        SIZE dots = {0, 0};
        ::GetTextExtentPoint32A(hdc, Ellipsis, 3, &dots);
        // One measuring finds how much fits before the dots; cutting a
        // character at a time would measure the run once per character.
        const int room = clipEnd - left - dots.cx;
        int fit = 0;
        SIZE measured = {0, 0};
        if (left + extent.cx + dots.cx > clipEnd)
        {
            if (room > 0 && ::GetTextExtentExPointA(hdc, text, text.GetLength(), room, &fit, NULL, &measured))
                text = text.Left(fit);
            else
                text.Empty();
            ::GetTextExtentPoint32A(hdc, text, text.GetLength(), &extent);
        }
        // Fonts that overhang may measure a little wider whole than in parts.
        while (!text.IsEmpty() && left + extent.cx + dots.cx > clipEnd)
        {
            text = text.Left(text.GetLength() - 1);
            ::GetTextExtentPoint32A(hdc, text, text.GetLength(), &extent);
        }
        text += Ellipsis;
        ::GetTextExtentPoint32A(hdc, text, text.GetLength(), &extent);
        width = extent.cx;
    }

    // A path list receives each run's outline as a path of its own, begun
    // and closed here.
    const bool capture = m_paths != NULL;
    BOOL pathStarted = FALSE;
    if (capture)
    {
        CTextPathRecord record;
        record.m_colour = colour;
        m_paths->push_back(record);
        pathStarted = ::BeginPath(hdc);
    }

    int length = text.GetLength();
    std::vector<int> advances;
    // Turned text is drawn twice, into a one-bit mask and in colour, whose
    // fonts can advance differently: both are given this device's advances,
    // or the letters would drift apart along the run.
    if (length > 0 && (width != extent.cx || m_rotated))
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
    const int* dx = advances.empty() ? NULL : advances.data();
    if (!m_rotated)
        ::ExtTextOutA(hdc, m_state->m_origin.x + left, m_state->m_origin.y + baseline, 0, NULL, text, length, dx);
    else if (capture)
        DrawTurnedOutline(text, dx, left, baseline);
    else
        DrawTurnedRun(text, dx, left, top, bottom, baseline, width, colour);

    if (pathStarted)
    {
        ::EndPath(hdc);
        ReadPath(hdc, m_paths->back());
    }
}

void CRichTextLayout::DrawTurnedRun(const CString& text, const int* advances, int left, int top, int bottom,
                                    int baseline, int width, COLORREF colour)
{
    CTurnedTextBitmaps bitmaps;
    if (!bitmaps.Create(width, bottom - top))
        return;
    HGDIOBJ font = ::GetCurrentObject(m_dc->m_hDC, OBJ_FONT);
    struct
    {
        HDC dc;
        COLORREF text;
    } surfaces[] = {{bitmaps.GetMaskDC(), RGB(255, 255, 255)}, {bitmaps.GetColourDC(), colour}};
    for (const auto& surface : surfaces)
    {
        CSelectedObject selected(surface.dc, font);
        ::SetBkMode(surface.dc, TRANSPARENT);
        ::SetTextAlign(surface.dc, TA_LEFT | TA_BASELINE);
        ::SetTextColor(surface.dc, surface.text);
        ::ExtTextOutA(surface.dc, 0, baseline - top, 0, NULL, text, text.GetLength(), advances);
    }
    RECT turned = ToDevice(left, top, left + width, bottom);
    bitmaps.CopyTurned(m_dc->m_hDC, turned.left, turned.top);
}

void CRichTextLayout::DrawTurnedOutline(const CString& text, const int* advances, int left, int baseline)
{
    // A path holds outlines, not bitmaps: the run is drawn in its font
    // turned to read upwards, from where its baseline starts.
    HDC hdc = m_dc->m_hDC;
    LOGFONT logFont;
    if (::GetObjectA(::GetCurrentObject(hdc, OBJ_FONT), sizeof(logFont), &logFont) != sizeof(logFont))
        return;
    logFont.lfEscapement = logFont.lfOrientation = 900;
    COwnedGdiObject<HFONT> turned(::CreateFontIndirectA(&logFont));
    if (!turned)
        return;
    CSelectedObject selected(hdc, turned);
    RECT start = ToDevice(left, baseline, left, baseline);
    ::ExtTextOutA(hdc, start.left, start.bottom, 0, NULL, text, text.GetLength(), advances);
}

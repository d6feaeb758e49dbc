// The field list's layout: rows, columns, group boxes, aligned labels,
// separators and the form's buttons.
#include "application/selection/FieldFormIds.h"
#include "application/selection/FieldList.h"
#include "foundation/windows/DialogMetrics.h"
#include "foundation/windows/FlowLayout.h"

#include <algorithm>

namespace
{
CPoint PlaceField(CFlowLayout& flow, const CField* field, const CSize& size)
{
    return flow.PlaceItem(size.cx, size.cy, (field->m_style & FS_NEW_ROW) != 0, (field->m_style & FS_NEW_COLUMN) != 0,
                          (field->m_style & FS_ALIGN) != 0);
}

// A field's size while it still stands at the corner.
CSize FieldSize(const CField* field)
{
    const CRect rect = field->GetBoundingRect();
    return CSize(rect.right, rect.bottom);
}

BOOL StartsRun(const CField* field)
{
    return (field->m_style & (FS_NEW_ROW | FS_NEW_COLUMN)) != 0;
}
} // namespace

void CFieldList::AlignColumns(int first, int count)
{
    const int limit = std::min(first + count, GetFieldCount());
    int end = first + 1;
    while (end < limit && !(GetField(end - 1)->m_style & FS_GROUP_END) &&
           !(GetField(end)->m_style & (FS_NEW_COLUMN | FS_NEW_ROW | FS_GROUP_START)))
        end++;
    int labelWidth = 0, controlWidth = 0;
    for (int i = first; i < end; i++)
    {
        const CField* field = GetField(i);
        labelWidth = std::max(labelWidth, field->m_nLabelWidth);
        controlWidth = std::max(controlWidth, (int)field->GetBoundingRect().right - field->m_nLabelWidth);
    }
    for (int i = first; i < end; i++)
        GetField(i)->Place(labelWidth, controlWidth);
}

void CFieldList::LayoutGroup(int first, int end, CFlowLayout& outer)
{
    const int left = GetGroupBoxLeftMargin(), top = GetGroupBoxTopMargin();
    const int right = GetGroupBoxRightMargin(), bottom = GetGroupBoxBottomMargin();
    CFlowLayout inner;
    inner.m_nMode = 0;
    inner.SetMargins(left, top, right, bottom);
    inner.m_nGapX = m_nUnitX;
    inner.m_nGapY = m_nUnitY;
    const BOOL noAlign = (GetField(first)->m_style & FS_GROUP_NO_ALIGN) != 0;
    std::vector<CPoint> places;
    for (int i = first; i < end; i++)
    {
        if (!noAlign && (i == first || StartsRun(GetField(i))))
            AlignColumns(i, end - i);
        places.push_back(PlaceField(inner, GetField(i), FieldSize(GetField(i))));
    }
    const CSize size = inner.GetExtent();
    const CPoint origin = PlaceField(outer, GetField(first), size);
    HWND behind = NULL;
    for (int i = first; i < end; i++)
    {
        CField* field = GetField(i);
        field->Move(origin.x + places[i - first].x, origin.y + places[i - first].y);
        if (field->m_windows.GetSize() > 0)
            behind = field->m_windows[field->m_windows.GetSize() - 1];
    }
    UINT id = 0;
    HWND box = CreatePrototype(IDC_FIELD_GROUP, 0, behind, id);
    if (box != NULL)
    {
        ::SetWindowTextA(box, GetField(first)->m_groupText);
        ::MoveWindow(box, origin.x, origin.y, size.cx, size.cy, FALSE);
        m_ownWindows.Add(box);
    }
    for (int x : inner.m_verticalSeparators)
        m_verticalSeparators.push_back({CPoint(origin.x + x, origin.y + top), size.cy - top - bottom});
    for (int y : inner.m_horizontalSeparators)
        m_horizontalSeparators.push_back({CPoint(origin.x + left, origin.y + y), size.cx - left - right});
}

void CFieldList::Layout()
{
    const int count = GetFieldCount();
    if (count == 0)
        return;
    m_nUnitX = LOWORD(::GetDialogBaseUnits());
    m_nUnitY = m_nUnitX / 2;
    m_ownWindows.DestroyAll();
    m_verticalSeparators.clear();
    m_horizontalSeparators.clear();
    CFlowLayout flow;
    flow.m_nMode = 0; // fields run down a column, columns stand side by side in a row
    flow.SetMargins(m_nUnitX, m_nUnitY, m_nUnitX, m_nUnitY);
    flow.m_nGapX = m_nUnitX;
    flow.m_nGapY = m_nUnitY;
    const BOOL noAlign = (GetField(0)->m_style & FS_NO_ALIGN) != 0;
    for (int i = 0; i < count;)
    {
        CField* field = GetField(i);
        if (field->m_style & FS_GROUP_START)
        {
            // The group runs to the field that closes it or up to the next group.
            int end = i + 1;
            while (end < count && !(GetField(end - 1)->m_style & FS_GROUP_END) &&
                   !(GetField(end)->m_style & FS_GROUP_START))
                end++;
            LayoutGroup(i, end, flow);
            i = end;
            continue;
        }
        if (!noAlign && (i == 0 || StartsRun(field)))
            AlignColumns(i, count - i);
        const CPoint place = PlaceField(flow, field, FieldSize(field));
        field->Move(place.x, place.y);
        i++;
    }

    StretchFields();

    const CSize extent = flow.GetExtent();
    for (int x : flow.m_verticalSeparators)
        m_verticalSeparators.push_back({CPoint(x, m_nUnitY), extent.cy - 2 * m_nUnitY});
    for (int y : flow.m_horizontalSeparators)
        m_horizontalSeparators.push_back({CPoint(m_nUnitX, y), extent.cx - 2 * m_nUnitX});

    SizeForm(extent);

    DisableAndFocusFields();
    m_bLaidOut = TRUE;
}

// Stretched fields reach the right edge of the widest field.
void CFieldList::StretchFields()
{
    const int count = GetFieldCount();
    int rightEdge = 0;
    for (int i = 0; i < count; i++)
        rightEdge = std::max(rightEdge, (int)GetField(i)->GetBoundingRect().right);
    for (int i = 0; i < count; i++)
    {
        CField* field = GetField(i);
        if (!(field->m_style & FS_STRETCH))
            continue;
        for (int w = 0; w < field->m_windows.GetSize(); w++)
        {
            CRect rect;
            ::GetWindowRect(field->m_windows[w], &rect);
            ::MapWindowPoints(NULL, m_pHost->m_hWnd, (POINT*)&rect, 2);
            ::MoveWindow(field->m_windows[w], rect.left, rect.top, rightEdge - rect.left, rect.Height(), FALSE);
        }
    }
}

// The form holds the fields and, unless the host has its own, the OK and
// Cancel buttons below them.
void CFieldList::SizeForm(const CSize& extent)
{
    if (!m_bHostButtons && m_okButton != NULL && m_cancelButton != NULL)
    {
        CRect ok;
        ::GetWindowRect(m_okButton, &ok);
        m_nButtonWidth = ok.Width();
        m_nButtonHeight = ok.Height();
        m_nFormWidth = std::max(2 * m_nButtonWidth + 2 * m_nUnitX, (int)extent.cx);
        m_nFormHeight = extent.cy + m_nUnitY + m_nButtonHeight;
    }
    else
    {
        m_nFormWidth = extent.cx;
        m_nFormHeight = extent.cy;
        if (m_okButton != NULL)
            ::DestroyWindow(m_okButton);
        if (m_cancelButton != NULL)
            ::DestroyWindow(m_cancelButton);
        m_okButton = m_cancelButton = NULL;
    }
    m_nFormWidth += m_nUnitX;
    m_nFormHeight += m_nUnitY;
    PlaceButtons();
}

// Fields styled disabled are disabled; the first field present takes the focus.
void CFieldList::DisableAndFocusFields()
{
    const int count = GetFieldCount();
    BOOL focused = FALSE;
    for (int i = 0; i < count; i++)
    {
        CField* field = GetField(i);
        if (field->m_style & FS_DISABLED)
        {
            field->m_bEnabled = FALSE;
            field->Enable(FALSE);
        }
        else if (!focused && field->IsPresent())
        {
            field->SetFocus();
            focused = TRUE;
        }
    }
}

#include "framework/controls/SelectionDependents.h"

#include "foundation/windows/ListOrCombo.h"

#include <algorithm>

CSelectionDependents::CSelectionDependents() : m_action(NULL), m_pListBox(NULL), m_pComboBox(NULL)
{
}

void CSelectionDependents::Add(HWND window, int minimumCount, int flags)
{
    Row row = {minimumCount, flags, window};
    m_rows.Add(row);
}

BOOL CSelectionDependents::HasControl() const
{
    CWnd* control = m_pListBox != NULL ? (CWnd*)m_pListBox : (CWnd*)m_pComboBox;
    return control != NULL && control->m_hWnd != NULL;
}

CListOrCombo CSelectionDependents::List() const
{
    return m_pListBox != NULL ? CListOrCombo(m_pListBox) : CListOrCombo(m_pComboBox);
}

void CSelectionDependents::Update()
{
    if (!HasControl())
        return;
    CListOrCombo list = List();
    int count = list.GetCount();
    int selected = list.GetSelCount();
    BOOL atTop = FALSE, atBottom = FALSE;
    list.GetSelectionEnds(&atTop, &atBottom);
    for (int i = 0; i < m_rows.GetSize(); i++)
    {
        const Row& row = m_rows[i];
        BOOL enable = count >= row.m_minimumCount &&
                      ((row.m_flags & (SELECTION_NEEDS_ONE | SELECTION_NEEDS_MORE)) == 0 ||
                       ((row.m_flags & SELECTION_NEEDS_ONE) && selected == 1) ||
                       ((row.m_flags & SELECTION_NEEDS_MORE) && selected > 1));
        if (((row.m_flags & SELECTION_NOT_AT_TOP) && atTop) || ((row.m_flags & SELECTION_NOT_AT_BOTTOM) && atBottom))
            enable = FALSE;
        if (::IsWindow(row.m_window))
            ::EnableWindow(row.m_window, enable);
    }
}

BOOL CSelectionDependents::RunAction()
{
    if (m_action == NULL)
        return FALSE;
    ApplyListAction(m_action);
    return TRUE;
}

void CSelectionDependents::ApplyListAction(CListAction* action)
{
    if (action == NULL || !HasControl())
        return;
    CListOrCombo list = List();
    CArray<int, int> selected;
    int count = list.GetSelection(selected);
    if (count == 0)
        return;
    const BOOL hasStrings = list.HasStrings();
    CArray<int, int> codes;
    codes.SetSize(count);
    for (int i = 0; i < count; i++)
    {
        int index = selected[i];
        CString text = hasStrings ? list.GetText(index) : CString();
        codes[i] = action->Decide(index, text, list.GetExtraValue(index), list.GetItemData(index));
    }
    // Deletions and downward moves from the bottom up, so that the indices
    // still to come stay valid and adjacent items keep their order.
    for (int i = count - 1; i >= 0; i--)
    {
        int index = selected[i], code = codes[i];
        if (code == LIST_DELETE)
            list.DeleteString(index);
        else if (code == LIST_DELETE_SELECT_NEXT)
        {
            list.DeleteString(index);
            int left = list.GetCount();
            if (left > 0)
                list.SelectItem(std::min(index, left - 1));
        }
        else if (code == LIST_DESELECT)
            list.DeselectItem(index);
        else if (code & LIST_MOVE_DOWN)
            list.MoveItem(index, 1, (code & LIST_DESELECT) == 0);
    }
    for (int i = 0; i < count; i++)
        if (codes[i] & LIST_MOVE_UP)
            list.MoveItem(selected[i], -1, (codes[i] & LIST_DESELECT) == 0);
    list.SetTabStopsToFit();
    Update();
}

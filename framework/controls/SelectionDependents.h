#pragma once
// The buttons beside a list or combo box that follow its selection: each is
// enabled by the number of items, the number of selected items and whether
// the selection touches the top or the bottom. Also runs the list's action
// over the selected items.
#include "afx/app/AfxWin.h"
#include "framework/controls/ListAction.h"

class CListOrCombo;

// Conditions of a dependent window. NEEDS_ONE | NEEDS_MORE: at least one.
enum SelectionCondition
{
    SELECTION_ANY = 0,
    SELECTION_NEEDS_ONE = 1,
    SELECTION_NEEDS_MORE = 2,
    SELECTION_NOT_AT_TOP = 4,
    SELECTION_NOT_AT_BOTTOM = 8,
};

class CSelectionDependents
{
public:
    struct Row
    {
        int m_minimumCount;
        int m_flags;
        HWND m_window;
    };

    CSelectionDependents();

    void Add(HWND window, int minimumCount, int flags);

    // Enables or disables every dependent window that still exists.
    void Update();
    // Runs the action when one is set; FALSE without.
    BOOL RunAction();
    // Asks the action about each selected item, then deletes, deselects and
    // moves them; fits the tab stops and updates the dependents.
    void ApplyListAction(CListAction* action);

    CArray<Row, const Row&> m_rows;
    CListAction* m_action; // not owned
    CListBox* m_pListBox;
    CComboBox* m_pComboBox;

private:
    BOOL HasControl() const;
    CListOrCombo List() const;
};

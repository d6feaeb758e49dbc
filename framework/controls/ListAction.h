#pragma once
// What a linked button or a double-click does to each selected item of a list
// or combo box: the action answers item by item.
#include "afx/app/AfxWin.h"

// Answers of CListAction::Decide; LIST_MOVE_DOWN and LIST_MOVE_UP may be
// combined with LIST_DESELECT to leave the moved item unselected.
enum ListActionCode
{
    LIST_KEEP = 0,
    LIST_DELETE = 1,
    LIST_DELETE_SELECT_NEXT = 2,
    LIST_DESELECT = 4,
    LIST_MOVE_UP = 8,
    LIST_MOVE_DOWN = 16,
};

class CListAction
{
public:
    virtual ~CListAction() {}
    // The text is empty for a list without strings, the extra value -1 for a
    // list without own records.
    virtual int Decide(int index, LPCTSTR text, int extraValue, DWORD_PTR itemData) = 0;
};

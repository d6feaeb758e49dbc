#pragma once
// The item operations of a list or combo box that can keep its items as
// records of its own (text, image index and item data apart from what the
// control stores). A control class that can do so implements this, and the
// list-or-combo adapter reaches its items through it.
#include "afx/app/AfxWin.h"

class CListItemOperations
{
public:
    virtual ~CListItemOperations() {}

    virtual BOOL HasOwnRecords() const = 0;
    // Add or insert an item with its image index (-1: none); the new index,
    // or a negative value on failure.
    virtual int AddString(LPCTSTR text, int extraValue) = 0;
    virtual int InsertString(int index, LPCTSTR text, int extraValue) = 0;
    virtual void ResetContent() = 0;
    virtual DWORD_PTR GetItemData(int index) const = 0;
    virtual int SetItemData(int index, DWORD_PTR data) = 0;
    // The image index of the item; -1 without own records or record.
    virtual int GetExtraValue(int index) const = 0;
    virtual void GetItemText(int index, CString& text) const = 0;
    virtual int GetItemTextLen(int index) const = 0;
};

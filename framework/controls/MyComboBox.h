#pragma once
// The framework's combo box: plain with the default GUI font, or in
// own-records mode an owner-drawn list of records (text, image, item data)
// drawn with an image from the shared strip. Keeps the buttons beside it
// enabled by its selection and runs its list action on a double-click.
#include "afx/app/AfxWin.h"
#include "framework/controls/ListItemRecords.h"
#include "framework/controls/SelectionDependents.h"
#include "foundation/windows/ListItemOperations.h"

// Posted to itself to select the remembered text after a drop-down.
const UINT WM_SELECT_REMEMBERED_TEXT = 0x419;
// Id of the edit field inside a combo box.
const int ComboEditId = 1001;

class CMyComboBox : public CComboBox, public CListItemOperations
{
    DECLARE_DYNCREATE(CMyComboBox)

public:
    CMyComboBox();

    // Own records: created owner-drawn with variable height.
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
    void SetOwnRecords(BOOL ownRecords) { m_records.m_ownRecords = ownRecords; }
    BOOL HasOwnRecords() const override { return m_records.m_ownRecords; }

    int AddString(LPCTSTR text, int extraValue = -1) override;
    int InsertString(int index, LPCTSTR text, int extraValue = -1) override;
    void ResetContent() override;
    DWORD_PTR GetItemData(int index) const override;
    int SetItemData(int index, DWORD_PTR data) override;
    int GetExtraValue(int index) const override;
    int GetLBText(int index, LPTSTR buffer) const;
    void GetLBText(int index, CString& text) const;
    int GetLBTextLen(int index) const;
    void GetItemText(int index, CString& text) const override { GetLBText(index, text); }
    int GetItemTextLen(int index) const override { return GetLBTextLen(index); }

    int FindStringExact(int start, LPCTSTR text) const;
    int FindString(int start, LPCTSTR text) const;
    int SelectString(int start, LPCTSTR text);
    CString GetCurSelText() const;
    // Selects the item with the text. When none has it: a combo with an edit
    // field shows the text there; a drop-down list selects its first item
    // when the fallback is an index of the list.
    int SelectText(LPCTSTR text, int fallback);

    // Own records: destroys the window and makes it again owner-drawn with
    // the same id, place and order among its siblings.
    BOOL Recreate();

    void DrawItem(LPDRAWITEMSTRUCT item) override;
    void MeasureItem(LPMEASUREITEMSTRUCT item) override;
    int CompareItem(LPCOMPAREITEMSTRUCT item) override;

    CSelectionDependents m_dependents;
    CListItemRecords m_records;
    CString m_rememberedText;
    int m_dropDownRows;
    int m_deleteWithWindow;

protected:
    void PostNcDestroy() override;

    afx_msg BOOL OnSelChange();
    afx_msg void OnDoubleClick();
    afx_msg void OnDropDown();
    afx_msg LRESULT OnSelectRememberedText(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()
};

// Attaches the combo box to the dialog item; the first time gives it the
// default GUI font and, in own-records mode, makes it owner-drawn.
void AFXAPI DDX_MyComboBox(CDataExchange* pDX, int nIDC, CMyComboBox& combo);
// Attaches any control and gives it the default GUI font the first time.
void AFXAPI DDX_ControlWithFont(CDataExchange* pDX, int nIDC, CWnd& control);
// The selected text of a combo box, trimmed; loading selects it (or the
// first item by the fallback rule of CMyComboBox::SelectText).
void AFXAPI DDX_MyComboText(CDataExchange* pDX, int nIDC, CString& value, int fallback);

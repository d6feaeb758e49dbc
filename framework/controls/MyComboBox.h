#pragma once
// The framework's combo box: plain with the default GUI font, or in
// own-records mode an owner-drawn list of records (text, image, item data)
// drawn with an image from the shared strip. Keeps the buttons beside it
// enabled by its selection and runs its list action on a double-click.
#include "afx/app/AfxWin.h"
#include "framework/controls/RecordListControl.h"

// Id of the edit field inside a combo box.
const int ComboEditId = 1001;

class CMyComboBox : public CRecordListControl<CComboBox>
{
    DECLARE_DYNCREATE(CMyComboBox)

public:
    CMyComboBox();

    // Own records: created owner-drawn with variable height.
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    int GetLBText(int index, LPTSTR buffer) const { return m_records.GetText(index, buffer); }
    void GetLBText(int index, CString& text) const { m_records.GetText(index, text); }
    int GetLBTextLen(int index) const { return m_records.GetTextLen(index); }

    int FindString(int start, LPCTSTR text) const;
    int SelectString(int start, LPCTSTR text);
    // Selects the item with the text. When none has it: a combo with an edit
    // field shows the text there; a drop-down list selects its first item
    // when the fallback is an index of the list.
    int SelectText(LPCTSTR text, int fallback);

    // Own records: destroys the window and makes it again owner-drawn with
    // the same id, place and order among its siblings.
    BOOL Recreate();

    void DrawItem(LPDRAWITEMSTRUCT item) override;

    CString m_rememberedText;
    int m_dropDownRows;

protected:
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

#pragma once
// Lets the user review the terms of the terminology map and give a term
// another text. The caller adds the terms (and their defaults) before running
// the dialog and reads the values back afterwards.
#include "afx/app/AfxWin.h"
#include "framework/controls/MyListBox.h"
#include "framework/dialogs/MyDialog.h"

class CTerminologyDlg : public CMyDialog
{
public:
    explicit CTerminologyDlg(CWnd* parent = NULL);

    // Adds a term; its index is the item data of its list line.
    int AddTerm(LPCTSTR token, LPCTSTR displayName, LPCTSTR comment, LPCTSTR value, BOOL titleCase);
    void SetDefault(LPCTSTR token, LPCTSTR text);
    // The map's default of a token (exact key), else the token itself.
    CString GetDefault(const CString& token) const;
    // The line a term shows in the list: its name, a tab and its text.
    CString GetLineText(int term) const;
    // The term of the selected line, -1 without one.
    int GetSelectedTerm() const;

    BOOL OnInitDialog() override;

    CStringArray m_tokens;
    CStringArray m_displayNames;
    CStringArray m_comments;
    CStringArray m_values;
    CDWordArray m_titleCase;
    CMapStringToString m_defaults;
    CMyListBox m_list;
    CStatic m_name;
    CEdit m_value;
    CStatic m_default;
    CStatic m_commentText;
    BOOL m_updating = FALSE;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    // Gives the selected term a text; with 'alsoEdit' the edit shows it too.
    void SetSelectedValue(const CString& text, BOOL alsoEdit);
    void FillList();
    void FitTabStops();

    afx_msg void OnSelChange();
    afx_msg void OnValueChanged();
    afx_msg void OnResetTerm();
    afx_msg void OnResetAll();

    DECLARE_MESSAGE_MAP()
};

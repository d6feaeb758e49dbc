#pragma once
// The program's own message box: the platform's MessageBox flags, button
// sets with "to all" answers, a "Print Info" button, a "don't show again"
// check box for named prompts, and a size fitted to its text at run time.
#include "framework/controls/MyStatic.h"
#include "framework/dialogs/PrintableDlg.h"

class CMyMessageBoxDlg : public CPrintableDlg
{
    DECLARE_DYNAMIC(CMyMessageBoxDlg)

public:
    // show: 1 offers the check box (template 571), -1 does not (570).
    CMyMessageBoxDlg(CWnd* parent, LPCTSTR text, LPCTSTR title, UINT flags, UINT option, UINT customIconId,
                     int show);

    int m_show;            // after the box: 0 when the user ticked the check box
    UINT m_answer = 0;     // the default button's id
    UINT m_flags;
    UINT m_option;
    CString m_boxTitle;
    UINT m_cancelAnswer = 0;
    CMyStatic m_textStatic;
    CString m_text;

    BOOL OnInitDialog() override;
    CString GetPrintText() override { return m_text; }

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnCancel() override;
    afx_msg void OnPrintInfo();

    DECLARE_MESSAGE_MAP()

private:
    // Builds the button row in place of the template's two model buttons;
    // answers the row's width.
    int CreateButtons(const UINT* buttons, int count, HFONT font);
    // Grows the box so that the text fits (see the definition).
    void SizeToText(int rowWidth, HFONT font);
};

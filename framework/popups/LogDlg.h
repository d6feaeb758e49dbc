#pragma once

#include "framework/dialogs/MyDialog.h"
#include "framework/popups/LogDlgIds.h"

// A window of output lines with a button that interrupts the work that
// writes them; the work asks IsInterrupted between its steps.
class CLogDlg : public CMyDialog
{
    DECLARE_DYNAMIC(CLogDlg)

public:
    enum { MAX_LINES = 8000 };

    explicit CLogDlg(CWnd* parent = NULL);

    void AddLine(LPCTSTR format, ...);
    // Adds the line at the end and scrolls it into view; nothing once
    // interrupted. Past MAX_LINES the list starts afresh.
    void AddText(LPCTSTR text);
    BOOL IsInterrupted() const { return m_interrupted; }

protected:
    afx_msg void OnInterrupt();

    DECLARE_MESSAGE_MAP()

private:
    BOOL m_interrupted;
    int m_widestLine;
};

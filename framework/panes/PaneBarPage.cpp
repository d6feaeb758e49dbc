#include "framework/panes/PaneBarPage.h"

#include "afx/windows/SplitterWnd.h"

CPaneBarPage::CPaneBarPage(CWnd* window, LPCTSTR title, LPCTSTR tipText)
    : m_window(window), m_title(title != NULL ? title : ""), m_tipText(tipText != NULL ? tipText : "")
{
}

CPaneBarPage::~CPaneBarPage()
{
    if (m_window != NULL && m_window->IsKindOf(RUNTIME_CLASS(CSplitterWnd)))
    {
        if (m_window->GetSafeHwnd() != NULL)
            m_window->DestroyWindow();
        delete m_window;
    }
}

#include "framework/panes/PaneBarPage.h"

#include "afx/windows/SplitterWnd.h"

CPaneBarPage::CPaneBarPage(CWnd* window, LPCTSTR title, LPCTSTR tipText)
    : m_window(window), m_title(title != NULL ? title : ""), m_tipText(tipText != NULL ? tipText : "")
{
    if (window != NULL && window->IsKindOf(RUNTIME_CLASS(CSplitterWnd)))
        m_ownedSplitter.reset(window);
}

CPaneBarPage::~CPaneBarPage()
{
    if (m_ownedSplitter != NULL && m_ownedSplitter->GetSafeHwnd() != NULL)
        m_ownedSplitter->DestroyWindow();
}

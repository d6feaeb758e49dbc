#include "framework/menus/CustomToolBar.h"

#include "framework/menus/MenuCommandTexts.h"
#include "framework/menus/MyMenu.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CCustomToolBar, CToolBar)

BEGIN_MESSAGE_MAP(CCustomToolBar, CToolBar)
ON_NOTIFY_REFLECT(TBN_GETBUTTONINFOA, OnGetButtonInfo)
ON_NOTIFY_REFLECT(TBN_QUERYINSERT, OnQueryInsertOrDelete)
ON_NOTIFY_REFLECT(TBN_QUERYDELETE, OnQueryInsertOrDelete)
ON_NOTIFY_REFLECT(TBN_RESET, OnReset)
ON_NOTIFY_REFLECT(TBN_ENDADJUST, OnEndAdjust)
ON_NOTIFY_REFLECT(TBN_TOOLBARCHANGE, OnToolBarChange)
ON_NOTIFY_REFLECT(TBN_BEGINDRAG, OnNothing)
ON_NOTIFY_REFLECT(TBN_ENDDRAG, OnNothing)
ON_NOTIFY_REFLECT(TBN_CUSTHELP, OnNothing)
ON_WM_DESTROY()
END_MESSAGE_MAP()

void CCustomToolBar::SetFullButtonSet(const TBBUTTON* buttons, int count)
{
    m_fullSet.assign(buttons, buttons + count);
}

void CCustomToolBar::SetHiddenCommands(const UINT* commands, int count)
{
    m_hidden.assign(commands, commands + count);
}

void CCustomToolBar::SetStatePlace(HKEY key, LPCTSTR subKey, LPCTSTR valueName)
{
    m_stateKey = key;
    m_subKey = subKey != NULL ? subKey : "";
    m_valueName = valueName != NULL ? valueName : "";
}

void CCustomToolBar::OnGetButtonInfo(NMHDR* notify, LRESULT* result)
{
    NMTOOLBARA* info = (NMTOOLBARA*)notify;
    *result = 0;
    if (info->iItem < 0 || info->iItem >= (int)m_fullSet.size())
        return;
    info->tbButton = m_fullSet[info->iItem];
    CString text;
    GetMenuCommandText((UINT)info->tbButton.idCommand, text);
    int tab = text.Find('\t');
    if (tab >= 0)
        text = text.Left(tab);
    text.Remove('&');
    if (info->pszText != NULL && info->cchText > 0)
        lstrcpynA(info->pszText, text, info->cchText);
    *result = 1;
}

void CCustomToolBar::OnQueryInsertOrDelete(NMHDR*, LRESULT* result)
{
    *result = !IsFloating();
}

void CCustomToolBar::RemoveRedundantSeparators()
{
    CToolBarCtrl& ctrl = GetToolBarCtrl();
    BOOL previousIsSeparator = TRUE; // a separator may not stand first
    for (int i = 0; i < ctrl.GetButtonCount();)
    {
        TBBUTTON button = {};
        ctrl.GetButton(i, &button);
        BOOL separator = (button.fsStyle & TBSTYLE_SEP) != 0;
        if (separator && previousIsSeparator)
        {
            ctrl.DeleteButton(i);
            continue;
        }
        previousIsSeparator = separator;
        ++i;
    }
}

void CCustomToolBar::Relayout()
{
    CWnd* parent = GetParent();
    if (parent != NULL && parent->IsKindOf(RUNTIME_CLASS(CFrameWnd)))
        ((CFrameWnd*)parent)->RecalcLayout();
    GetToolBarCtrl().AutoSize();
    Invalidate();
}

void CCustomToolBar::OnReset(NMHDR*, LRESULT* result)
{
    CToolBarCtrl& ctrl = GetToolBarCtrl();
    ctrl.DeleteAllButtons();
    if (!m_fullSet.empty())
        ctrl.AddButtons((int)m_fullSet.size(), m_fullSet.data());
    for (UINT command : m_hidden)
    {
        int index = (int)ctrl.CommandToIndex(command);
        if (index >= 0)
            ctrl.DeleteButton(index);
    }
    RemoveRedundantSeparators();
    Relayout();
    *result = 0;
}

void CCustomToolBar::OnEndAdjust(NMHDR*, LRESULT* result)
{
    RemoveRedundantSeparators();
    Relayout();
    *result = 0;
}

void CCustomToolBar::OnToolBarChange(NMHDR*, LRESULT* result)
{
    Relayout();
    *result = 0;
}

void CCustomToolBar::OnNothing(NMHDR*, LRESULT* result)
{
    *result = 0;
}

void CCustomToolBar::OnDestroy()
{
    if (!m_subKey.IsEmpty())
        GetToolBarCtrl().SaveState(m_stateKey, m_subKey, m_valueName);
    CToolBar::OnDestroy();
}

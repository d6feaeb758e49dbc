#include "afx/windows/ToolBar.h"

#include "afx/strings/LoadString.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CToolBar, CControlBar)

namespace
{
const LPCSTR toolbarResourceType = MAKEINTRESOURCEA(241);
// version, image width, image height, item count, then the items
const int headerWords = 4;
// Room around an image inside its button.
const int buttonMarginX = 7;
const int buttonMarginY = 7;
}

BOOL PASCAL CToolBar::ReadToolBarResource(LPCTSTR lpszResourceName, CUIntArray& ids, BOOL bSkipSeparators,
                                          CSize* pImageSize)
{
    ids.RemoveAll();
    HINSTANCE module = AfxGetResourceHandle();
    HRSRC resource = ::FindResourceA(module, lpszResourceName, toolbarResourceType);
    if (resource == NULL)
        return FALSE;
    HGLOBAL loaded = ::LoadResource(module, resource);
    const WORD* words = loaded != NULL ? (const WORD*)::LockResource(loaded) : NULL;
    DWORD size = ::SizeofResource(module, resource);
    if (words == NULL || size < headerWords * sizeof(WORD) || words[0] != 1)
        return FALSE;
    if (pImageSize != NULL)
        *pImageSize = CSize(words[1], words[2]);
    // A damaged count never reads past the resource.
    DWORD count = words[3];
    DWORD available = size / sizeof(WORD) - headerWords;
    if (count > available)
        count = available;
    for (DWORD i = 0; i < count; ++i)
    {
        WORD id = words[headerWords + i];
        if (id != 0 || !bSkipSeparators)
            ids.Add(id);
    }
    return TRUE;
}

BOOL CToolBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    return CreateEx(pParentWnd, 0, dwStyle, nID);
}

BOOL CToolBar::CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, UINT nID)
{
    AfxInitCommonControls();
    m_dwStyle = dwStyle & 0xFFFF;
    // The bar keeps its own size; RepositionBars places it.
    DWORD style = (dwStyle & 0xFFFF0000) | dwCtrlStyle | CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER;
    if (!CWnd::CreateEx(0, TOOLBARCLASSNAMEA, NULL, style, 0, 0, 0, 0, pParentWnd->GetSafeHwnd(), (HMENU)(UINT_PTR)nID))
        return FALSE;
    GetToolBarCtrl().SetButtonStructSize(sizeof(TBBUTTON));
    return TRUE;
}

CToolBarCtrl& CToolBar::GetToolBarCtrl() const
{
    m_ctrl.m_hWnd = m_hWnd;
    return m_ctrl;
}

BOOL CToolBar::LoadToolBar(UINT nIDResource)
{
    CUIntArray ids;
    CSize imageSize;
    if (!ReadToolBarResource(MAKEINTRESOURCEA(nIDResource), ids, FALSE, &imageSize))
        return FALSE;
    HBITMAP bitmap = (HBITMAP)::LoadImageA(AfxGetResourceHandle(), MAKEINTRESOURCEA(nIDResource), IMAGE_BITMAP, 0, 0,
                                           LR_DEFAULTCOLOR);
    if (bitmap == NULL)
        return FALSE;
    ::DeleteObject(bitmap);
    int images = 0;
    for (INT_PTR i = 0; i < ids.GetSize(); ++i)
        if (ids[i] != 0)
            images++;
    CToolBarCtrl& ctrl = GetToolBarCtrl();
    ctrl.SetBitmapSize(imageSize);
    ctrl.SetButtonSize(CSize(imageSize.cx + buttonMarginX, imageSize.cy + buttonMarginY));
    if (images > 0 && ctrl.AddBitmap(images, nIDResource) < 0)
        return FALSE;
    return SetButtons(ids.GetData(), (int)ids.GetSize());
}

BOOL CToolBar::SetButtons(const UINT* lpIDArray, int nIDCount)
{
    CToolBarCtrl& ctrl = GetToolBarCtrl();
    ctrl.DeleteAllButtons();
    int image = 0;
    for (int i = 0; i < nIDCount; ++i)
    {
        TBBUTTON button = {};
        button.idCommand = (int)lpIDArray[i];
        if (button.idCommand == 0)
        {
            button.fsStyle = TBSTYLE_SEP;
        }
        else
        {
            button.iBitmap = image++;
            button.fsState = TBSTATE_ENABLED;
            button.fsStyle = TBSTYLE_BUTTON;
        }
        if (!ctrl.AddButtons(1, &button))
            return FALSE;
    }
    return TRUE;
}

int CToolBar::CommandToIndex(UINT nIDFind) const
{
    return (int)GetToolBarCtrl().CommandToIndex(nIDFind);
}

UINT CToolBar::GetItemID(int nIndex) const
{
    TBBUTTON button = {};
    return GetToolBarCtrl().GetButton(nIndex, &button) ? (UINT)button.idCommand : 0;
}

void CToolBar::GetItemRect(int nIndex, LPRECT lpRect) const
{
    if (!GetToolBarCtrl().GetItemRect(nIndex, lpRect))
        ::SetRectEmpty(lpRect);
}

CSize CToolBar::CalcFixedLayout(BOOL, BOOL)
{
    CToolBarCtrl& ctrl = GetToolBarCtrl();
    CSize size(0, ctrl.GetButtonSize().cy);
    CRect rect;
    for (int i = 0; i < ctrl.GetButtonCount(); ++i)
        if (ctrl.GetItemRect(i, &rect))
        {
            size.cx = std::max(size.cx, rect.right);
            size.cy = std::max(size.cy, (LONG)rect.bottom);
        }
    // As much room below the buttons as above them, at least 2 pixels each.
    CRect first;
    int margin = ctrl.GetButtonCount() > 0 && ctrl.GetItemRect(0, &first) ? std::max(2L, first.top) : 2;
    size.cy += margin + (ctrl.GetButtonCount() > 0 ? 0 : margin);
    return size;
}

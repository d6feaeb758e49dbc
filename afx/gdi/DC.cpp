#include "afx/gdi/DC.h"
#include "afx/app/ThreadState.h"
#include "afx/windows/Wnd.h"

IMPLEMENT_DYNCREATE(CDC, CObject)

CDC::PFN_DELETE_FONT_CACHE CDC::m_pfnDeleteFontCache = NULL;

namespace
{
CObject* ConstructTempDC(HANDLE h)
{
    CDC* pDC = new CDC;
    pDC->m_hDC = pDC->m_hAttribDC = (HDC)h;
    return pDC;
}

void ReleaseTempDC(CObject* pObject)
{
    CDC* pDC = (CDC*)pObject;
    pDC->m_hDC = pDC->m_hAttribDC = NULL;
}

CHandleMap* DCMap()
{
    return AfxGetHandleMap(&AFX_THREAD_STATE::m_pDCMap, ConstructTempDC, ReleaseTempDC);
}
} // namespace

CDC::CDC() : m_hDC(NULL), m_hAttribDC(NULL), m_bPrinting(FALSE), m_pFontCache(NULL)
{
}

CDC::~CDC()
{
    FreeFontCache();
    if (m_hDC != NULL)
        ::DeleteDC(Detach());
}

void CDC::FreeFontCache()
{
    if (m_pFontCache != NULL && m_pfnDeleteFontCache != NULL)
        m_pfnDeleteFontCache(m_pFontCache);
    m_pFontCache = NULL;
}

CDC* PASCAL CDC::FromHandle(HDC hDC)
{
    return (CDC*)DCMap()->FromHandle(hDC);
}

void PASCAL CDC::DeleteTempMap()
{
    DCMap()->DeleteTemp();
}

BOOL CDC::Attach(HDC hDC)
{
    if (hDC == NULL)
        return FALSE;
    m_hDC = hDC;
    DCMap()->AttachObject(hDC, this);
    SetAttribDC(m_hDC);
    return TRUE;
}

HDC CDC::Detach()
{
    HDC hDC = m_hDC;
    DCMap()->DetachObject(hDC, this);
    ReleaseAttribDC();
    ReleaseOutputDC();
    return hDC;
}

BOOL CDC::CreateDC(LPCTSTR lpszDriverName, LPCTSTR lpszDeviceName, LPCTSTR lpszOutput, const void* lpInitData)
{
    return Attach(::CreateDCA(lpszDriverName, lpszDeviceName, lpszOutput, (const DEVMODEA*)lpInitData));
}

BOOL CDC::CreateIC(LPCTSTR lpszDriverName, LPCTSTR lpszDeviceName, LPCTSTR lpszOutput, const void* lpInitData)
{
    return Attach(::CreateICA(lpszDriverName, lpszDeviceName, lpszOutput, (const DEVMODEA*)lpInitData));
}

BOOL CDC::CreateCompatibleDC(CDC* pDC)
{
    return Attach(::CreateCompatibleDC(pDC->GetSafeHdc()));
}

BOOL CDC::DeleteDC()
{
    FreeFontCache();
    if (m_hDC == NULL)
        return FALSE;
    return ::DeleteDC(Detach());
}

CWnd* CDC::GetWindow() const
{
    return CWnd::FromHandle(::WindowFromDC(m_hDC));
}

CGdiObject* CDC::SelectGdiObject(HGDIOBJ hObject)
{
    if (hObject == NULL)
        return NULL;
    HGDIOBJ hOld = NULL;
    if (m_hDC != m_hAttribDC && m_hDC != NULL)
        hOld = ::SelectObject(m_hDC, hObject);
    if (m_hAttribDC != NULL)
        hOld = ::SelectObject(m_hAttribDC, hObject);
    return hOld != NULL && hOld != HGDI_ERROR ? CGdiObject::FromHandle(hOld) : NULL;
}

HGDIOBJ CDC::SelectObject(HGDIOBJ hObject)
{
    HGDIOBJ hOld = NULL;
    if (m_hDC != m_hAttribDC && m_hDC != NULL)
        hOld = ::SelectObject(m_hDC, hObject);
    if (m_hAttribDC != NULL)
        hOld = ::SelectObject(m_hAttribDC, hObject);
    return hOld;
}

CGdiObject* CDC::SelectStockObject(int nIndex)
{
    return SelectGdiObject(::GetStockObject(nIndex));
}

CPalette* CDC::SelectPalette(CPalette* pPalette, BOOL bForceBackground)
{
    return CPalette::FromHandle(::SelectPalette(m_hDC, (HPALETTE)pPalette->GetSafeHandle(), bForceBackground));
}

COLORREF CDC::SetTextColor(COLORREF crColor)
{
    COLORREF crOld = CLR_INVALID;
    if (m_hDC != m_hAttribDC)
        crOld = ::SetTextColor(m_hDC, crColor);
    if (m_hAttribDC != NULL)
        crOld = ::SetTextColor(m_hAttribDC, crColor);
    return crOld;
}

COLORREF CDC::SetBkColor(COLORREF crColor)
{
    COLORREF crOld = CLR_INVALID;
    if (m_hDC != m_hAttribDC)
        crOld = ::SetBkColor(m_hDC, crColor);
    if (m_hAttribDC != NULL)
        crOld = ::SetBkColor(m_hAttribDC, crColor);
    return crOld;
}

int CDC::SetBkMode(int nBkMode)
{
    int nOld = 0;
    if (m_hDC != m_hAttribDC)
        nOld = ::SetBkMode(m_hDC, nBkMode);
    if (m_hAttribDC != NULL)
        nOld = ::SetBkMode(m_hAttribDC, nBkMode);
    return nOld;
}

int CDC::SetStretchBltMode(int nStretchMode)
{
    int nOld = 0;
    if (m_hDC != m_hAttribDC)
        nOld = ::SetStretchBltMode(m_hDC, nStretchMode);
    if (m_hAttribDC != NULL)
        nOld = ::SetStretchBltMode(m_hAttribDC, nStretchMode);
    return nOld;
}

int CDC::SetMapMode(int nMapMode)
{
    int nOld = 0;
    if (m_hDC != m_hAttribDC)
        nOld = ::SetMapMode(m_hDC, nMapMode);
    if (m_hAttribDC != NULL)
        nOld = ::SetMapMode(m_hAttribDC, nMapMode);
    return nOld;
}

CPoint CDC::SetWindowOrg(int x, int y)
{
    POINT pt = {0, 0};
    if (m_hDC != m_hAttribDC)
        ::SetWindowOrgEx(m_hDC, x, y, &pt);
    if (m_hAttribDC != NULL)
        ::SetWindowOrgEx(m_hAttribDC, x, y, &pt);
    return CPoint(pt.x, pt.y);
}

CSize CDC::SetWindowExt(int cx, int cy)
{
    SIZE size = {0, 0};
    if (m_hDC != m_hAttribDC)
        ::SetWindowExtEx(m_hDC, cx, cy, &size);
    if (m_hAttribDC != NULL)
        ::SetWindowExtEx(m_hAttribDC, cx, cy, &size);
    return CSize(size.cx, size.cy);
}

CPoint CDC::SetViewportOrg(int x, int y)
{
    POINT pt = {0, 0};
    if (m_hDC != m_hAttribDC)
        ::SetViewportOrgEx(m_hDC, x, y, &pt);
    if (m_hAttribDC != NULL)
        ::SetViewportOrgEx(m_hAttribDC, x, y, &pt);
    return CPoint(pt.x, pt.y);
}

CSize CDC::SetViewportExt(int cx, int cy)
{
    SIZE size = {0, 0};
    if (m_hDC != m_hAttribDC)
        ::SetViewportExtEx(m_hDC, cx, cy, &size);
    if (m_hAttribDC != NULL)
        ::SetViewportExtEx(m_hAttribDC, cx, cy, &size);
    return CSize(size.cx, size.cy);
}

CPoint CDC::GetViewportOrg() const
{
    POINT pt = {0, 0};
    ::GetViewportOrgEx(m_hAttribDC, &pt);
    return CPoint(pt.x, pt.y);
}

CPoint CDC::GetWindowOrg() const
{
    POINT pt = {0, 0};
    ::GetWindowOrgEx(m_hAttribDC, &pt);
    return CPoint(pt.x, pt.y);
}

CSize CDC::GetTextExtent(LPCTSTR lpszString, int nCount) const
{
    SIZE size = {0, 0};
    ::GetTextExtentPoint32A(m_hAttribDC, lpszString, nCount, &size);
    return CSize(size.cx, size.cy);
}

void CDC::FillSolidRect(LPCRECT lpRect, COLORREF clr)
{
    ::SetBkColor(m_hDC, clr);
    ::ExtTextOutA(m_hDC, 0, 0, ETO_OPAQUE, lpRect, NULL, 0, NULL);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF clr)
{
    RECT rect = {x, y, x + cx, y + cy};
    FillSolidRect(&rect, clr);
}

void CDC::Draw3dRect(LPCRECT lpRect, COLORREF clrTopLeft, COLORREF clrBottomRight)
{
    Draw3dRect(lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top, clrTopLeft,
               clrBottomRight);
}

void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF clrTopLeft, COLORREF clrBottomRight)
{
    FillSolidRect(x, y, cx - 1, 1, clrTopLeft);
    FillSolidRect(x, y, 1, cy - 1, clrTopLeft);
    FillSolidRect(x + cx, y, -1, cy, clrBottomRight);
    FillSolidRect(x, y + cy, cx, -1, clrBottomRight);
}

CPoint CDC::MoveTo(int x, int y)
{
    POINT pt = {0, 0};
    if (m_hDC != m_hAttribDC)
        ::MoveToEx(m_hDC, x, y, &pt);
    if (m_hAttribDC != NULL)
        ::MoveToEx(m_hAttribDC, x, y, &pt);
    return CPoint(pt.x, pt.y);
}

BOOL CDC::DrawState(CPoint pt, CSize size, HICON hIcon, UINT nFlags, CBrush* pBrush)
{
    return ::DrawStateA(m_hDC, (HBRUSH)pBrush->GetSafeHandle(), NULL, (LPARAM)hIcon, 0, pt.x, pt.y, size.cx, size.cy,
                        nFlags | DST_ICON);
}

BOOL CDC::DrawState(CPoint pt, CSize size, HBITMAP hBitmap, UINT nFlags, CBrush* pBrush)
{
    return ::DrawStateA(m_hDC, (HBRUSH)pBrush->GetSafeHandle(), NULL, (LPARAM)hBitmap, 0, pt.x, pt.y, size.cx,
                        size.cy, nFlags | DST_BITMAP);
}

BOOL CDC::DrawState(CPoint pt, CSize size, LPCTSTR lpszText, UINT nFlags, BOOL bPrefixText, int nTextLen,
                    CBrush* pBrush)
{
    return ::DrawStateA(m_hDC, (HBRUSH)pBrush->GetSafeHandle(), NULL, (LPARAM)lpszText, (WPARAM)nTextLen, pt.x,
                        pt.y, size.cx, size.cy, nFlags | (bPrefixText ? DST_PREFIXTEXT : DST_TEXT));
}

int CDC::StartDoc(LPCTSTR lpszDocName)
{
    DOCINFOA di;
    memset(&di, 0, sizeof(di));
    di.cbSize = sizeof(di);
    di.lpszDocName = lpszDocName;
    return StartDoc(&di);
}

CBrush* PASCAL CDC::GetHalftoneBrush()
{
    static CBrush s_brush;
    if (s_brush.m_hObject == NULL)
    {
        WORD grayPattern[8];
        for (int i = 0; i < 8; i++)
            grayPattern[i] = (WORD)(0x5555 << (i & 1));
        HBITMAP hBitmap = ::CreateBitmap(8, 8, 1, 1, grayPattern);
        if (hBitmap != NULL)
        {
            s_brush.Attach(::CreatePatternBrush(hBitmap));
            ::DeleteObject(hBitmap);
        }
    }
    return &s_brush;
}

#include "output/pictures/PictureCtrl.h"

#include "foundation/windows/RectPlacement.h"
#include "foundation/windows/WindowGeometry.h"
#include "framework/windows/BitmapDrawing.h"
#include "output/pictures/PictureSizeFitting.h"

BEGIN_MESSAGE_MAP(CPictureCtrl, CMyWnd)
ON_WM_PAINT()
END_MESSAGE_MAP()

CPictureCtrl::CPictureCtrl()
    : m_pPlaceholder(NULL), m_fittedSize(0, 0), m_bVisible(TRUE), m_nShowCommand(SW_HIDE), m_textColour(NoInkColour),
      m_backgroundColour(NoInkColour), m_hBitmap(NULL), m_nMaxWidth(0), m_nMaxHeight(0)
{
}

CPictureCtrl::~CPictureCtrl()
{
    m_paletteHook.HookWindow((HWND)NULL);
    m_picture.Clear();
}

BOOL CPictureCtrl::CreateOverControl(CWnd* parent, UINT placeholderId, LPCTSTR text, int maxWidth, int maxHeight)
{
    m_pPlaceholder = parent != NULL ? parent->GetDlgItem(placeholderId) : NULL;
    if (m_pPlaceholder == NULL)
        return FALSE;
    CRect rect = DeflateRectByTabMargins(GetWindowRectInParent(m_pPlaceholder));
    if (maxWidth > 0 && rect.Width() > maxWidth)
        rect.right = rect.left + maxWidth;
    if (maxHeight > 0 && rect.Height() > maxHeight)
        rect.bottom = rect.top + maxHeight;
    LPCTSTR windowClass = AfxRegisterWndClass(CS_HREDRAW | CS_VREDRAW, NULL, (HBRUSH)(COLOR_BTNFACE + 1), NULL);
    return CreateEx(0, windowClass, text, WS_CHILD | WS_DISABLED, rect, parent, 0);
}

BOOL CPictureCtrl::LoadPicture(LPCTSTR path, PictureLoadOptions options, BOOL invalidateFirst)
{
    m_hBitmap = NULL;
    if (invalidateFirst && m_hWnd != NULL)
        Invalidate(TRUE);
    if (!m_picture.Load(path, options))
        return FALSE;
    if (m_hWnd != NULL)
        Invalidate(TRUE);
    Layout();
    return TRUE;
}

void CPictureCtrl::ClearPicture()
{
    m_picture.Clear();
    if (m_hWnd != NULL)
        ShowWindow(SW_HIDE);
}

void CPictureCtrl::SetVisible(BOOL visible)
{
    m_bVisible = visible;
    if (m_hWnd != NULL)
        ShowWindow(visible ? m_nShowCommand : SW_HIDE);
}

void CPictureCtrl::Layout()
{
    if (m_hWnd == NULL)
        return;
    m_paletteHook.palette = m_picture.GetPalette();
    if (!m_paletteHook.IsHooked())
        m_paletteHook.HookWindow(this);
    m_paletteHook.RealizePalette(TRUE);
    CRect client;
    GetClientRect(&client);
    if (client.Width() < 1 || client.Height() < 1)
        return;
    m_nShowCommand = SW_HIDE;
    CDC* dc = GetDC();
    if (dc != NULL)
    {
        m_nShowCommand = SW_SHOW;
        m_fittedSize = FitSizeToAspectOnDevice(dc, client.Width(), client.Height(), m_picture.GetWidthInInches(),
                                               m_picture.GetHeightInInches());
        ReleaseDC(dc);
    }
    ShowWindow(m_bVisible ? m_nShowCommand : SW_HIDE);
}

void CPictureCtrl::OnPaint()
{
    CPaintDC dc(this);
    CRect clip, client;
    dc.GetClipBox(&clip);
    GetClientRect(&client);
    if (clip.IsRectEmpty() || client.IsRectEmpty())
        return;
    if (m_backgroundColour != NoInkColour)
    {
        dc.FillSolidRect(&client, m_backgroundColour);
        dc.SetBkColor(m_backgroundColour);
    }
    dc.SetTextColor(m_textColour != NoInkColour ? m_textColour : dc.GetTextColor());
    if (m_hBitmap != NULL)
    {
        BITMAP info;
        ::GetObjectA(m_hBitmap, sizeof(info), &info);
        const CRect place = AlignRectInRect(info.bmWidth, info.bmHeight, client, 0, 0, PLACE_CENTRE);
        // Unstretched: a bitmap larger than the window shows its top left part.
        const CRect part(0, 0, place.Width(), place.Height());
        DrawBitmapRect(&dc, CBitmap::FromHandle(m_hBitmap), &place, &part, SRCCOPY);
    }
    else if (m_picture.HasPicture())
    {
        CSize size = m_fittedSize;
        if (m_nMaxWidth > 0 && size.cx > m_nMaxWidth)
            size.cx = m_nMaxWidth;
        if (m_nMaxHeight > 0 && size.cy > m_nMaxHeight)
            size.cy = m_nMaxHeight;
        CRect place = AlignRectInRect(size.cx, size.cy, client, 0, 0, PLACE_CENTRE);
        m_picture.Draw(&dc, place, clip, CPoint(0, 0));
    }
}

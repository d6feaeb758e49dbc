#include "output/pictures/ThumbnailGrid.h"

#include "foundation/files/PathText.h"
#include "foundation/windows/Drawing.h"
#include "foundation/windows/OwnedHandle.h"
#include "foundation/windows/RectPlacement.h"
#include "foundation/windows/SelectedObject.h"
#include "framework/app/FrameworkApp.h"
#include "framework/windows/BitmapDrawing.h"
#include "framework/windows/PictureFileList.h"
#include "output/pictures/PictureSizeFitting.h"
#include "output/pictures/Picture.h"
#include "framework/messages/PrivateMessages.h"

IMPLEMENT_DYNCREATE(CThumbnailGrid, CMyWnd)

BEGIN_MESSAGE_MAP(CThumbnailGrid, CMyWnd)
ON_WM_SIZE()
ON_WM_PAINT()
ON_WM_VSCROLL()
ON_WM_KEYDOWN()
ON_WM_KEYUP()
ON_WM_GETDLGCODE()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_RBUTTONDOWN()
ON_WM_LBUTTONDBLCLK()
ON_WM_MOUSEMOVE()
ON_WM_SETCURSOR()
ON_WM_SETFOCUS()
ON_WM_KILLFOCUS()
ON_WM_DESTROY()
ON_MESSAGE(WM_THUMBNAILS_MADE, OnThumbnailsMade)
END_MESSAGE_MAP()

namespace
{
const int GripSize = 12;
const int CaptionMargin = 14;
const int MinimumCell = 30;
} // namespace

CThumbnailGrid::CThumbnailGrid()
    : m_pOwnerDialog(NULL), m_nCellWidth(200), m_nCellHeight(200), m_nColumns(1), m_nFirstRow(0), m_nVisibleRows(1),
      m_nFullRows(1), m_nCount(0), m_nSelection(-1), m_bTracking(FALSE), m_nLastX(0), m_nLastY(0)
{
    m_windowClass = AfxRegisterWndClass(CS_DBLCLKS | CS_SAVEBITS, ::LoadCursorA(NULL, IDC_ARROW),
                                        ::GetSysColorBrush(COLOR_BTNFACE), NULL);
    m_hResizeCursor = ::LoadCursorA(NULL, IDC_SIZEALL);
    SetSettingsKey("Preferences", "ThumbnailCellSize");
}

CThumbnailGrid::~CThumbnailGrid()
{
    m_maker.Stop();
    ForgetThumbnails();
}

BOOL CThumbnailGrid::Create(CWnd* parent, const RECT& rect, UINT id)
{
    return CreateEx(0, m_windowClass, "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP, rect, parent, id);
}

void CThumbnailGrid::SetSettingsKey(LPCTSTR section, LPCTSTR key)
{
    m_section = section;
    m_key = key;
    ReadCellSize();
    if (m_hWnd != NULL)
        Layout();
}

void CThumbnailGrid::ReadCellSize()
{
    CWinApp* app = AfxGetApp();
    int x = -1, y = -1;
    if (app != NULL && !m_section.IsEmpty() && !m_key.IsEmpty())
    {
        x = (int)app->GetProfileInt(m_section, m_key + "_x", -1);
        y = (int)app->GetProfileInt(m_section, m_key + "_y", -1);
    }
    const CSize old = GetCellSize();
    if (x >= 0 && y >= 0)
    {
        m_nCellWidth = x > MinimumCell ? x : MinimumCell;
        m_nCellHeight = y > MinimumCell ? y : MinimumCell;
    }
    else
        m_nCellWidth = m_nCellHeight = 120;
    if (GetCellSize() != old)
        ForgetThumbnails();
}

void CThumbnailGrid::ForgetThumbnails()
{
    m_maker.Reset();
    m_thumbnails.clear(); // their bitmaps go with them
    m_thumbnails.resize(m_names.GetSize());
}

BOOL CThumbnailGrid::IsMakingThumbnails()
{
    return m_maker.IsBusy();
}

BOOL CThumbnailGrid::HasThumbnail(int index) const
{
    return index >= 0 && index < (int)m_thumbnails.size() && m_thumbnails[index].state == Thumbnail::Made;
}

void CThumbnailGrid::RequestThumbnail(CDC* dc, int index)
{
    if (!m_maker.IsStarted())
        m_maker.Start(m_hWnd, WM_THUMBNAILS_MADE, CThumbnailMaker::DefaultThreadCount());
    const int ppiX = ::GetDeviceCaps(dc->m_hAttribDC, LOGPIXELSX);
    const int ppiY = ::GetDeviceCaps(dc->m_hAttribDC, LOGPIXELSY);
    // Room for the picture inside the cell's edge and selection frame.
    const CSize room(std::max(m_nCellWidth - 10, 1), std::max(m_nCellHeight - 10, 1));
    m_maker.Request(index, JoinPath(m_folder, m_names[index]), room, MakePictureLoadOptions(ppiX, ppiY),
                    ::GetSysColor(COLOR_BTNFACE));
    m_thumbnails[index].state = Thumbnail::Requested;
}

LRESULT CThumbnailGrid::OnThumbnailsMade(WPARAM, LPARAM)
{
    for (ThumbnailResult& result : m_maker.TakeResults())
    {
        if (result.index < 0 || result.index >= (int)m_thumbnails.size())
            continue;
        Thumbnail& thumbnail = m_thumbnails[result.index];
        thumbnail.made = std::move(result.thumbnail);
        thumbnail.description = result.loaded ? DescribePictureKind(result.thumbnail.isBitmap,
                                                                    result.thumbnail.bitCount)
                                              : CString();
        thumbnail.state = Thumbnail::Made;
        InvalidateCell(result.index);
    }
    return 0;
}

void CThumbnailGrid::OnDestroy()
{
    m_maker.Stop();
    CMyWnd::OnDestroy();
}

void CThumbnailGrid::SetFolder(LPCTSTR folder)
{
    if (folder == NULL || *folder == '\0')
    {
        m_folder.Empty();
        m_names.RemoveAll();
        ForgetThumbnails();
        SetCount(0);
    }
    else if (m_folder.CompareNoCase(folder) != 0)
    {
        m_folder = folder;
        ListPictureFilesInFolder(folder, m_names);
        ForgetThumbnails();
        m_nSelection = -1;
        SetCount((int)m_names.GetSize());
    }
    if (m_hWnd != NULL)
        Invalidate(TRUE);
}

void CThumbnailGrid::SelectFile(LPCTSTR name)
{
    int found = -1;
    for (int i = 0; i < (int)m_names.GetSize() && found < 0; ++i)
        if (m_names[i].CompareNoCase(name) == 0)
            found = i;
    SetSelection(found);
}

void CThumbnailGrid::SetSelection(int index)
{
    if (index == m_nSelection)
        return;
    InvalidateCell(m_nSelection);
    m_nSelection = index;
    InvalidateCell(index);
    if (index >= 0)
        EnsureVisible(index, FALSE);
}

CString CThumbnailGrid::GetSelectedName() const
{
    return m_nSelection >= 0 && m_nSelection < (int)m_names.GetSize() ? m_names[m_nSelection] : CString();
}

CString CThumbnailGrid::GetSelectedPath() const
{
    CString name = GetSelectedName();
    return name.IsEmpty() ? name : JoinPath(m_folder, name);
}

void CThumbnailGrid::SetCount(int count)
{
    if (count == m_nCount)
        return;
    m_nCount = count;
    if (m_nSelection >= count)
        m_nSelection = count - 1;
    Layout();
}

void CThumbnailGrid::Layout()
{
    if (m_hWnd == NULL || m_nCellWidth <= 0 || m_nCellHeight <= 0)
        return;
    CRect client;
    GetClientRect(&client);
    m_nFullRows = client.Height() / m_nCellHeight;
    if (m_nFullRows < 1)
        m_nFullRows = 1;
    m_nVisibleRows = m_nFullRows + (m_nFullRows * m_nCellHeight < client.Height() ? 1 : 0);
    m_nColumns = client.Width() / m_nCellWidth;
    if (m_nColumns < 1)
        m_nColumns = 1;
    int lastFirstRow = (m_nCount + m_nColumns - 1) / m_nColumns - m_nFullRows;
    if (lastFirstRow < 0)
        lastFirstRow = 0;
    if (m_nFirstRow > lastFirstRow)
        m_nFirstRow = lastFirstRow;
    SetScrollRange(SB_VERT, 0, lastFirstRow, FALSE);
    SetScrollPos(SB_VERT, m_nFirstRow, TRUE);
    Invalidate(TRUE);
}

void CThumbnailGrid::SetFirstRow(int row)
{
    if (row == m_nFirstRow)
        return;
    m_nFirstRow = row;
    SetScrollPos(SB_VERT, row, TRUE);
    // Cells scrolled away need their thumbnails no longer; those shown now
    // ask again when painted.
    for (int index : m_maker.CancelWaiting())
        if (index < (int)m_thumbnails.size() && m_thumbnails[index].state == Thumbnail::Requested)
            m_thumbnails[index].state = Thumbnail::None;
    Invalidate(TRUE);
}

void CThumbnailGrid::EnsureVisible(int index, BOOL partialRows)
{
    if (index < 0 || m_nColumns < 1)
        return;
    const int rows = partialRows ? m_nVisibleRows : m_nFullRows;
    const int row = index / m_nColumns;
    if (row > m_nFirstRow + rows - 1)
        SetFirstRow(row - rows + 1);
    else if (row < m_nFirstRow)
        SetFirstRow(row);
}

CRect CThumbnailGrid::GetCellRect(int index) const
{
    const int row = index / m_nColumns, column = index % m_nColumns;
    const int left = column * m_nCellWidth, top = (row - m_nFirstRow) * m_nCellHeight;
    return CRect(left, top, left + m_nCellWidth, top + m_nCellHeight);
}

int CThumbnailGrid::HitTest(int x, int y) const
{
    if (x < 0 || y < 0 || m_nCellWidth <= 0 || m_nCellHeight <= 0)
        return -1;
    const int row = m_nFirstRow + y / m_nCellHeight, column = x / m_nCellWidth;
    if (column >= m_nColumns)
        return -1;
    const int index = row * m_nColumns + column;
    return index >= 0 && index < m_nCount ? index : -1;
}

int CThumbnailGrid::HitTestResizeHandle(int x, int y) const
{
    const int index = HitTest(x - m_nCellWidth / 2, y - m_nCellHeight / 2);
    if (index < 0)
        return -1;
    CRect cell = GetCellRect(index);
    return cell.right - GripSize <= x && x <= cell.right && cell.bottom - GripSize <= y && y <= cell.bottom ? index
                                                                                                            : -1;
}

void CThumbnailGrid::InvalidateCell(int index)
{
    if (m_hWnd != NULL && index >= 0 && index < m_nCount)
    {
        // The cell is painted whole, so nothing is erased first.
        CRect cell = GetCellRect(index);
        InvalidateRect(&cell, FALSE);
    }
}

void CThumbnailGrid::OnSize(UINT type, int cx, int cy)
{
    CMyWnd::OnSize(type, cx, cy);
    Layout();
}

void CThumbnailGrid::OnVScroll(UINT code, UINT position, CScrollBar*)
{
    int minimum = 0, maximum = 0;
    GetScrollRange(SB_VERT, &minimum, &maximum);
    if (maximum < 1)
        return;
    int row = m_nFirstRow;
    switch (code)
    {
    case SB_LINEUP:
        row -= 1;
        break;
    case SB_LINEDOWN:
        row += 1;
        break;
    case SB_PAGEUP:
        row -= m_nFullRows;
        break;
    case SB_PAGEDOWN:
        row += m_nFullRows;
        break;
    case SB_THUMBTRACK:
        row = (int)position;
        break;
    case SB_TOP:
        row = 0;
        break;
    case SB_BOTTOM:
        row = maximum;
        break;
    default:
        break;
    }
    SetFirstRow(row < 0 ? 0 : row > maximum ? maximum : row);
}

void CThumbnailGrid::OnKeyDown(UINT key, UINT, UINT)
{
    const int s = m_nSelection, c = m_nColumns, f = m_nFullRows, n = m_nCount;
    if (s < 0)
        return;
    const BOOL control = ::GetKeyState(VK_CONTROL) < 0;
    int target = s;
    switch (key)
    {
    case VK_PRIOR:
        target = s - c * f;
        while (target < 0)
            target += c;
        break;
    case VK_NEXT:
        target = s + c * f;
        while (target >= n)
            target -= c;
        break;
    case VK_HOME:
        target = control ? 0 : s - s % c;
        break;
    case VK_END:
        target = control ? n - 1 : s - s % c + c - 1;
        break;
    case VK_LEFT:
        target = s - 1;
        break;
    case VK_RIGHT:
        target = s + 1;
        break;
    case VK_UP:
        target = s - c >= 0 ? s - c : s;
        break;
    case VK_DOWN:
        target = s + c < n ? s + c : s;
        break;
    default:
        return;
    }
    if (target < 0)
        target = 0;
    if (target > n - 1)
        target = n - 1;
    if (target != s)
        SetSelection(target);
}

void CThumbnailGrid::OnKeyUp(UINT, UINT, UINT)
{
}

UINT CThumbnailGrid::OnGetDlgCode()
{
    return DLGC_WANTALLKEYS;
}

void CThumbnailGrid::OnLButtonDown(UINT, CPoint point)
{
    if (::GetFocus() != m_hWnd)
        SetFocus();
    const int grip = HitTestResizeHandle(point.x, point.y);
    if (grip < 0)
    {
        SetSelection(HitTest(point.x, point.y));
        return;
    }
    m_trackRect = GetCellRect(grip);
    ClientToScreen(&m_trackRect);
    m_nLastX = point.x;
    m_nLastY = point.y;
    SetCapture();
    m_bTracking = TRUE;
    DrawTracking();
}

void CThumbnailGrid::OnRButtonDown(UINT, CPoint point)
{
    if (::GetFocus() != m_hWnd)
        SetFocus();
    SetSelection(HitTest(point.x, point.y));
}

void CThumbnailGrid::OnLButtonDblClk(UINT, CPoint)
{
    if (m_pOwnerDialog != NULL && !GetSelectedPath().IsEmpty())
        m_pOwnerDialog->PostMessage(WM_COMMAND, IDOK, 0);
}

void CThumbnailGrid::DrawTracking()
{
    COwnedDC screen(::CreateDCA("DISPLAY", NULL, NULL, NULL));
    static const WORD pattern[8] = {0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA};
    COwnedGdiObject<HBITMAP> bitmap(::CreateBitmap(8, 8, 1, 1, pattern));
    COwnedGdiObject<HBRUSH> halftone(::CreatePatternBrush(bitmap));
    CSelectedObject selected(screen, halftone);
    ::PatBlt(screen, m_trackRect.left, m_trackRect.top, m_trackRect.Width(), m_trackRect.Height(), PATINVERT);
}

void CThumbnailGrid::OnMouseMove(UINT flags, CPoint point)
{
    if (!m_bTracking)
    {
        CMyWnd::OnMouseMove(flags, point);
        if (HitTestResizeHandle(point.x, point.y) >= 0)
            ::SetCursor(m_hResizeCursor);
        return;
    }
    if (::GetCapture() != m_hWnd)
    {
        DrawTracking();
        m_bTracking = FALSE;
        return;
    }
    DrawTracking();
    m_trackRect.right = std::max<int>(m_trackRect.right + point.x - m_nLastX, m_trackRect.left + 10);
    m_trackRect.bottom = std::max<int>(m_trackRect.bottom + point.y - m_nLastY, m_trackRect.top + 10);
    DrawTracking();
    m_nLastX = point.x;
    m_nLastY = point.y;
    ::SetCursor(m_hResizeCursor);
}

void CThumbnailGrid::OnLButtonUp(UINT, CPoint)
{
    if (!m_bTracking)
        return;
    ::ReleaseCapture();
    DrawTracking();
    m_bTracking = FALSE;
    m_nCellWidth = m_trackRect.Width() < MinimumCell + 1 ? MinimumCell : m_trackRect.Width();
    m_nCellHeight = m_trackRect.Height() < MinimumCell + 1 ? MinimumCell : m_trackRect.Height();
    ForgetThumbnails();
    Layout();
    CWinApp* app = AfxGetApp();
    if (app != NULL && !m_section.IsEmpty() && !m_key.IsEmpty())
    {
        app->WriteProfileInt(m_section, m_key + "_x", m_nCellWidth);
        app->WriteProfileInt(m_section, m_key + "_y", m_nCellHeight);
    }
}

BOOL CThumbnailGrid::OnSetCursor(CWnd* wnd, UINT hitTest, UINT message)
{
    if (m_bTracking)
    {
        ::SetCursor(m_hResizeCursor);
        return TRUE;
    }
    return CMyWnd::OnSetCursor(wnd, hitTest, message);
}

void CThumbnailGrid::OnSetFocus(CWnd* old)
{
    CMyWnd::OnSetFocus(old);
    InvalidateCell(m_nSelection);
}

void CThumbnailGrid::OnKillFocus(CWnd* next)
{
    CMyWnd::OnKillFocus(next);
    InvalidateCell(m_nSelection);
}

void CThumbnailGrid::OnPaint()
{
    CPaintDC dc(this);
    if (m_nCellHeight == 0)
        return;
    // Only the cells that the update region meets are painted: a thumbnail
    // that arrives repaints its own cell, not the page around it.
    CRect paint = dc.m_ps.rcPaint;
    const int firstRow = m_nFirstRow + paint.top / m_nCellHeight;
    const int lastRow = m_nFirstRow + paint.bottom / m_nCellHeight;
    for (int row = firstRow; row <= lastRow; ++row)
        for (int column = 0; column < m_nColumns; ++column)
        {
            const int index = row * m_nColumns + column;
            if (index >= m_nCount)
                return;
            CRect cell = GetCellRect(index);
            if (::RectVisible(dc.m_hDC, &cell))
                PaintCell(&dc, index);
        }
}

void CThumbnailGrid::PaintCell(CDC* dc, int index)
{
    CRect rect = GetCellRect(index);
    dc->FillSolidRect(&rect, ::GetSysColor(COLOR_BTNFACE));
    DrawRaisedEdge(dc, rect);
    rect.DeflateRect(2, 2);
    // A count set beyond the folder's pictures shows empty cells.
    if (index >= (int)m_thumbnails.size())
        return;

    Thumbnail& thumbnail = m_thumbnails[index];
    if (thumbnail.state == Thumbnail::None)
        RequestThumbnail(dc, index);

    // The caption tells the picture's kind once its thumbnail is made.
    CString caption = m_names[index];
    int dot = caption.Find('.');
    if (dot >= 0)
        caption = caption.Left(dot);
    if (thumbnail.state == Thumbnail::Made)
    {
        caption += ", ";
        caption += thumbnail.made.bitmap != NULL ? thumbnail.description : CString("* unknown format *");
    }

    CFrameworkApp* app = GetFrameworkApp();
    HFONT font = app != NULL && app->m_defaultGuiFont != NULL ? app->m_defaultGuiFont
                                                              : (HFONT)::GetStockObject(DEFAULT_GUI_FONT);
    CRect area = rect;
    if (rect.Width() - CaptionMargin >= 1)
    {
        CSelectedObject selectedFont(dc->m_hDC, font);
        CRect measure(rect.left, rect.top, rect.right - CaptionMargin, rect.bottom);
        ::DrawTextA(dc->m_hDC, caption, caption.GetLength(), &measure,
                    DT_CALCRECT | DT_WORDBREAK | DT_CENTER | DT_NOPREFIX);
        const int height = measure.Height();
        CRect text(rect.left, rect.bottom - height, rect.right - CaptionMargin, rect.bottom);
        const int oldMode = ::SetBkMode(dc->m_hDC, TRANSPARENT);
        ::DrawTextA(dc->m_hDC, caption, caption.GetLength(), &text, DT_WORDBREAK | DT_CENTER | DT_NOPREFIX);
        ::SetBkMode(dc->m_hDC, oldMode);
        area.bottom -= height + 2;
    }
    else
        area.bottom -= CaptionMargin;

    if (rect.Width() >= GripSize && rect.Height() >= GripSize)
    {
        CPen shadow(PS_SOLID, 1, ::GetSysColor(COLOR_BTNSHADOW));
        CPen light(PS_SOLID, 1, ::GetSysColor(COLOR_BTNHIGHLIGHT));
        auto line = [dc](CPen& pen, int fromX, int fromY, int toX, int toY) {
            CSelectedObject selectedPen(dc, &pen);
            dc->MoveTo(fromX, fromY);
            dc->LineTo(toX, toY);
        };
        for (int d = 2; d <= 10; d += 4)
        {
            line(shadow, rect.right - d, rect.bottom, rect.right, rect.bottom - d);
            line(light, rect.right - d - 1, rect.bottom, rect.right, rect.bottom - d - 1);
        }
    }

    if (area.Width() > 6 && area.Height() > 6)
    {
        CBrush frame(::GetSysColor(index == m_nSelection ? COLOR_HIGHLIGHT : COLOR_BTNFACE));
        DrawFrameInside(dc, area, &frame, 3, 3);
        area.DeflateRect(3, 3);
    }
    if (thumbnail.made.bitmap != NULL)
    {
        CSize size = FitSizeToAspectOnDevice(dc, area.Width(), area.Height(), thumbnail.made.widthInInches,
                                             thumbnail.made.heightInInches);
        CRect place = AlignRectInRect(size.cx, size.cy, area, 0, 0, PLACE_CENTRE);
        if (!place.IsRectEmpty())
            DrawBitmapRect(dc, CBitmap::FromHandle(thumbnail.made.bitmap), &place, NULL, SRCCOPY);
    }
}

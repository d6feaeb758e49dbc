#include "framework/values/CalendarPopup.h"

#include "foundation/windows/SelectedObject.h"
#include "framework/app/SharedFonts.h"
#include "framework/values/DateFormats.h"

namespace
{
    const int Size = 250;
    const int Margin = 4;
    const int Columns = 7;
    const int Rows = 9;

    CString NameInList(const CString& list, int index)
    {
        int start = 0;
        for (int i = 0; i < index; i++)
        {
            start = list.Find(',', start) + 1;
            if (start == 0)
                return CString();
        }
        int end = list.Find(',', start);
        return end < 0 ? list.Mid(start) : list.Mid(start, end - start);
    }
}

BEGIN_MESSAGE_MAP(CCalendarPopup, CPopupWnd)
    ON_WM_PAINT()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_KEYDOWN()
    ON_COMMAND(ID_PREVIOUS_YEAR, OnPreviousYear)
    ON_COMMAND(ID_NEXT_YEAR, OnNextYear)
    ON_COMMAND(ID_PREVIOUS_MONTH, OnPreviousMonth)
    ON_COMMAND(ID_NEXT_MONTH, OnNextMonth)
END_MESSAGE_MAP()

CCalendarPopup::CCalendarPopup(const RECT& ownerRect, CWnd* owner, const CDate& date)
    : m_owner(owner), m_date(date)
{
    if (m_date.m_month == 0)
        m_date.m_month = 1;
    if (m_date.m_day == 0)
        m_date.m_day = 1;
    CRect rect = CalcPopupRect(ownerRect.left, ownerRect.bottom, ownerRect.left, ownerRect.top, Size, Size);
    if (!CreatePopupWindow(owner, rect))
        return;
    static const char* const labels[4] = {"<<", "<", ">>", ">"};
    for (int i = 0; i < 4; i++)
    {
        m_buttons[i].Create(labels[i], WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(0, 0, 0, 0), this,
                            ID_PREVIOUS_YEAR + i);
        RegisterChild(m_buttons[i].GetSafeHwnd());
    }
    Layout();
    UpdateWindow();
    SetFocus();
}

void CCalendarPopup::Layout()
{
    CRect client;
    GetClientRect(&client);
    m_cellWidth = (client.Width() - 2 * Margin) / Columns;
    m_cellHeight = (client.Height() - 2 * Margin) / Rows;
    m_origin = CPoint((client.Width() - Columns * m_cellWidth) / 2, (client.Height() - Rows * m_cellHeight) / 2);
    // "<<" row 1 and "<" row 0 of the first column, ">>" and ">" of the last.
    const int rows[4] = {1, 0, 1, 0};
    const int columns[4] = {0, 0, Columns - 1, Columns - 1};
    for (int i = 0; i < 4; i++)
    {
        m_buttonRects[i] = CRect(CPoint(m_origin.x + columns[i] * m_cellWidth, m_origin.y + rows[i] * m_cellHeight),
                                 CSize(m_cellWidth, m_cellHeight));
        if (m_buttons[i].GetSafeHwnd() != NULL)
            m_buttons[i].MoveWindow(&m_buttonRects[i]);
    }
    m_titleRect = CRect(m_origin.x + m_cellWidth + 5, m_origin.y, m_origin.x + (Columns - 1) * m_cellWidth - 5,
                        m_origin.y + 2 * m_cellHeight);
}

CRect CCalendarPopup::DayCell(int day) const
{
    int index = DayOfWeek(m_date.m_year, m_date.m_month, 1) - 1 + day - 1;
    return CRect(CPoint(m_origin.x + (index % Columns) * m_cellWidth, m_origin.y + (3 + index / Columns) * m_cellHeight),
                 CSize(m_cellWidth, m_cellHeight));
}

int CCalendarPopup::DayAt(CPoint point) const
{
    int days = m_date.DaysInMonth();
    for (int day = 1; day <= days; day++)
    {
        if (DayCell(day).PtInRect(point))
            return day;
    }
    return 0;
}

void CCalendarPopup::OnPaint()
{
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    dc.FillSolidRect(&client, ::GetSysColor(COLOR_INFOBK));
    dc.SetBkMode(TRANSPARENT);
    CFont* bold = GuiBoldFont.GetSafeHandle() != NULL ? &GuiBoldFont : NULL;
    CFont* normal = CFont::FromHandle((HFONT)::GetStockObject(DEFAULT_GUI_FONT));
    dc.SetTextColor(::GetSysColor(COLOR_INFOTEXT));
    {
        CSelectedObject titleFont(&dc, bold != NULL ? bold : normal);
        CString title;
        title.Format("%s %d", (LPCTSTR)GetMonthName(m_date.m_month), m_date.m_year);
        dc.DrawText(title, &m_titleRect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }

    CSelectedObject textFont(&dc, normal);
    const CString& weekdays = GetWeekdayNameList(FALSE);
    for (int column = 0; column < Columns; column++)
    {
        CRect cell(CPoint(m_origin.x + column * m_cellWidth, m_origin.y + 2 * m_cellHeight),
                   CSize(m_cellWidth, m_cellHeight));
        dc.DrawText(NameInList(weekdays, column).Left(2), &cell, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    CDate today;
    today.SetToday();
    for (int day = 1; day <= m_date.DaysInMonth(); day++)
        PaintDay(&dc, day, today);

    // A line under the weekdays, or an outline around every cell.
    COLORREF lineColour = ::GetSysColor(COLOR_INFOTEXT);
    if (m_lineUnderWeekdays)
    {
        int lineY = m_origin.y + 3 * m_cellHeight - 1;
        dc.FillSolidRect(m_origin.x, lineY, Columns * m_cellWidth, 1, lineColour);
    }
    else
    {
        for (int row = 2; row < Rows; row++)
        {
            for (int column = 0; column < Columns; column++)
            {
                CRect cell(CPoint(m_origin.x + column * m_cellWidth, m_origin.y + row * m_cellHeight),
                           CSize(m_cellWidth + 1, m_cellHeight + 1));
                dc.Draw3dRect(&cell, lineColour, lineColour);
            }
        }
    }
}

void CCalendarPopup::PaintDay(CDC* dc, int day, const CDate& today)
{
    CRect cell = DayCell(day);
    m_dayRects[day - 1] = cell;
    BOOL shown = day == m_date.m_day;
    dc->FillSolidRect(&cell, ::GetSysColor(shown ? COLOR_HIGHLIGHT : COLOR_INFOBK));
    dc->SetTextColor(::GetSysColor(shown ? COLOR_HIGHLIGHTTEXT : COLOR_INFOTEXT));
    BOOL isToday = today == CDate(m_date.m_year, m_date.m_month, day);
    CSelectedObject todayFont(dc, isToday ? &GuiBoldFont : NULL);
    CString number;
    number.Format("%d", day);
    dc->DrawText(number, &cell, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void CCalendarPopup::ShowDate(const CDate& date)
{
    BOOL sameMonth = date.m_year == m_date.m_year && date.m_month == m_date.m_month;
    CRect before = DayCell(m_date.m_day);
    m_date = date;
    if (GetSafeHwnd() == NULL)
        return;
    if (!sameMonth)
    {
        Invalidate();
        return;
    }
    InvalidateRect(&before);
    CRect after = DayCell(m_date.m_day);
    InvalidateRect(&after);
}

void CCalendarPopup::OnLButtonDown(UINT flags, CPoint point)
{
    int day = DayAt(point);
    if (day != 0)
        ShowDate(CDate(m_date.m_year, m_date.m_month, day));
}

void CCalendarPopup::OnLButtonUp(UINT flags, CPoint point)
{
    if (DayAt(point) != 0)
        Accept();
}

void CCalendarPopup::OnKeyDown(UINT key, UINT repeat, UINT flags)
{
    CDate date = m_date;
    switch (key)
    {
    case VK_SPACE:
        Accept();
        return;
    case VK_PRIOR: date.AddMonths(-1); break;
    case VK_NEXT: date.AddMonths(1); break;
    case VK_LEFT: date.AddDays(-1); break;
    case VK_RIGHT: date.AddDays(1); break;
    case VK_UP: date.AddDays(-7); break;
    case VK_DOWN: date.AddDays(7); break;
    default:
        CPopupWnd::OnKeyDown(key, repeat, flags);
        return;
    }
    ShowDate(date);
}

void CCalendarPopup::ShowMonthsAway(int months)
{
    CDate date = m_date;
    date.AddMonths(months);
    ShowDate(date);
}

void CCalendarPopup::OnPreviousYear()
{
    ShowMonthsAway(-12);
}

void CCalendarPopup::OnNextYear()
{
    ShowMonthsAway(12);
}

void CCalendarPopup::OnPreviousMonth()
{
    ShowMonthsAway(-1);
}

void CCalendarPopup::OnNextMonth()
{
    ShowMonthsAway(1);
}

void CCalendarPopup::Accept()
{
    NotifySelected(m_owner, (WPARAM)m_date.m_year, (LPARAM)(m_date.m_month * 100 + m_date.m_day));
    CPopupWnd::Accept();
}

void CCalendarPopup::Cancel()
{
    NotifyCancelled(m_owner);
    CPopupWnd::Cancel();
}

CCalendarPopup* OpenCalendarPopup(const RECT& ownerRect, CWnd* owner, const CDate& date)
{
    return ReleaseToWindow(std::make_unique<CCalendarPopup>(ownerRect, owner, date));
}

#pragma once
// The drop-down month calendar of a date field: the user picks a day with
// the mouse or the keyboard; accepting posts the date to the owner (year in
// wParam, month x 100 + day in lParam).
#include "framework/popups/PopupButton.h"
#include "framework/popups/PopupWnd.h"
#include "framework/values/Date.h"

class CCalendarPopup : public CPopupWnd
{
public:
    enum
    {
        ID_PREVIOUS_YEAR = 100,
        ID_PREVIOUS_MONTH = 101,
        ID_NEXT_YEAR = 102,
        ID_NEXT_MONTH = 103,
    };

    // Opens below (or above) the owner control's screen rectangle.
    CCalendarPopup(const RECT& ownerRect, CWnd* owner, const CDate& date);

    void Accept() override;
    void Cancel() override;

    CWnd* m_owner;
    CDate m_date;
    CPopupButton m_buttons[4];
    int m_cellWidth = 0;
    int m_cellHeight = 0;
    CRect m_buttonRects[4];
    CRect m_titleRect;
    CRect m_dayRects[31];
    BOOL m_lineUnderWeekdays = TRUE;

protected:
    afx_msg void OnPaint();
    afx_msg void OnLButtonDown(UINT flags, CPoint point);
    afx_msg void OnLButtonUp(UINT flags, CPoint point);
    afx_msg void OnKeyDown(UINT key, UINT repeat, UINT flags);
    afx_msg void OnPreviousYear();
    afx_msg void OnNextYear();
    afx_msg void OnPreviousMonth();
    afx_msg void OnNextMonth();
    DECLARE_MESSAGE_MAP()

private:
    void Layout();
    // The cell of a day of the shown month (row and column of the grid).
    CRect DayCell(int day) const;
    int DayAt(CPoint point) const;
    // Shows another date: only the two day cells when the month stays.
    void ShowDate(const CDate& date);
    void ShowMonthsAway(int months);
    void PaintDay(CDC* dc, int day, const CDate& today);
    CPoint m_origin;
};

// Opens a calendar pop-up; null when its window could not be made.
CCalendarPopup* OpenCalendarPopup(const RECT& ownerRect, CWnd* owner, const CDate& date);

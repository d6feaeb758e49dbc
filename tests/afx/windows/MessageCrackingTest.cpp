// Every ON_WM_* entry of the message maps reaches its handler with the
// arguments cracked from the message and gives back the handler's answer.
// A new ON_WM_* entry gets a line in the table below.
#include "afx/app/AfxWin.h"

#include <gtest/gtest.h>

#include <stdarg.h>
#include <stdio.h>

#include <string>

namespace
{
HWND otherWindow = NULL;
HMENU someMenu = NULL;
HDC someDC = NULL;

// Handles as the records show them: W the other window, M the menu, D the
// device context, null, or "?" for anything else.
const char* Name(HWND window)
{
    return window == NULL ? "null" : window == otherWindow ? "W" : "?";
}
const char* Name(CWnd* wnd)
{
    return Name(wnd != NULL ? wnd->m_hWnd : NULL);
}
const char* Name(CMenu* menu)
{
    return menu != NULL && menu->m_hMenu == someMenu ? "M" : "?";
}
const char* Name(CDC* dc)
{
    return dc != NULL && dc->m_hDC == someDC ? "D" : "?";
}

class CCrackingWnd : public CWnd
{
public:
    std::string m_record;
    std::string m_endRecord;

protected:
    void Log(const char* format, ...)
    {
        char text[200];
        va_list args;
        va_start(args, format);
        vsnprintf(text, sizeof(text), format, args);
        va_end(args);
        m_record = text;
    }

    afx_msg int OnCreate(LPCREATESTRUCT cs)
    {
        Log("Create %s", cs->lpszName);
        return 7;
    }
    afx_msg void OnDestroy()
    {
        m_endRecord += "Destroy ";
        CWnd::OnDestroy();
    }
    afx_msg void OnNcDestroy() override
    {
        m_endRecord += "NcDestroy";
        CWnd::OnNcDestroy();
    }
    afx_msg void OnSize(UINT type, int cx, int cy) { Log("Size %u %d %d", type, cx, cy); }
    afx_msg void OnGetMinMaxInfo(MINMAXINFO* info) { Log("GetMinMaxInfo %ld", info->ptMaxSize.x); }
    afx_msg BOOL OnEraseBkgnd(CDC* dc)
    {
        Log("EraseBkgnd %s", Name(dc));
        return 5;
    }
    afx_msg void OnPaint() { Log("Paint"); }
    afx_msg HBRUSH OnCtlColor(CDC* dc, CWnd* wnd, UINT type)
    {
        Log("CtlColor %s %s %u", Name(dc), Name(wnd), type);
        return (HBRUSH)0x55;
    }
    afx_msg void OnSysCommand(UINT id, LPARAM lParam) { Log("SysCommand %#x %ld", id, (long)lParam); }
    afx_msg HCURSOR OnQueryDragIcon()
    {
        Log("QueryDragIcon");
        return (HCURSOR)0x77;
    }
    afx_msg void OnMeasureItem(int id, LPMEASUREITEMSTRUCT item) { Log("MeasureItem %d %u", id, item->itemID); }
    afx_msg void OnDrawItem(int id, LPDRAWITEMSTRUCT item) { Log("DrawItem %d %u", id, item->itemID); }
    afx_msg LRESULT OnMenuChar(UINT ch, UINT flags, CMenu* menu)
    {
        Log("MenuChar %u %#x %s", ch, flags, Name(menu));
        return MAKELRESULT(2, MNC_EXECUTE);
    }
    void LogPoint(const char* name, UINT flags, CPoint point) { Log("%s %u %ld %ld", name, flags, point.x, point.y); }
    afx_msg void OnMouseMove(UINT flags, CPoint point) { LogPoint("MouseMove", flags, point); }
    afx_msg void OnLButtonDown(UINT flags, CPoint point) { LogPoint("LButtonDown", flags, point); }
    afx_msg void OnLButtonUp(UINT flags, CPoint point) { LogPoint("LButtonUp", flags, point); }
    afx_msg void OnLButtonDblClk(UINT flags, CPoint point) { LogPoint("LButtonDblClk", flags, point); }
    afx_msg void OnRButtonDown(UINT flags, CPoint point) { LogPoint("RButtonDown", flags, point); }
    afx_msg void OnTimer(UINT id) { Log("Timer %u", id); }
    afx_msg void OnEnable(BOOL enable) { Log("Enable %d", enable); }
    afx_msg void OnClose() { Log("Close"); }
    afx_msg BOOL OnHelpInfo(HELPINFO* info)
    {
        Log("HelpInfo %d", info->iCtrlId);
        return TRUE;
    }
    afx_msg void OnKillFocus(CWnd* wnd) { Log("KillFocus %s", Name(wnd)); }
    afx_msg void OnSetFocus(CWnd* wnd) { Log("SetFocus %s", Name(wnd)); }
    void LogKey(const char* name, UINT ch, UINT repeat, UINT flags) { Log("%s %u %u %#x", name, ch, repeat, flags); }
    afx_msg void OnKeyDown(UINT ch, UINT repeat, UINT flags) { LogKey("KeyDown", ch, repeat, flags); }
    afx_msg void OnKeyUp(UINT ch, UINT repeat, UINT flags) { LogKey("KeyUp", ch, repeat, flags); }
    afx_msg void OnChar(UINT ch, UINT repeat, UINT flags) { LogKey("Char", ch, repeat, flags); }
    afx_msg BOOL OnMouseWheel(UINT keys, short delta, CPoint point)
    {
        Log("MouseWheel %u %d %ld %ld", keys, delta, point.x, point.y);
        return TRUE;
    }
    afx_msg void OnCancelMode() { Log("CancelMode"); }
    afx_msg UINT OnGetDlgCode()
    {
        Log("GetDlgCode");
        return DLGC_WANTALLKEYS;
    }
    afx_msg BOOL OnSetCursor(CWnd* wnd, UINT hitTest, UINT message)
    {
        Log("SetCursor %s %u %#x", Name(wnd), hitTest, message);
        return TRUE;
    }
    afx_msg void OnHScroll(UINT code, UINT position, CScrollBar* bar)
    {
        Log("HScroll %u %u %s", code, position, Name((CWnd*)bar));
    }
    afx_msg void OnVScroll(UINT code, UINT position, CScrollBar* bar)
    {
        Log("VScroll %u %u %s", code, position, Name((CWnd*)bar));
    }
    afx_msg void OnStyleChanged(int which, LPSTYLESTRUCT style) { Log("StyleChanged %d %#lx", which, style->styleNew); }
    afx_msg void OnContextMenu(CWnd* wnd, CPoint point) { Log("ContextMenu %s %ld %ld", Name(wnd), point.x, point.y); }
    afx_msg void OnInitMenuPopup(CMenu* menu, UINT index, BOOL system)
    {
        Log("InitMenuPopup %s %u %d", Name(menu), index, system);
    }
    afx_msg BOOL OnQueryNewPalette()
    {
        Log("QueryNewPalette");
        return TRUE;
    }
    afx_msg void OnPaletteChanged(CWnd* wnd) { Log("PaletteChanged %s", Name(wnd)); }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCrackingWnd, CWnd)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_NCDESTROY()
ON_WM_SIZE()
ON_WM_GETMINMAXINFO()
ON_WM_ERASEBKGND()
ON_WM_PAINT()
ON_WM_CTLCOLOR()
ON_WM_SYSCOMMAND()
ON_WM_QUERYDRAGICON()
ON_WM_MEASUREITEM()
ON_WM_DRAWITEM()
ON_WM_MENUCHAR()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_LBUTTONDBLCLK()
ON_WM_RBUTTONDOWN()
ON_WM_TIMER()
ON_WM_ENABLE()
ON_WM_CLOSE()
ON_WM_HELPINFO()
ON_WM_KILLFOCUS()
ON_WM_SETFOCUS()
ON_WM_KEYDOWN()
ON_WM_KEYUP()
ON_WM_CHAR()
ON_WM_MOUSEWHEEL()
ON_WM_CANCELMODE()
ON_WM_GETDLGCODE()
ON_WM_SETCURSOR()
ON_WM_HSCROLL()
ON_WM_VSCROLL()
ON_WM_STYLECHANGED()
ON_WM_CONTEXTMENU()
ON_WM_INITMENUPOPUP()
ON_WM_QUERYNEWPALETTE()
ON_WM_PALETTECHANGED()
END_MESSAGE_MAP()
} // namespace

TEST(MessageCrackingTest, EveryWindowMessageEntryCracksItsArguments)
{
    otherWindow = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, NULL, NULL, NULL, NULL);
    someMenu = ::CreatePopupMenu();
    someDC = ::CreateCompatibleDC(NULL);
    CREATESTRUCTA create = {};
    create.lpszName = "Rex";
    MINMAXINFO minMax = {};
    minMax.ptMaxSize.x = 1234;
    MEASUREITEMSTRUCT measure = {};
    measure.itemID = 3;
    DRAWITEMSTRUCT draw = {};
    draw.itemID = 4;
    HELPINFO help = {sizeof(help)};
    help.iCtrlId = 21;
    STYLESTRUCT style = {0, 0x10};
    const WPARAM other = (WPARAM)otherWindow;

    const struct
    {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        const char* record;
        LRESULT result;
    } cases[] = {
        {WM_CREATE, 0, (LPARAM)&create, "Create Rex", 7},
        {WM_SIZE, SIZE_MAXIMIZED, MAKELPARAM(640, 480), "Size 2 640 480", 0},
        {WM_GETMINMAXINFO, 0, (LPARAM)&minMax, "GetMinMaxInfo 1234", 0},
        {WM_ERASEBKGND, (WPARAM)someDC, 0, "EraseBkgnd D", 5},
        {WM_PAINT, 0, 0, "Paint", 0},
        {WM_CTLCOLORBTN, (WPARAM)someDC, (LPARAM)otherWindow, "CtlColor D W 3", 0x55},
        {WM_CTLCOLORSTATIC, (WPARAM)someDC, (LPARAM)otherWindow, "CtlColor D W 6", 0x55},
        {WM_SYSCOMMAND, SC_KEYMENU, 'x', "SysCommand 0xf100 120", 0},
        {WM_QUERYDRAGICON, 0, 0, "QueryDragIcon", 0x77},
        {WM_MEASUREITEM, 12, (LPARAM)&measure, "MeasureItem 12 3", TRUE},
        {WM_DRAWITEM, 13, (LPARAM)&draw, "DrawItem 13 4", TRUE},
        {WM_MENUCHAR, MAKEWPARAM('a', MF_POPUP), (LPARAM)someMenu, "MenuChar 97 0x10 M", MAKELRESULT(2, MNC_EXECUTE)},
        {WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(-5, 300), "MouseMove 1 -5 300", 0},
        {WM_LBUTTONDOWN, MK_CONTROL, MAKELPARAM(7, -8), "LButtonDown 8 7 -8", 0},
        {WM_LBUTTONUP, 0, MAKELPARAM(1, 2), "LButtonUp 0 1 2", 0},
        {WM_LBUTTONDBLCLK, MK_SHIFT, MAKELPARAM(3, 4), "LButtonDblClk 4 3 4", 0},
        {WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(32767, -32768), "RButtonDown 2 32767 -32768", 0},
        {WM_TIMER, 77, 0, "Timer 77", 0},
        {WM_ENABLE, FALSE, 0, "Enable 0", 0},
        {WM_CLOSE, 0, 0, "Close", 0},
        {WM_HELP, 0, (LPARAM)&help, "HelpInfo 21", TRUE},
        {WM_KILLFOCUS, other, 0, "KillFocus W", 0},
        {WM_SETFOCUS, 0, 0, "SetFocus null", 0},
        {WM_KEYDOWN, VK_F1, MAKELPARAM(3, 0x13B), "KeyDown 112 3 0x13b", 0},
        {WM_KEYUP, VK_RETURN, MAKELPARAM(1, 0xC01C), "KeyUp 13 1 0xc01c", 0},
        {WM_CHAR, 'q', MAKELPARAM(2, 0x10), "Char 113 2 0x10", 0},
        {WM_MOUSEWHEEL, MAKEWPARAM(MK_SHIFT, -120), MAKELPARAM(10, -20), "MouseWheel 4 -120 10 -20", TRUE},
        {WM_CANCELMODE, 0, 0, "CancelMode", 0},
        {WM_GETDLGCODE, 0, 0, "GetDlgCode", DLGC_WANTALLKEYS},
        {WM_SETCURSOR, other, MAKELPARAM(HTCLIENT, WM_MOUSEMOVE), "SetCursor W 1 0x200", TRUE},
        {WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, 300), 0, "HScroll 5 300 null", 0},
        {WM_VSCROLL, MAKEWPARAM(SB_LINEDOWN, 0), (LPARAM)otherWindow, "VScroll 1 0 W", 0},
        {WM_STYLECHANGED, (WPARAM)GWL_STYLE, (LPARAM)&style, "StyleChanged -16 0x10", 0},
        {WM_CONTEXTMENU, other, MAKELPARAM(-1, -1), "ContextMenu W -1 -1", 0},
        {WM_INITMENUPOPUP, (WPARAM)someMenu, MAKELPARAM(2, TRUE), "InitMenuPopup M 2 1", 0},
        {WM_QUERYNEWPALETTE, 0, 0, "QueryNewPalette", TRUE},
        {WM_PALETTECHANGED, other, 0, "PaletteChanged W", 0},
    };

    CCrackingWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), "Cracking", WS_POPUP, 0, 0, 50, 50, NULL, NULL));
    for (const auto& c : cases)
    {
        wnd.m_record.clear();
        EXPECT_EQ(::SendMessageA(wnd.m_hWnd, c.message, c.wParam, c.lParam), c.result) << c.record;
        EXPECT_EQ(wnd.m_record, c.record);
    }
    wnd.DestroyWindow();
    EXPECT_EQ(wnd.m_endRecord, "Destroy NcDestroy");

    ::DeleteDC(someDC);
    ::DestroyMenu(someMenu);
    ::DestroyWindow(otherWindow);
}

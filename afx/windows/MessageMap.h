// Message maps: static tables that bind window messages, commands and
// notifications to member functions. Each class's table chains to the table
// of its base class; the first matching entry on the way up wins.
#pragma once

#include "afx/core/AfxCore.h"
#include <commctrl.h>

class CCmdTarget;
class CCmdUI;
class CWnd;
class CDC;
class CMenu;
class CScrollBar;

// Framework messages.
#define WM_SIZEPARENT       0x0361
#define WM_IDLEUPDATECMDUI  0x0363
#define WM_COMMANDHELP      0x0365
#define WM_KICKIDLE         0x036A
#define WM_HELPPROMPTADDR   0x0376

// The colour messages WM_CTLCOLORMSGBOX..WM_CTLCOLORSTATIC reach handlers as this one.
#ifndef WM_CTLCOLOR
#define WM_CTLCOLOR         0x0019
#endif

// Reflected messages arrive at the control as this base plus the message.
#define WM_REFLECT_BASE     0xBC00

// Framework command ids and resource bases.
#define ID_FILE_NEW         0xE100
#define ID_FILE_OPEN        0xE101
#define ID_FILE_MRU_FILE1   0xE110
#define ID_FILE_MRU_FILE16  0xE11F
#define ID_APP_ABOUT        0xE140
#define ID_APP_EXIT         0xE141
#define ID_HELP_INDEX       0xE142
#define ID_HELP_FINDER      0xE143
#define ID_HELP_USING       0xE144
#define ID_CONTEXT_HELP     0xE145
#define ID_HELP             0xE146
#define ID_DEFAULT_HELP     0xE147
#define ID_WIZFINISH        0x3025
#define AFX_IDS_APP_TITLE   0xE000
#define AFX_IDW_CONTROLBAR_FIRST 0xE800
#define AFX_IDW_CONTROLBAR_LAST  0xE8FF
#define AFX_IDW_STATUS_BAR  0xE801
#define HID_BASE_COMMAND    0x00010000UL
#define HID_BASE_RESOURCE   0x00020000UL
#define HID_BASE_PROMPT     0x00030000UL

// Command codes passed to OnCmdMsg.
#define CN_COMMAND              0
#define CN_UPDATE_COMMAND_UI    ((UINT)(-1))

// Ids of commands that menus, accelerators and buttons send, as opposed to
// control ids used only for notifications.
#define IS_COMMAND_ID(nID) ((nID) >= 0x8000 && (nID) < 0xF000)

#ifndef afx_msg
#define afx_msg
#endif

typedef void (CCmdTarget::*AFX_PMSG)();

// Handler shapes; each entry records the shape its member function has.
enum AfxSig
{
    AfxSig_end = 0,

    // command routing (OnCmdMsg)
    AfxSigCmd_v,        // void ()
    AfxSigCmd_b,        // BOOL ()
    AfxSigCmd_RANGE,    // void (UINT nID)
    AfxSigCmd_EX,       // BOOL (UINT nID)
    AfxSigCmdUI,        // void (CCmdUI*)
    AfxSigNotify_v,     // void (NMHDR*, LRESULT*)
    AfxSigNotify_b,     // BOOL (NMHDR*, LRESULT*)
    AfxSigNotify_EX,    // BOOL (UINT nID, NMHDR*, LRESULT*)
    AfxSigNotify_RANGE, // void (UINT nID, NMHDR*, LRESULT*)

    // window messages (OnWndMsg)
    AfxSig_vv,          // void ()
    AfxSig_bv,          // BOOL ()
    AfxSig_uv,          // UINT ()
    AfxSig_hv,          // HANDLE ()
    AfxSig_lwl,         // LRESULT (WPARAM, LPARAM)
    AfxSig_is,          // int (LPCREATESTRUCT)
    AfxSig_vwii,        // void (UINT, int, int)
    AfxSig_vMINMAX,     // void (MINMAXINFO*)
    AfxSig_bD,          // BOOL (CDC*)
    AfxSig_hDWw,        // HBRUSH (CDC*, CWnd*, UINT)
    AfxSig_hDw,         // HBRUSH (CDC*, UINT)  reflected colour
    AfxSig_vwl,         // void (UINT, LPARAM)
    AfxSig_vMEASURE,    // void (int, LPMEASUREITEMSTRUCT)
    AfxSig_vDRAW,       // void (int, LPDRAWITEMSTRUCT)
    AfxSig_lwwM,        // LRESULT (UINT, UINT, CMenu*)
    AfxSig_vwp,         // void (UINT, CPoint)
    AfxSig_vw,          // void (UINT)
    AfxSig_vb,          // void (BOOL)
    AfxSig_bHELPINFO,   // BOOL (HELPINFO*)
    AfxSig_vW,          // void (CWnd*)
    AfxSig_vwww,        // void (UINT, UINT, UINT)
    AfxSig_bwsp,        // BOOL (UINT, short, CPoint)
    AfxSig_bWww,        // BOOL (CWnd*, UINT, UINT)
    AfxSig_vwwScroll,   // void (UINT, UINT, CScrollBar*)
    AfxSig_viSTYLE,     // void (int, LPSTYLESTRUCT)
    AfxSig_vWp,         // void (CWnd*, CPoint)
    AfxSig_vMwb,        // void (CMenu*, UINT, BOOL)
};

struct AFX_MSGMAP_ENTRY
{
    UINT nMessage;   // window message
    UINT nCode;      // control or notification code, CN_* for commands
    UINT nID;        // control id, 0 for window messages
    UINT nLastID;    // last id of a range
    UINT nSig;       // AfxSig value
    AFX_PMSG pfn;    // handler
};

struct AFX_MSGMAP
{
    const AFX_MSGMAP* (PASCAL* pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

// What a handler-information query of OnCmdMsg reports instead of calling.
struct AFX_CMDHANDLERINFO
{
    CCmdTarget* pTarget;
    AFX_PMSG pmf;
};

// The extra argument of OnCmdMsg for notifications.
struct AFX_NOTIFY
{
    LRESULT* pResult;
    NMHDR* pNMHDR;
};

// The lParam of the reflected WM_CTLCOLOR message.
struct AFX_CTLCOLOR
{
    HWND hWnd;
    HDC hDC;
    UINT nCtlType;
};

// Stores a typed member-function pointer in an entry; the dispatcher casts it
// back to the shape recorded in the entry's signature.
template <class PMF>
inline AFX_PMSG AfxPmsg(PMF pmf)
{
    return reinterpret_cast<AFX_PMSG>(pmf);
}

#define DECLARE_MESSAGE_MAP() \
protected: \
    static const AFX_MSGMAP* PASCAL GetThisMessageMap(); \
    virtual const AFX_MSGMAP* GetMessageMap() const;

#define BEGIN_MESSAGE_MAP(theClass, baseClass) \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const AFX_MSGMAP* PASCAL theClass::GetThisMessageMap() \
    { \
        typedef theClass ThisClass; \
        typedef baseClass TheBaseClass; \
        (void)sizeof(ThisClass*); \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP() \
            {0, 0, 0, 0, AfxSig_end, (AFX_PMSG)0}}; \
        static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &_messageEntries[0]}; \
        return &messageMap; \
    }

#define AFX_CMD_V(fn) AfxPmsg(static_cast<void (CCmdTarget::*)()>(&ThisClass::fn))

// Commands and their update handlers.
#define ON_COMMAND(id, memberFxn) \
    {WM_COMMAND, CN_COMMAND, (WORD)(id), (WORD)(id), AfxSigCmd_v, AFX_CMD_V(memberFxn)},
#define ON_COMMAND_EX(id, memberFxn) \
    {WM_COMMAND, CN_COMMAND, (WORD)(id), (WORD)(id), AfxSigCmd_EX, \
     AfxPmsg(static_cast<BOOL (CCmdTarget::*)(UINT)>(&ThisClass::memberFxn))},
#define ON_COMMAND_RANGE(id, idLast, memberFxn) \
    {WM_COMMAND, CN_COMMAND, (WORD)(id), (WORD)(idLast), AfxSigCmd_RANGE, \
     AfxPmsg(static_cast<void (CCmdTarget::*)(UINT)>(&ThisClass::memberFxn))},
#define ON_UPDATE_COMMAND_UI(id, memberFxn) \
    {WM_COMMAND, CN_UPDATE_COMMAND_UI, (WORD)(id), (WORD)(id), AfxSigCmdUI, \
     AfxPmsg(static_cast<void (CCmdTarget::*)(CCmdUI*)>(&ThisClass::memberFxn))},
#define ON_UPDATE_COMMAND_UI_RANGE(id, idLast, memberFxn) \
    {WM_COMMAND, CN_UPDATE_COMMAND_UI, (WORD)(id), (WORD)(idLast), AfxSigCmdUI, \
     AfxPmsg(static_cast<void (CCmdTarget::*)(CCmdUI*)>(&ThisClass::memberFxn))},

// Control notifications sent to the parent.
#define ON_CONTROL(wNotifyCode, id, memberFxn) \
    {WM_COMMAND, (WORD)(wNotifyCode), (WORD)(id), (WORD)(id), AfxSigCmd_v, AFX_CMD_V(memberFxn)},
#define ON_CONTROL_RANGE(wNotifyCode, id, idLast, memberFxn) \
    {WM_COMMAND, (WORD)(wNotifyCode), (WORD)(id), (WORD)(idLast), AfxSigCmd_RANGE, \
     AfxPmsg(static_cast<void (CCmdTarget::*)(UINT)>(&ThisClass::memberFxn))},
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_BN_DOUBLECLICKED(id, memberFxn) ON_CONTROL(BN_DOUBLECLICKED, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn) ON_CONTROL(EN_KILLFOCUS, id, memberFxn)
#define ON_EN_SETFOCUS(id, memberFxn) ON_CONTROL(EN_SETFOCUS, id, memberFxn)
#define ON_LBN_SELCHANGE(id, memberFxn) ON_CONTROL(LBN_SELCHANGE, id, memberFxn)
#define ON_LBN_DBLCLK(id, memberFxn) ON_CONTROL(LBN_DBLCLK, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
#define ON_CBN_EDITCHANGE(id, memberFxn) ON_CONTROL(CBN_EDITCHANGE, id, memberFxn)
#define ON_CBN_DROPDOWN(id, memberFxn) ON_CONTROL(CBN_DROPDOWN, id, memberFxn)

// WM_NOTIFY from common controls.
#define ON_NOTIFY(wNotifyCode, id, memberFxn) \
    {WM_NOTIFY, (WORD)(int)(wNotifyCode), (WORD)(id), (WORD)(id), AfxSigNotify_v, \
     AfxPmsg(static_cast<void (CCmdTarget::*)(NMHDR*, LRESULT*)>(&ThisClass::memberFxn))},
#define ON_NOTIFY_RANGE(wNotifyCode, id, idLast, memberFxn) \
    {WM_NOTIFY, (WORD)(int)(wNotifyCode), (WORD)(id), (WORD)(idLast), AfxSigNotify_RANGE, \
     AfxPmsg(static_cast<void (CCmdTarget::*)(UINT, NMHDR*, LRESULT*)>(&ThisClass::memberFxn))},
#define ON_NOTIFY_EX(wNotifyCode, id, memberFxn) \
    {WM_NOTIFY, (WORD)(int)(wNotifyCode), (WORD)(id), (WORD)(id), AfxSigNotify_EX, \
     AfxPmsg(static_cast<BOOL (CCmdTarget::*)(UINT, NMHDR*, LRESULT*)>(&ThisClass::memberFxn))},
#define ON_NOTIFY_EX_RANGE(wNotifyCode, id, idLast, memberFxn) \
    {WM_NOTIFY, (WORD)(int)(wNotifyCode), (WORD)(id), (WORD)(idLast), AfxSigNotify_EX, \
     AfxPmsg(static_cast<BOOL (CCmdTarget::*)(UINT, NMHDR*, LRESULT*)>(&ThisClass::memberFxn))},

// Notifications reflected back to the control that sent them.
#define ON_CONTROL_REFLECT(wNotifyCode, memberFxn) \
    {WM_COMMAND + WM_REFLECT_BASE, (WORD)(wNotifyCode), 0, 0, AfxSigCmd_v, AFX_CMD_V(memberFxn)},
#define ON_CONTROL_REFLECT_EX(wNotifyCode, memberFxn) \
    {WM_COMMAND + WM_REFLECT_BASE, (WORD)(wNotifyCode), 0, 0, AfxSigCmd_b, \
     AfxPmsg(static_cast<BOOL (CCmdTarget::*)()>(&ThisClass::memberFxn))},
#define ON_NOTIFY_REFLECT(wNotifyCode, memberFxn) \
    {WM_NOTIFY + WM_REFLECT_BASE, (WORD)(int)(wNotifyCode), 0, 0, AfxSigNotify_v, \
     AfxPmsg(static_cast<void (CCmdTarget::*)(NMHDR*, LRESULT*)>(&ThisClass::memberFxn))},
#define ON_NOTIFY_REFLECT_EX(wNotifyCode, memberFxn) \
    {WM_NOTIFY + WM_REFLECT_BASE, (WORD)(int)(wNotifyCode), 0, 0, AfxSigNotify_b, \
     AfxPmsg(static_cast<BOOL (CCmdTarget::*)(NMHDR*, LRESULT*)>(&ThisClass::memberFxn))},
#define ON_UPDATE_COMMAND_UI_REFLECT(memberFxn) \
    {WM_COMMAND + WM_REFLECT_BASE, (WORD)-1, 0, 0, AfxSigCmdUI, \
     AfxPmsg(static_cast<void (CCmdTarget::*)(CCmdUI*)>(&ThisClass::memberFxn))},
#define ON_WM_CTLCOLOR_REFLECT() \
    {WM_CTLCOLOR + WM_REFLECT_BASE, 0, 0, 0, AfxSig_hDw, \
     AfxPmsg(static_cast<HBRUSH (CWnd::*)(CDC*, UINT)>(&ThisClass::CtlColor))},

// Any message, with its raw parameters.
#define ON_MESSAGE(message, memberFxn) \
    {message, 0, 0, 0, AfxSig_lwl, \
     AfxPmsg(static_cast<LRESULT (CWnd::*)(WPARAM, LPARAM)>(&ThisClass::memberFxn))},

#define AFX_WM_ENTRY(msg, sig, type, fn) {msg, 0, 0, 0, sig, AfxPmsg(static_cast<type>(&ThisClass::fn))},

// Window messages with their conventional handler names and shapes.
#define ON_WM_CREATE() AFX_WM_ENTRY(WM_CREATE, AfxSig_is, int (CWnd::*)(LPCREATESTRUCT), OnCreate)
#define ON_WM_DESTROY() AFX_WM_ENTRY(WM_DESTROY, AfxSig_vv, void (CWnd::*)(), OnDestroy)
#define ON_WM_NCDESTROY() AFX_WM_ENTRY(WM_NCDESTROY, AfxSig_vv, void (CWnd::*)(), OnNcDestroy)
#define ON_WM_SIZE() AFX_WM_ENTRY(WM_SIZE, AfxSig_vwii, void (CWnd::*)(UINT, int, int), OnSize)
#define ON_WM_GETMINMAXINFO() \
    AFX_WM_ENTRY(WM_GETMINMAXINFO, AfxSig_vMINMAX, void (CWnd::*)(MINMAXINFO*), OnGetMinMaxInfo)
#define ON_WM_ERASEBKGND() AFX_WM_ENTRY(WM_ERASEBKGND, AfxSig_bD, BOOL (CWnd::*)(CDC*), OnEraseBkgnd)
#define ON_WM_PAINT() AFX_WM_ENTRY(WM_PAINT, AfxSig_vv, void (CWnd::*)(), OnPaint)
#define ON_WM_CTLCOLOR() \
    AFX_WM_ENTRY(WM_CTLCOLOR, AfxSig_hDWw, HBRUSH (CWnd::*)(CDC*, CWnd*, UINT), OnCtlColor)
#define ON_WM_SYSCOMMAND() AFX_WM_ENTRY(WM_SYSCOMMAND, AfxSig_vwl, void (CWnd::*)(UINT, LPARAM), OnSysCommand)
#define ON_WM_QUERYDRAGICON() AFX_WM_ENTRY(WM_QUERYDRAGICON, AfxSig_hv, HCURSOR (CWnd::*)(), OnQueryDragIcon)
#define ON_WM_MEASUREITEM() \
    AFX_WM_ENTRY(WM_MEASUREITEM, AfxSig_vMEASURE, void (CWnd::*)(int, LPMEASUREITEMSTRUCT), OnMeasureItem)
#define ON_WM_DRAWITEM() \
    AFX_WM_ENTRY(WM_DRAWITEM, AfxSig_vDRAW, void (CWnd::*)(int, LPDRAWITEMSTRUCT), OnDrawItem)
#define ON_WM_MENUCHAR() \
    AFX_WM_ENTRY(WM_MENUCHAR, AfxSig_lwwM, LRESULT (CWnd::*)(UINT, UINT, CMenu*), OnMenuChar)
#define ON_WM_MOUSEMOVE() AFX_WM_ENTRY(WM_MOUSEMOVE, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnMouseMove)
#define ON_WM_LBUTTONDOWN() AFX_WM_ENTRY(WM_LBUTTONDOWN, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnLButtonDown)
#define ON_WM_LBUTTONUP() AFX_WM_ENTRY(WM_LBUTTONUP, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() \
    AFX_WM_ENTRY(WM_LBUTTONDBLCLK, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN() AFX_WM_ENTRY(WM_RBUTTONDOWN, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnRButtonDown)
#define ON_WM_TIMER() AFX_WM_ENTRY(WM_TIMER, AfxSig_vw, void (CWnd::*)(UINT), OnTimer)
#define ON_WM_ENABLE() AFX_WM_ENTRY(WM_ENABLE, AfxSig_vb, void (CWnd::*)(BOOL), OnEnable)
#define ON_WM_CLOSE() AFX_WM_ENTRY(WM_CLOSE, AfxSig_vv, void (CWnd::*)(), OnClose)
#define ON_WM_HELPINFO() AFX_WM_ENTRY(WM_HELP, AfxSig_bHELPINFO, BOOL (CWnd::*)(HELPINFO*), OnHelpInfo)
#define ON_WM_KILLFOCUS() AFX_WM_ENTRY(WM_KILLFOCUS, AfxSig_vW, void (CWnd::*)(CWnd*), OnKillFocus)
#define ON_WM_SETFOCUS() AFX_WM_ENTRY(WM_SETFOCUS, AfxSig_vW, void (CWnd::*)(CWnd*), OnSetFocus)
#define ON_WM_KEYDOWN() AFX_WM_ENTRY(WM_KEYDOWN, AfxSig_vwww, void (CWnd::*)(UINT, UINT, UINT), OnKeyDown)
#define ON_WM_KEYUP() AFX_WM_ENTRY(WM_KEYUP, AfxSig_vwww, void (CWnd::*)(UINT, UINT, UINT), OnKeyUp)
#define ON_WM_CHAR() AFX_WM_ENTRY(WM_CHAR, AfxSig_vwww, void (CWnd::*)(UINT, UINT, UINT), OnChar)
#define ON_WM_MOUSEWHEEL() \
    AFX_WM_ENTRY(WM_MOUSEWHEEL, AfxSig_bwsp, BOOL (CWnd::*)(UINT, short, CPoint), OnMouseWheel)
#define ON_WM_CANCELMODE() AFX_WM_ENTRY(WM_CANCELMODE, AfxSig_vv, void (CWnd::*)(), OnCancelMode)
#define ON_WM_GETDLGCODE() AFX_WM_ENTRY(WM_GETDLGCODE, AfxSig_uv, UINT (CWnd::*)(), OnGetDlgCode)
#define ON_WM_SETCURSOR() AFX_WM_ENTRY(WM_SETCURSOR, AfxSig_bWww, BOOL (CWnd::*)(CWnd*, UINT, UINT), OnSetCursor)
#define ON_WM_HSCROLL() \
    AFX_WM_ENTRY(WM_HSCROLL, AfxSig_vwwScroll, void (CWnd::*)(UINT, UINT, CScrollBar*), OnHScroll)
#define ON_WM_VSCROLL() \
    AFX_WM_ENTRY(WM_VSCROLL, AfxSig_vwwScroll, void (CWnd::*)(UINT, UINT, CScrollBar*), OnVScroll)
#define ON_WM_STYLECHANGED() \
    AFX_WM_ENTRY(WM_STYLECHANGED, AfxSig_viSTYLE, void (CWnd::*)(int, LPSTYLESTRUCT), OnStyleChanged)
#define ON_WM_CONTEXTMENU() AFX_WM_ENTRY(WM_CONTEXTMENU, AfxSig_vWp, void (CWnd::*)(CWnd*, CPoint), OnContextMenu)
#define ON_WM_INITMENUPOPUP() \
    AFX_WM_ENTRY(WM_INITMENUPOPUP, AfxSig_vMwb, void (CWnd::*)(CMenu*, UINT, BOOL), OnInitMenuPopup)
#define ON_WM_QUERYNEWPALETTE() AFX_WM_ENTRY(WM_QUERYNEWPALETTE, AfxSig_bv, BOOL (CWnd::*)(), OnQueryNewPalette)
#define ON_WM_PALETTECHANGED() AFX_WM_ENTRY(WM_PALETTECHANGED, AfxSig_vW, void (CWnd::*)(CWnd*), OnPaletteChanged)

// One line per window-message signature: how the arguments of its handler are
// taken from the message and what the handler's answer becomes.
#include "afx/windows/MessageCracking.h"
#include "afx/gdi/DC.h"
#include "afx/controls/Menu.h"

namespace
{
struct CHandlerCall
{
    CWnd* pWnd;
    AFX_PMSG pfn;
    const AFX_CRACKED_MESSAGE& msg;

    // The handler, called as the member function it is (the entry's signature
    // says which); the arguments convert to its parameter types.
    template <typename Handler, typename... Args>
    auto Call(Args... args) const
    {
        return (pWnd->*reinterpret_cast<Handler>(pfn))(args...);
    }

    UINT w() const { return (UINT)msg.wParam; }
    LPARAM l() const { return msg.lParam; }
    CPoint Point() const { return CPoint((short)LOWORD(msg.lParam), (short)HIWORD(msg.lParam)); }
    CWnd* WindowOfW() const { return CWnd::FromHandle((HWND)msg.wParam); }
};

// Calls the handler and answers the message's result.
typedef LRESULT (*CRACKER)(const CHandlerCall& call);

const struct
{
    UINT nSig;
    CRACKER crack;
    // A null answer declines the message (it goes on to the parent or the default).
    bool nullDeclines;
} crackers[] = {
    {AfxSig_vv,
     [](const CHandlerCall& c) -> LRESULT {
         return c.Call<void (CWnd::*)()>(), 0;
     }},
    {AfxSig_bv,
     [](const CHandlerCall& c) -> LRESULT {
         return c.Call<BOOL (CWnd::*)()>();
     }},
    {AfxSig_uv,
     [](const CHandlerCall& c) -> LRESULT {
         return c.Call<UINT (CWnd::*)()>();
     }},
    {AfxSig_hv,
     [](const CHandlerCall& c) -> LRESULT {
         return (LRESULT)c.Call<HCURSOR (CWnd::*)()>();
     }},
    {AfxSig_lwl,
     [](const CHandlerCall& c) {
         return c.Call<LRESULT (CWnd::*)(WPARAM, LPARAM)>(c.msg.wParam, c.l());
     }},
    {AfxSig_is,
     [](const CHandlerCall& c) -> LRESULT {
         return c.Call<int (CWnd::*)(LPCREATESTRUCT)>((LPCREATESTRUCT)c.l());
     }},
    {AfxSig_vwii,
     [](const CHandlerCall& c) -> LRESULT {
         c.Call<void (CWnd::*)(UINT, int, int)>(c.w(), (short)LOWORD(c.l()), (short)HIWORD(c.l()));
         return 0;
     }},
    {AfxSig_vMINMAX,
     [](const CHandlerCall& c) -> LRESULT {
         return c.Call<void (CWnd::*)(MINMAXINFO*)>((MINMAXINFO*)c.l()), 0;
     }},
    {AfxSig_bD,
     [](const CHandlerCall& c) -> LRESULT {
         return c.Call<BOOL (CWnd::*)(CDC*)>(CDC::FromHandle((HDC)c.msg.wParam));
     }},
    {AfxSig_hDWw,
     [](const CHandlerCall& c) -> LRESULT {
         const AFX_CTLCOLOR* pCtl = c.msg.pCtl;
         if (pCtl == NULL)
             return 0;
         return (LRESULT)c.Call<HBRUSH (CWnd::*)(CDC*, CWnd*, UINT)>(CDC::FromHandle(pCtl->hDC),
                                                                     CWnd::FromHandle(pCtl->hWnd), pCtl->nCtlType);
     }},
    // A reflected colour message: lParam is the AFX_CTLCOLOR record; without a
    // brush the parent handles it.
    {AfxSig_hDw,
     [](const CHandlerCall& c) -> LRESULT {
         const AFX_CTLCOLOR* pCtl = (const AFX_CTLCOLOR*)c.l();
         return (LRESULT)c.Call<HBRUSH (CWnd::*)(CDC*, UINT)>(CDC::FromHandle(pCtl->hDC), pCtl->nCtlType);
     },
     true},
    {AfxSig_vwl,
     [](const CHandlerCall& c) -> LRESULT {
         return c.Call<void (CWnd::*)(UINT, LPARAM)>(c.w(), c.l()), 0;
     }},
    {AfxSig_vMEASURE,
     [](const CHandlerCall& c) -> LRESULT {
         return c.Call<void (CWnd::*)(int, LPMEASUREITEMSTRUCT)>((int)c.w(), (LPMEASUREITEMSTRUCT)c.l()), TRUE;
     }},
    {AfxSig_vDRAW,
     [](const CHandlerCall& c) -> LRESULT {
         return c.Call<void (CWnd::*)(int, LPDRAWITEMSTRUCT)>((int)c.w(), (LPDRAWITEMSTRUCT)c.l()), TRUE;
     }},
    {AfxSig_lwwM,
     [](const CHandlerCall& c) {
         return c.Call<LRESULT (CWnd::*)(UINT, UINT, CMenu*)>(LOWORD(c.w()), HIWORD(c.w()),
                                                              CMenu::FromHandle((HMENU)c.l()));
     }},
    {AfxSig_vwp,
     [](const CHandlerCall& c) -> LRESULT {
         return c.Call<void (CWnd::*)(UINT, CPoint)>(c.w(), c.Point()), 0;
     }},
    {AfxSig_vw,
     [](const CHandlerCall& c) -> LRESULT {
         return c.Call<void (CWnd::*)(UINT)>(c.w()), 0;
     }},
    {AfxSig_vb,
     [](const CHandlerCall& c) -> LRESULT {
         return c.Call<void (CWnd::*)(BOOL)>((BOOL)c.w()), 0;
     }},
    {AfxSig_bHELPINFO,
     [](const CHandlerCall& c) -> LRESULT {
         return c.Call<BOOL (CWnd::*)(HELPINFO*)>((HELPINFO*)c.l());
     }},
    {AfxSig_vW,
     [](const CHandlerCall& c) -> LRESULT {
         return c.Call<void (CWnd::*)(CWnd*)>(c.WindowOfW()), 0;
     }},
    {AfxSig_vwww,
     [](const CHandlerCall& c) -> LRESULT {
         return c.Call<void (CWnd::*)(UINT, UINT, UINT)>(c.w(), LOWORD(c.l()), HIWORD(c.l())), 0;
     }},
    {AfxSig_bwsp,
     [](const CHandlerCall& c) -> LRESULT {
         return c.Call<BOOL (CWnd::*)(UINT, short, CPoint)>(LOWORD(c.w()), (short)HIWORD(c.w()), c.Point());
     }},
    {AfxSig_bWww,
     [](const CHandlerCall& c) -> LRESULT {
         return c.Call<BOOL (CWnd::*)(CWnd*, UINT, UINT)>(c.WindowOfW(), LOWORD(c.l()), HIWORD(c.l()));
     }},
    {AfxSig_vwwScroll,
     [](const CHandlerCall& c) -> LRESULT {
         CScrollBar* pScrollBar = (CScrollBar*)CWnd::FromHandle((HWND)c.l());
         return c.Call<void (CWnd::*)(UINT, UINT, CScrollBar*)>(LOWORD(c.w()), HIWORD(c.w()), pScrollBar), 0;
     }},
    {AfxSig_viSTYLE,
     [](const CHandlerCall& c) -> LRESULT {
         return c.Call<void (CWnd::*)(int, LPSTYLESTRUCT)>((int)c.w(), (LPSTYLESTRUCT)c.l()), 0;
     }},
    {AfxSig_vWp,
     [](const CHandlerCall& c) -> LRESULT {
         return c.Call<void (CWnd::*)(CWnd*, CPoint)>(c.WindowOfW(), c.Point()), 0;
     }},
    {AfxSig_vMwb,
     [](const CHandlerCall& c) -> LRESULT {
         CMenu* pMenu = CMenu::FromHandle((HMENU)c.msg.wParam);
         return c.Call<void (CWnd::*)(CMenu*, UINT, BOOL)>(pMenu, LOWORD(c.l()), HIWORD(c.l())), 0;
     }},
};
} // namespace

BOOL AfxCallMessageHandler(CWnd* pWnd, const AFX_MSGMAP_ENTRY* pEntry, const AFX_CRACKED_MESSAGE& msg, LRESULT* pResult)
{
    for (const auto& cracker : crackers)
    {
        if (cracker.nSig != pEntry->nSig)
            continue;
        const LRESULT lResult = cracker.crack(CHandlerCall{pWnd, pEntry->pfn, msg});
        if (lResult == 0 && cracker.nullDeclines)
            return FALSE;
        if (pResult != NULL)
            *pResult = lResult;
        return TRUE;
    }
    return FALSE;
}

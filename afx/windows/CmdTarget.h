// CCmdTarget: the base of every object that receives commands through a
// message map (windows, the application, the program's data objects).
#pragma once

#include "afx/windows/MessageMap.h"

class CCmdTarget : public CObject
{
    DECLARE_DYNAMIC(CCmdTarget)

public:
    CCmdTarget();
    virtual ~CCmdTarget();

    // Looks the command up in this object's map chain and calls its handler.
    // nCode is CN_COMMAND, CN_UPDATE_COMMAND_UI (pExtra a CCmdUI*), a control
    // notification code, or MAKELONG(code, WM_NOTIFY) (pExtra an AFX_NOTIFY*).
    // With pHandlerInfo the handler is only reported, not called.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

    // The wait cursor, counted through the application.
    void BeginWaitCursor();
    void EndWaitCursor();
    void RestoreWaitCursor();

    // Finds the entry for a window message in a map chain, or null.
    static const AFX_MSGMAP_ENTRY* PASCAL FindMessageEntry(const AFX_MSGMAP* pMap, UINT nMsg, UINT nCode, UINT nID);

protected:
    static const AFX_MSGMAP* PASCAL GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;
};

// The command target's base map has no base of its own.
inline const AFX_MSGMAP* PASCAL AfxNoBaseMessageMap() { return NULL; }

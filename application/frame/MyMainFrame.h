#pragma once
// A main frame window for the program: a status bar with the lock keys and a
// clock, the window placement kept in the profile (restored on the first
// activation of the run, saved when the window goes), a queue of information
// messages shown one after another, and the settings saved before it closes.
// The program's main window is the main dialog; this frame is for a main
// window that holds views. Its toolbars' images and its menus' command texts
// serve owner-drawn menus, whose mnemonics it answers, and which bars are
// shown is kept in the profile.
#include "afx/app/AfxWin.h"
#include "afx/windows/StatusBar.h"
#include "framework/windows/PaletteHook.h"

// Set until the first frame of the run has been activated.
extern BOOL MainFrameFirstActivation;

class CMyMainFrame : public CFrameWnd
{
    DECLARE_DYNCREATE(CMyMainFrame)

public:
    CMyMainFrame();
    ~CMyMainFrame() override;

    // TRUE when the frame may close: changed settings could be saved.
    virtual BOOL CanClose();
    // Saves the window placement, or restores it and gives its show command
    // (when showCommand is given). FALSE when the key cannot be opened or the
    // placement not read or written.
    virtual BOOL ExchangeWindowPlacement(BOOL save, int* showCommand);

    // Adds a message to the queue; the first one queued starts the showing.
    void QueueMessage(LPCTSTR promptName, LPCTSTR text);
    int GetQueuedMessageCount() const { return (int)m_queuedTexts.GetSize(); }

    void ActivateFrame(int nCmdShow = -1) override;

    CStatusBar m_statusBar;
    CPaletteHook m_paletteHook;
    CStringArray m_queuedPrompts;
    CStringArray m_queuedTexts;
    BOOL m_keepPlacement = TRUE;
    CString m_profileName;
    UINT_PTR m_clockTimer = 0;

protected:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

    afx_msg int OnCreate(LPCREATESTRUCT createStruct);
    afx_msg void OnDestroy();
    afx_msg void OnClose();
    afx_msg LRESULT OnQueryEndSession(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSysColorChange(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSettingChange(WPARAM wParam, LPARAM lParam);
    afx_msg void OnTimer(UINT id);
    afx_msg LRESULT OnMenuChar(UINT character, UINT flags, CMenu* menu);
    afx_msg void OnHelpFinder();
    afx_msg void OnNoAction();
    afx_msg void OnDeferredMessage();
    afx_msg void OnUpdateClock(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()
};

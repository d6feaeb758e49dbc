#pragma once
// The application object as the framework sees it: the message-box entry of
// every message, help, and the values that start-up sets once for every
// window (icons, the GUI font, screen resolution, default text colour; the
// shared fonts are in SharedFonts.h). The
// program's application class derives from it; tests use a small one.
#include "afx/app/AfxWin.h"

class CFrameworkApp : public CWinApp
{
    DECLARE_DYNAMIC(CFrameworkApp)

public:
    explicit CFrameworkApp(LPCTSTR appName = NULL);
    ~CFrameworkApp() override;

    // Shows one message of the program (see the definition for the steps)
    // and answers the button that ended it.
    virtual int ShowMessage(LPCTSTR text, LPCTSTR title, UINT flags, UINT helpId, UINT option,
                            UINT customIconId, LPCTSTR key);

    // Sets the icons and the GUI font and reads the screen's resolution;
    // called by the application's start-up.
    void InitStartupValues();

    UINT m_defaultDialogIconId = 0;   // small icon of dialogs, 0 = none
    UINT m_defaultSheetIconId = 0;    // small icon of property sheets, 0 = none
    HFONT m_defaultGuiFont = NULL;    // the stock DEFAULT_GUI_FONT
    int m_pixelsPerInchX = 96;
    int m_pixelsPerInchY = 96;
    COLORREF m_defaultTextColour;
};

// The steps of CFrameworkApp::ShowMessage for any application object (null:
// none): destroys the message box's listed windows unless the prompt is
// suppressed, sets the help context while the box is up, adds the exclamation
// icon to icon-less OK, OK/Cancel, Yes/No and Yes/No/Cancel boxes, takes the
// application's (or the program file's) name for an empty title, and shows the
// box over the active window, which is enabled again afterwards.
int ShowApplicationMessage(CWinApp* app, LPCTSTR text, LPCTSTR title, UINT flags, UINT helpId, UINT option,
                           UINT customIconId, LPCTSTR key);

// The application object when it is a CFrameworkApp, else null.
CFrameworkApp* GetFrameworkApp();

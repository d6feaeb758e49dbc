#include "framework/app/FrameworkApp.h"

#include "framework/messages/MessagePrompts.h"
#include "framework/windows/WndToDestroyList.h"

IMPLEMENT_DYNAMIC(CFrameworkApp, CWinApp)

CFrameworkApp::CFrameworkApp(LPCTSTR appName) : CWinApp(appName), m_defaultTextColour(::GetSysColor(COLOR_BTNTEXT))
{
}

CFrameworkApp::~CFrameworkApp()
{
}

CFrameworkApp* GetFrameworkApp()
{
    return DYNAMIC_DOWNCAST(CFrameworkApp, AfxGetApp());
}

namespace
{
    bool TakesDefaultIcon(UINT flags)
    {
        UINT buttons = flags & MB_TYPEMASK;
        return buttons == MB_OK || buttons == MB_OKCANCEL || buttons == MB_YESNOCANCEL || buttons == MB_YESNO;
    }

    // The program file's name without folder and extension.
    CString ProgramFileName()
    {
        char path[MAX_PATH] = "";
        ::GetModuleFileNameA(NULL, path, MAX_PATH);
        CString name = path;
        name = name.Mid(name.ReverseFind('\\') + 1);
        int dot = name.ReverseFind('.');
        return dot > 0 ? name.Left(dot) : name;
    }
}

int ShowApplicationMessage(CWinApp* app, LPCTSTR text, LPCTSTR title, UINT flags, UINT helpId, UINT option,
                           UINT customIconId, LPCTSTR key)
{
    if (GetMessagePromptAnswer(key, NULL))
        WndsToDestroyOnMessageBox().DestroyAll();
    DWORD savedContext = app != NULL ? app->m_dwPromptContext : 0;
    if (app != NULL && helpId != 0)
        app->m_dwPromptContext = HID_BASE_PROMPT + helpId;
    if ((flags & MB_ICONMASK) == 0 && TakesDefaultIcon(flags))
        flags |= MB_ICONEXCLAMATION;
    CString caption = title != NULL ? title : "";
    if (caption.IsEmpty())
        caption = app != NULL && app->m_pszAppName != NULL ? CString(app->m_pszAppName) : ProgramFileName();
    HWND parent = ::GetActiveWindow();
    int answer = ShowPromptedMessageBox(CWnd::FromHandle(parent), text, caption, flags, option, customIconId, key);
    if (parent != NULL && ::IsWindow(parent))
        ::EnableWindow(parent, TRUE);
    if (app != NULL)
        app->m_dwPromptContext = savedContext;
    return answer;
}

int CFrameworkApp::ShowMessage(LPCTSTR text, LPCTSTR title, UINT flags, UINT helpId, UINT option,
                               UINT customIconId, LPCTSTR key)
{
    return ShowApplicationMessage(this, text, title, flags, helpId, option, customIconId, key);
}

void CFrameworkApp::InitStartupValues()
{
    m_defaultDialogIconId = 103;
    m_defaultSheetIconId = 103;
    m_defaultGuiFont = (HFONT)::GetStockObject(DEFAULT_GUI_FONT);

    HDC screen = ::GetDC(NULL);
    m_pixelsPerInchX = ::GetDeviceCaps(screen, LOGPIXELSX);
    m_pixelsPerInchY = ::GetDeviceCaps(screen, LOGPIXELSY);
    ::ReleaseDC(NULL, screen);
}

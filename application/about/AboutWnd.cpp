#include "application/about/AboutWnd.h"

#include "application/app/MyApp.h"
#include "framework/windows/WorkArea.h"

CAboutWnd::CAboutWnd()
{
    // The logo in the bottom-right corner (placement 7).
    if (m_logo.LoadBuiltInLogo())
        m_pictures.AddPicture(&m_logo, 7, 0, 1, 0.0, 1.0);
    m_width = GetAboutWindowWidth();
}

CAboutWnd::~CAboutWnd()
{
    m_logo.Clear();
}

CString& CAboutWnd::GetAboutText(CString& text, const CMyApp& app)
{
    text = app.BuildAboutText();
    return text;
}

int AboutWindowWidthFor(int workAreaWidth)
{
    const int half = workAreaWidth / 2;
    const int width = half > 500 ? half : 500;
    return width < 600 ? width : 600;
}

int GetAboutWindowWidth()
{
    const CRect area = GetDesktopWorkArea();
    return AboutWindowWidthFor(area.Width());
}

void CAboutWnd::Run()
{
    CAboutWnd window;
    CString text;
    window.GetAboutText(text, *GetMyApp());
    if (!window.Open(NULL, PROGRAM_ICON_ID, NULL, text, 0x8A))
        return;
    while (!window.m_cancelled && window.IsOpen())
    {
        window.PumpMessages();
        if (!window.m_cancelled)
            ::WaitMessage();
    }
    window.Close();
}

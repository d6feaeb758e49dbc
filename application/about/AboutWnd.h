#pragma once
// The About window: the progress window showing the program's name, version,
// notice and memory figures, with the logo in its bottom-right corner. It
// runs with its own message pump until the user closes it.
#include "framework/popups/ProgressWnd.h"
#include "output/pictures/Picture.h"

class CMyApp;

class CAboutWnd : public CProgressWnd
{
public:
    CAboutWnd();
    ~CAboutWnd() override;

    CString& GetAboutText(CString& text, const CMyApp& app);
    // Opens the window and pumps its messages until the user closes it.
    static void Run();

    CPicture m_logo;
};

// Half the work area's width, at least 500 and at most 600 pixels.
int GetAboutWindowWidth();
int AboutWindowWidthFor(int workAreaWidth);

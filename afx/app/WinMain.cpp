// The program's entry point. Kept in a file of its own, so that only programs
// that need it (the GUI executable) pull it from the library.
#include "afx/app/WinApp.h"

extern "C" int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow)
{
    return AfxWinMain(hInstance, hPrevInstance, lpCmdLine, nCmdShow);
}

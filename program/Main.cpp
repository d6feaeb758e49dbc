// The program's one application object, built before WinMain runs; the
// framework's WinMain starts it.
#include "application/app/MyApp.h"

CMyApp theApp;

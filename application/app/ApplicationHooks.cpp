#include "application/app/ApplicationHooks.h"

#include "application/selection/SelectionElements.h"
#include "foundation/terminology/FrameworkTextHooks.h"
#include "framework/MessageRoutines.h"
#include "genetics/GeneticsConfigLoad.h"
#include "genetics/SelectionElementCreator.h"
#include "output/pictures/PictureTableDrawing.h"
#include "output/pictures/SelectPictureDlg.h"
#include "output/printing/PrintableDlgPrinter.h"

namespace
{
void ShowGeneticsError(const CString& text)
{
    ShowError(NULL, 0, "%s", (LPCTSTR)text);
}
}

void InstallApplicationHooks()
{
    InstallTerminologyHooks();
    InstallMessageRoutines();
    InstallPrintableDlgPrinting();
    InstallPictureTableDrawing();
    InstallPictureChooser();
    SetSelectionElementCreator(&CreateSelectionElement);
    SetGeneticsErrorSink(&ShowGeneticsError);
}

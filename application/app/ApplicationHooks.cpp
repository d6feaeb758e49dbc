#include "application/app/ApplicationHooks.h"

#include "application/selection/SelectionElements.h"
#include "foundation/terminology/FrameworkTextHooks.h"
#include "foundation/text/TextEdits.h"
#include "framework/messages/MessageRoutines.h"
#include "genetics/ExpandTerms.h"
#include "genetics/GeneticsConfigLoad.h"
#include "genetics/SelectionElementCreator.h"
#include "output/pictures/PictureTableDrawing.h"
#include "output/pictures/SelectPictureDlg.h"
#include "output/printing/PrintableDlgPrinter.h"

namespace
{
// A configuration that cannot be read leaves the main window without
// genetics: the message says how to get a working one back.
void ShowGeneticsError(const CString& text)
{
    CString error = text;
    MakeSentence(&error);
    error.TrimRight();
    ShowError(NULL, 0, "%s\n\n%s", (LPCTSTR)error,
              (LPCTSTR)ExpandTerms("Click Configure... in the main window to install a standard genetics "
                                   "configuration in its place."));
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

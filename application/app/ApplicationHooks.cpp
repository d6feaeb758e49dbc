#include "application/app/ApplicationHooks.h"

#include "application/selection/SelectionElements.h"
#include "framework/MessageRoutines.h"
#include "genetics/GeneticsConfigLoad.h"
#include "genetics/SelectionElementCreator.h"

namespace
{
void ShowGeneticsError(const CString& text)
{
    ShowError(NULL, 0, "%s", (LPCTSTR)text);
}
}

void InstallApplicationHooks()
{
    SetSelectionElementCreator(&CreateSelectionElement);
    SetGeneticsErrorSink(&ShowGeneticsError);
}

#include "foundation/windows/ControlStates.h"

#include <stdarg.h>

#include <vector>

void SetControlsState(CWnd* dialog, const UINT* ids, int mode)
{
    for (; *ids != 0; ++ids)
    {
        CWnd* control = dialog->GetDlgItem(*ids);
        if (control == NULL)
            continue;
        switch (mode)
        {
        case 0: control->EnableWindow(TRUE); break;
        case 1: control->EnableWindow(FALSE); break;
        case 2: control->ShowWindow(SW_HIDE); break;
        case 3: control->ShowWindow(SW_SHOW); break;
        default: break;
        }
    }
}

void EnableControls(CWnd* dialog, BOOL enable, ...)
{
    std::vector<UINT> ids;
    va_list args;
    va_start(args, enable);
    for (UINT id = va_arg(args, UINT); id != 0; id = va_arg(args, UINT))
        ids.push_back(id);
    va_end(args);
    ids.push_back(0);
    SetControlsState(dialog, &ids[0], enable ? 0 : 1);
}

#include "application/preferences/PreferenceControls.h"

#include "afx/dialogs/DataExchange.h"
#include "foundation/terminology/TokenExpander.h"
#include "framework/messages/MessageRoutines.h"
#include "framework/colours/NamedColours.h"

#include <commdlg.h>

namespace
{
CString ControlText(HWND control)
{
    CString text;
    const int length = ::GetWindowTextLengthA(control);
    ::GetWindowTextA(control, text.GetBufferSetLength(length), length + 1);
    text.ReleaseBuffer();
    return text;
}

// The colours the user added in the colour chooser during this run.
COLORREF CustomColours[16] = {RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
                              RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
                              RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
                              RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255)};
}  // namespace

void DDX_ValueList(CDataExchange* pDX, int id, CString& value, const CStringArray& values, const CStringArray& texts)
{
    HWND list = pDX->PrepareCtrl(id);
    if (pDX->m_bSaveAndValidate)
    {
        const int chosen = (int)::SendMessageA(list, CB_GETCURSEL, 0, 0);
        if (chosen != CB_ERR)
        {
            const int entry = (int)::SendMessageA(list, CB_GETITEMDATA, chosen, 0);
            if (entry >= 0 && entry < values.GetSize())
                value = values[entry];
        }
        return;
    }
    if (::SendMessageA(list, CB_GETCOUNT, 0, 0) == 0)
    {
        for (int entry = 0; entry < values.GetSize(); entry++)
        {
            CString text;
            ExpandTokens(entry < texts.GetSize() ? (LPCTSTR)texts[entry] : (LPCTSTR)values[entry], text);
            const int item = (int)::SendMessageA(list, CB_ADDSTRING, 0, (LPARAM)(LPCTSTR)text);
            ::SendMessageA(list, CB_SETITEMDATA, item, entry);
        }
    }
    int shown = -1;
    const int count = (int)::SendMessageA(list, CB_GETCOUNT, 0, 0);
    for (int item = 0; item < count && shown < 0; item++)
    {
        const int entry = (int)::SendMessageA(list, CB_GETITEMDATA, item, 0);
        if (entry >= 0 && entry < values.GetSize() && values[entry] == value)
            shown = item;
    }
    ::SendMessageA(list, CB_SETCURSEL, shown, 0);
}

void DDX_ListIndex(CDataExchange* pDX, int id, int& index, const char* const* texts, int count)
{
    HWND list = pDX->PrepareCtrl(id);
    if (pDX->m_bSaveAndValidate)
    {
        const int chosen = (int)::SendMessageA(list, CB_GETCURSEL, 0, 0);
        if (chosen != CB_ERR)
            index = chosen;
        return;
    }
    if (::SendMessageA(list, CB_GETCOUNT, 0, 0) == 0)
        for (int item = 0; item < count; item++)
        {
            CString text;
            ExpandTokens(texts[item], text);
            ::SendMessageA(list, CB_ADDSTRING, 0, (LPARAM)(LPCTSTR)text);
        }
    ::SendMessageA(list, CB_SETCURSEL, index >= 0 && index < count ? index : -1, 0);
}

void DDX_ColourText(CDataExchange* pDX, int id, int& colour)
{
    HWND edit = pDX->PrepareEditCtrl(id);
    if (!pDX->m_bSaveAndValidate)
    {
        ::SetWindowTextA(edit, ColourToText((COLORREF)colour));
        return;
    }
    COLORREF chosen = 0;
    const CString text = ControlText(edit);
    if (!TextToColour(text, &chosen))
    {
        ShowError(NULL, 0, "\"%s\" is not a colour. Type the name of a colour, \"Default\" or #rrggbb (red, green "
                           "and blue in hexadecimal), or choose one with the button.",
                  (LPCTSTR)text);
        pDX->Fail();
    }
    colour = (int)chosen;
}

BOOL ChooseColourForEdit(CWnd* page, int editId)
{
    CWnd* edit = page->GetDlgItem(editId);
    if (edit == NULL)
        return FALSE;
    COLORREF current = 0;
    if (!TextToColour(ControlText(edit->m_hWnd), &current) || (current & 0xFF000000) != 0)
        current = 0;
    CHOOSECOLORA choice = {};
    choice.lStructSize = sizeof choice;
    choice.hwndOwner = page->GetSafeHwnd();
    choice.rgbResult = current;
    choice.lpCustColors = CustomColours;
    choice.Flags = CC_RGBINIT | CC_FULLOPEN;
    if (!::ChooseColorA(&choice))
        return FALSE;
    edit->SetWindowText(ColourToText(choice.rgbResult));
    return TRUE;
}

#include "framework/messages/MessageBoxButtons.h"

#include "framework/messages/MessageBoxIds.h"

namespace
{
    const MsgBoxButtonSet defaultSet = {IDOK, {IDOK}};

    // Indexed by the button type MB_OKCANCEL..MB_RETRYCANCEL.
    const MsgBoxButtonSet typeSets[] = {
        {IDCANCEL, {IDOK, IDCANCEL}},
        {0, {IDABORT, IDRETRY, IDIGNORE}},
        {IDCANCEL, {IDYES, IDNO, IDCANCEL}},
        {0, {IDYES, IDNO}},
        {IDCANCEL, {IDRETRY, IDCANCEL}},
    };

    // Indexed by option 1..6.
    const MsgBoxButtonSet optionSets[] = {
        {IDCANCEL, {IDOK, IDC_MSGBOX_OK_TO_ALL, IDCANCEL}},
        {0, {IDABORT, IDC_MSGBOX_ABORT_ALL, IDRETRY, IDC_MSGBOX_RETRY_ALL, IDIGNORE, IDC_MSGBOX_IGNORE_ALL}},
        {IDCANCEL, {IDYES, IDC_MSGBOX_YES_TO_ALL, IDNO, IDC_MSGBOX_NO_TO_ALL, IDCANCEL}},
        {0, {IDYES, IDC_MSGBOX_YES_TO_ALL, IDNO, IDC_MSGBOX_NO_TO_ALL}},
        {IDCANCEL, {IDRETRY, IDC_MSGBOX_RETRY_ALL, IDCANCEL}},
        {0, {IDYES, IDC_MSGBOX_YES_TO_ALL, IDNO}},
    };

    const UINT captionIds[] = {IDCANCEL, IDOK, IDC_MSGBOX_OK_TO_ALL, IDYES, IDC_MSGBOX_YES_TO_ALL, IDNO,
                               IDC_MSGBOX_NO_TO_ALL, IDRETRY, IDC_MSGBOX_RETRY_ALL, IDABORT, IDC_MSGBOX_ABORT_ALL,
                               IDIGNORE, IDC_MSGBOX_IGNORE_ALL, IDC_MSGBOX_PRINT_INFO};
    const char captionList[] = "Cancel,OK,OK to all,&Yes,&Yes to all,&No,&No to all,&Retry,&Retry all,&Abort,"
                               "&Abort all,&Ignore,&Ignore all,Print Info";
}

int MsgBoxButtonSet::Count() const
{
    int n = 0;
    while (n < 8 && buttons[n] != 0)
        n++;
    return n;
}

MsgBoxButtonSet GetButtonSet(UINT flags, UINT option)
{
    MsgBoxButtonSet set = defaultSet;
    UINT optionSet = option & 0x0F;
    if (optionSet >= 1 && optionSet <= 6)
        set = optionSets[optionSet - 1];
    UINT type = flags & MB_TYPEMASK;
    if (type >= 1 && type <= 5)
        set = typeSets[type - 1];
    if (option & MSGBOX_OPTION_PRINT_INFO)
    {
        int n = set.Count();
        if (n < 8)
            set.buttons[n] = IDC_MSGBOX_PRINT_INFO;
    }
    return set;
}

int GetDefaultButtonIndex(UINT flags, UINT option)
{
    if (option != 0)
    {
        UINT index = (option >> 8) & 0x0F;
        return index <= 5 ? (int)index : 0;
    }
    switch (flags & MB_DEFMASK)
    {
    case MB_DEFBUTTON2: return 1;
    case MB_DEFBUTTON3: return 2;
    case MB_DEFBUTTON4: return 3;
    default: return 0;
    }
}

UINT GetDefaultAnswer(UINT flags, UINT option)
{
    MsgBoxButtonSet set = GetButtonSet(flags, option);
    int index = GetDefaultButtonIndex(flags, option);
    // an index past the set falls back to its first button
    return index < set.Count() ? set.buttons[index] : set.buttons[0];
}

UINT GetDontShowText(UINT flags, UINT option)
{
    UINT type = flags & MB_TYPEMASK;
    if ((option & 0x0F) != 0 || (type >= 1 && type <= 5))
        return IDS_DONT_ASK_QUESTION;
    UINT icon = flags & MB_ICONMASK;
    if (icon == MB_ICONHAND || icon == MB_ICONEXCLAMATION)
        return IDS_DONT_SHOW_ERROR;
    return IDS_DONT_SHOW_MESSAGE;
}

void GetIcon(UINT flags, UINT customIconId, HINSTANCE& instance, LPCTSTR& iconName)
{
    if (customIconId != 0)
    {
        instance = AfxGetResourceHandle();
        iconName = MAKEINTRESOURCEA(customIconId);
        return;
    }
    instance = NULL;
    switch (flags & MB_ICONMASK)
    {
    case MB_ICONHAND: iconName = IDI_HAND; break;
    case MB_ICONQUESTION: iconName = IDI_QUESTION; break;
    case MB_ICONEXCLAMATION: iconName = IDI_EXCLAMATION; break;
    default: iconName = IDI_ASTERISK; break;
    }
}

CString GetButtonCaption(UINT buttonId)
{
    static CStringArray captions;
    if (captions.GetSize() == 0)
    {
        CString list = captionList;
        int start = 0;
        while (start <= list.GetLength())
        {
            int comma = list.Find(',', start);
            if (comma < 0)
                comma = list.GetLength();
            if (comma > start)
                captions.Add(list.Mid(start, comma - start));
            start = comma + 1;
        }
    }
    for (int i = 0; i < (int)(sizeof(captionIds) / sizeof(captionIds[0])) && i < captions.GetSize(); i++)
    {
        if (captionIds[i] == buttonId)
            return captions[i];
    }
    return "???";
}

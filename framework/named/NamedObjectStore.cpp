#include "framework/named/NamedObjectStore.h"

#include "afx/dialogs/DataExchange.h"
#include "afx/windows/Wnd.h"
#include "foundation/text/StringLists.h"
#include "foundation/windows/Drawing.h"
#include "framework/messages/MessageRoutines.h"
#include "framework/controls/MyComboBox.h"
#include "framework/controls/MyListBox.h"
#include "foundation/windows/ListOrCombo.h"
#include "foundation/system/SoundBeep.h"

const char NamedObjectNameCharacters[] =
    "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 _-.";
const char NamedObjectNameCharactersWide[] =
    "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 _-.,;&$*()@+#/'%";

namespace
{
    CString Lower(LPCTSTR text)
    {
        CString lower(text);
        lower.MakeLower();
        return lower;
    }

    BOOL AskToAdd(LPCTSTR name, LPCTSTR kindName)
    {
        CString kind = Lower(kindName);
        return AskYesNo(NULL, 0, "The %s '%s' is not known.\n\nDid you mean to add a %s?",
                        (LPCTSTR)kind, name, (LPCTSTR)kind);
    }
}

BOOL FindNamedObjectKey(const CMapStringToString& textMap, LPCTSTR name, CString* key)
{
    if (name == NULL)
        return FALSE;
    CString text;
    if (textMap.Lookup(name, text))
    {
        if (key != NULL)
            *key = name;
        return TRUE;
    }
    POSITION pos = textMap.GetStartPosition();
    while (pos != NULL)
    {
        CString candidate;
        textMap.GetNextAssoc(pos, candidate, text);
        if (candidate.CompareNoCase(name) == 0)
        {
            if (key != NULL)
                *key = candidate;
            return TRUE;
        }
    }
    return FALSE;
}

BOOL IsNamedObjectNameIn(const CStringArray& names, LPCTSTR name)
{
    return FindStringInArray(names, name, FALSE) >= 0;
}

BOOL EditNamedObject(const CStringArray& fixedNames, LPCTSTR name, CWnd* parent, LPCTSTR kindName,
                     CNamedObject* workingObject, CMapStringToString* textMap,
                     CNamedObjectTagMap* valueMap, DefaultTextFn defaultText, int parameter1,
                     int parameter2)
{
    if (IsNamedObjectNameIn(fixedNames, name))
    {
        ShowError(NULL, 0, "Sorry, this %s is fixed and may not be edited.", (LPCTSTR)Lower(kindName));
        return FALSE;
    }
    CString key(name);
    FindNamedObjectKey(*textMap, name, &key);
    CString oldText;
    textMap->Lookup(key, oldText);
    DWORD oldTag = 0;
    valueMap->Lookup(key, oldTag);
    CString text = oldText;
    if (text.IsEmpty() && defaultText != NULL)
        text = defaultText(key, parameter1, parameter2);

    if (!workingObject->SetText(text))
    {
        SoundBeep();
        return FALSE;
    }
    workingObject->m_tag = oldTag;
    CString title = "'" + key + "' " + workingObject->GetPropertiesTitle(kindName, parameter2);
    if (workingObject->EditProperties(parent, title, FALSE, parameter1, parameter2) == 0)
        return FALSE;

    CString newText = workingObject->GetText();
    if (newText == oldText && workingObject->m_tag == oldTag)
        return FALSE;
    textMap->SetAt(key, newText);
    valueMap->SetAt(key, workingObject->m_tag);
    return TRUE;
}

BOOL OfferToAddNamedObject(LPCTSTR name, CWnd* parent, LPCTSTR kindName, AddNamedObjectFn add,
                           CMapStringToString* textMap, CNamedObjectTagMap* valueMap,
                           DefaultTextFn defaultText, int parameter1, int parameter2)
{
    if (FindNamedObjectKey(*textMap, name, NULL) || !AskToAdd(name, kindName))
        return FALSE;
    return add != NULL && add(name, parent, textMap, valueMap, defaultText, parameter1, parameter2) != 0;
}

BOOL CheckNamedObjectName(LPCTSTR name, CDataExchange* dx, int controlId, LPCTSTR kindName,
                          AddNamedObjectFn add, CMapStringToString* textMap,
                          CNamedObjectTagMap* valueMap, DefaultTextFn defaultText, int parameter1,
                          int parameter2)
{
    if (FindNamedObjectKey(*textMap, name, NULL))
        return FALSE;
    if (!AskToAdd(name, kindName) || add == NULL ||
        add(name, dx->m_pDlgWnd, textMap, valueMap, defaultText, parameter1, parameter2) == 0)
    {
        dx->PrepareCtrl(controlId);
        dx->Fail();
    }
    HWND control = ::GetDlgItem(dx->m_pDlgWnd->GetSafeHwnd(), controlId);
    if (control != NULL)
        FillNamedObjectControl(control, *textMap, valueMap);
    return TRUE;
}

void FillNamedObjectControl(HWND control, const CMapStringToString& textMap,
                            const CNamedObjectTagMap* valueMap)
{
    CWnd* window = CWnd::FromHandlePermanent(control);
    if (CMyComboBox* combo = dynamic_cast<CMyComboBox*>(window))
        CListOrCombo(combo).Fill(textMap, valueMap);
    else if (CMyListBox* list = dynamic_cast<CMyListBox*>(window))
    {
        CListOrCombo items(list);
        items.Fill(textMap, valueMap);
        items.SetTabStopsToFit();
    }
}

#include "framework/named/NamedObjectSelector.h"

#include "afx/DataExchange.h"
#include "foundation/windows/Drawing.h"
#include "foundation/windows/OwnerWindow.h"
#include "framework/MessageRoutines.h"

IMPLEMENT_DYNAMIC(CNamedObjectSelector, CObject)

namespace
{
    CString ItemText(HWND control, BOOL combo, int index)
    {
        int length = (int)::SendMessageA(control, combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN, index, 0);
        if (length < 0)
            return CString();
        CString text;
        ::SendMessageA(control, combo ? CB_GETLBTEXT : LB_GETTEXT, index, (LPARAM)text.GetBuffer(length + 1));
        text.ReleaseBuffer();
        return text;
    }
}

CNamedObjectSelector::CNamedObjectSelector()
    : m_comboMode(FALSE), m_textMap(NULL), m_valueMap(NULL), m_controlId(0), m_buttonId(0), m_parameter1(0),
      m_parameter2(0), m_addFn(NULL), m_editAllowed(FALSE), m_kindClass(NULL), m_workingObject(NULL),
      m_defaultTextFn(NULL)
{
    m_propertiesButton.m_selector = this;
}

CNamedObjectSelector::~CNamedObjectSelector()
{
    delete m_workingObject;
}

CWnd* CNamedObjectSelector::BoundControl() const
{
    CWnd* control = m_comboMode ? (CWnd*)&m_combo : (CWnd*)&m_list;
    return control->GetSafeHwnd() != NULL ? control : NULL;
}

void CNamedObjectSelector::Exchange(CRuntimeClass* kindClass, const CStringArray& fixedNames, CDataExchange* dx,
                                    int controlId, int buttonId, CString& name, LPCTSTR kindName,
                                    LPCTSTR tipText, AddNamedObjectFn add, BOOL editAllowed,
                                    CMapStringToString* textMap, CNamedObjectTagMap* valueMap,
                                    DefaultTextFn defaultText, int parameter1, int parameter2, DWORD flags)
{
    m_fixedNames.Copy(fixedNames);
    m_controlId = controlId;
    m_buttonId = buttonId;
    m_kindName = kindName;
    m_addFn = add;
    m_editAllowed = editAllowed;
    m_textMap = textMap;
    m_valueMap = valueMap;
    m_parameter1 = parameter1;
    m_parameter2 = parameter2;
    m_kindClass = kindClass;
    m_defaultTextFn = defaultText;
    if (m_workingObject == NULL && kindClass != NULL)
    {
        CObject* object = kindClass->CreateObject();
        m_workingObject = object != NULL && object->IsKindOf(RUNTIME_CLASS(CNamedObject)) ? (CNamedObject*)object : NULL;
        if (m_workingObject == NULL)
            delete object;
    }
    CString lowerKind(kindName);
    lowerKind.MakeLower();

    if (!dx->m_bSaveAndValidate)
        BindControl(dx, tipText, lowerKind, flags);
    if (buttonId != 0)
        BindButton(dx);

    HWND control = dx->PrepareCtrl(controlId);
    if (!dx->m_bSaveAndValidate)
    {
        int index = (int)::SendMessageA(control, m_comboMode ? CB_FINDSTRINGEXACT : LB_FINDSTRINGEXACT,
                                        (WPARAM)-1, (LPARAM)(LPCTSTR)name);
        ::SendMessageA(control, m_comboMode ? CB_SETCURSEL : LB_SETCURSEL, (WPARAM)index, 0);
        if (index < 0 && m_comboMode)
            ::SetWindowTextA(control, name);
        return;
    }

    name = GetSelectedName((flags & SELECTOR_EMPTY_ALLOWED) != 0 ? -1 : 0);
    if (name.IsEmpty())
    {
        if ((flags & SELECTOR_EMPTY_ALLOWED) != 0)
            return;
        ShowError(NULL, 0, "You need to enter or select a %s here", (LPCTSTR)lowerKind);
        dx->Fail();
    }
    if ((flags & SELECTOR_NO_NAME_CHECK) == 0)
        CheckNamedObjectName(name, dx, controlId, kindName, add, textMap, valueMap, defaultText, parameter1,
                             parameter2);
}

void CNamedObjectSelector::BindControl(CDataExchange* dx, LPCTSTR tipText, LPCTSTR lowerKind, DWORD flags)
{
    HWND control = dx->PrepareCtrl(m_controlId);
    char className[64] = "";
    ::GetClassNameA(control, className, sizeof(className));
    CString upper(className);
    upper.MakeUpper();
    m_comboMode = upper.Find("COMBO") >= 0;

    CWnd& bound = m_comboMode ? (CWnd&)m_combo : (CWnd&)m_list;
    if (bound.GetSafeHwnd() != NULL)
        return; // filled on the first exchange only
    bound.SubclassWindow(control);
    FillNamedObjectControl(control, *m_textMap, m_valueMap);
    if (dx->m_pToolTip != NULL && tipText != NULL && *tipText != '\0')
    {
        CString tip(tipText);
        if (m_comboMode)
            tip += CString("\r\n\r\nTo select a different ") + lowerKind + ", click the arrow at the right hand side.";
        dx->m_pToolTip->AddTool(&bound, tip);
    }
}

void CNamedObjectSelector::BindButton(CDataExchange* dx)
{
    if (m_propertiesButton.GetSafeHwnd() != NULL)
        return;
    HWND button = dx->PrepareCtrl(m_buttonId);
    m_propertiesButton.SubclassWindow(button);
    if (m_comboMode && m_combo.GetSafeHwnd() != NULL)
    {
        CRect comboRect, buttonRect;
        m_combo.GetWindowRect(&comboRect);
        m_propertiesButton.GetWindowRect(&buttonRect);
        HWND dialog = dx->m_pDlgWnd->GetSafeHwnd();
        ::MapWindowPoints(NULL, dialog, (POINT*)&comboRect, 2);
        ::MapWindowPoints(NULL, dialog, (POINT*)&buttonRect, 2);
        m_propertiesButton.MoveWindow(buttonRect.left, comboRect.top, buttonRect.Width(), comboRect.Height(), TRUE);
    }
    if (dx->m_pToolTip != NULL && m_workingObject != NULL)
        dx->m_pToolTip->AddTool(&m_propertiesButton, m_workingObject->GetPropertiesTip(m_kindName, m_parameter2));
}

CString CNamedObjectSelector::GetSelectedName(int fallback) const
{
    CWnd* control = BoundControl();
    if (control == NULL)
        return CString();
    HWND window = control->GetSafeHwnd();
    int index = (int)::SendMessageA(window, m_comboMode ? CB_GETCURSEL : LB_GETCURSEL, 0, 0);
    if (index >= 0)
        return ItemText(window, m_comboMode, index);
    CString text;
    if (m_comboMode)
        control->GetWindowText(text);
    text.TrimLeft();
    text.TrimRight();
    return text;
}

void CNamedObjectSelector::EnableWindow(BOOL enable)
{
    CWnd* control = BoundControl();
    if (control != NULL)
        control->EnableWindow(enable);
    if (m_propertiesButton.GetSafeHwnd() != NULL)
        m_propertiesButton.EnableWindow(enable);
}

BOOL CNamedObjectSelector::OnProperties()
{
    CString name = GetSelectedName(0);
    if (name.IsEmpty())
    {
        SoundBeep();
        return FALSE;
    }
    if (m_textMap == NULL || m_valueMap == NULL)
        return FALSE;
    CWnd* control = BoundControl();
    CWnd* parent = control != NULL ? FindOwnerFrameOrDialog(control) : NULL;
    BOOL changed = FALSE;
    if (FindNamedObjectKey(*m_textMap, name, NULL))
    {
        if (!m_editAllowed || m_workingObject == NULL)
        {
            SoundBeep();
            return FALSE;
        }
        changed = EditNamedObject(m_fixedNames, name, parent, m_kindName, m_workingObject, m_textMap, m_valueMap,
                                  m_defaultTextFn, m_parameter1, m_parameter2);
    }
    else
    {
        if (m_addFn == NULL)
        {
            SoundBeep();
            return FALSE;
        }
        changed = OfferToAddNamedObject(name, parent, m_kindName, m_addFn, m_textMap, m_valueMap,
                                        m_defaultTextFn, m_parameter1, m_parameter2);
    }
    if (changed)
        OnObjectsChanged();
    return changed;
}

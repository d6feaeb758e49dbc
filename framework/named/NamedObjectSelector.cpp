#include "framework/named/NamedObjectSelector.h"

#include "afx/dialogs/DataExchange.h"
#include "foundation/windows/Drawing.h"
#include "foundation/windows/OwnerWindow.h"
#include "framework/messages/MessageRoutines.h"
#include "framework/controls/MyButton.h"
#include "framework/controls/MyToolTipCtrl.h"
#include "foundation/system/SoundBeep.h"

IMPLEMENT_DYNAMIC(CNamedObjectSelector, CObject)

CNamedObjectSelector::CNamedObjectSelector()
    : m_comboMode(FALSE), m_textMap(NULL), m_valueMap(NULL), m_controlId(0), m_buttonId(0), m_parameter1(0),
      m_parameter2(0), m_addFn(NULL), m_editAllowed(FALSE), m_kindClass(NULL),
      m_defaultTextFn(NULL)
{
    m_propertiesButton.m_selector = this;
}

CNamedObjectSelector::~CNamedObjectSelector() = default;

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
        std::unique_ptr<CObject> object(kindClass->CreateObject());
        if (object != NULL && object->IsKindOf(RUNTIME_CLASS(CNamedObject)))
            m_workingObject.reset((CNamedObject*)object.release());
    }
    CString lowerKind(kindName);
    lowerKind.MakeLower();

    if (!dx->m_bSaveAndValidate)
        BindControl(dx, tipText, lowerKind, flags);
    if (buttonId != 0)
        BindButton(dx);

    if (m_comboMode)
        DDX_MyComboText(dx, controlId, name, (flags & SELECTOR_EMPTY_ALLOWED) != 0 ? -1 : 0);
    else
        DDX_MyListText(dx, controlId, name, 0);
    if (!dx->m_bSaveAndValidate)
        return;

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

    const BOOL ownRecords = (flags & SELECTOR_NO_OWN_RECORDS) == 0;
    CWnd* bound;
    if (m_comboMode)
    {
        if (m_combo.GetSafeHwnd() != NULL)
            return; // filled on the first exchange only
        m_combo.SetOwnRecords(ownRecords);
        DDX_MyComboBox(dx, m_controlId, m_combo);
        bound = &m_combo;
    }
    else
    {
        if (m_list.GetSafeHwnd() != NULL)
            return;
        m_list.SetOwnRecords(ownRecords);
        DDX_ControlWithFont(dx, m_controlId, m_list);
        bound = &m_list;
    }
    FillNamedObjectControl(bound->m_hWnd, *m_textMap, m_valueMap);

    CMyToolTipCtrl* toolTip = dynamic_cast<CMyToolTipCtrl*>(dx->m_pToolTip);
    if (toolTip != NULL && tipText != NULL && *tipText != '\0')
    {
        CString tip(tipText);
        if (m_comboMode)
            tip += CString("\r\n\r\nTo select a different ") + lowerKind + ", click the arrow at the right hand side.";
        toolTip->AddTipParagraph(bound, tip);
    }
}

void CNamedObjectSelector::BindButton(CDataExchange* dx)
{
    if (m_propertiesButton.GetSafeHwnd() != NULL)
        return;
    DDX_MyButton(dx, m_buttonId, m_propertiesButton);
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
    CMyToolTipCtrl* toolTip = dynamic_cast<CMyToolTipCtrl*>(dx->m_pToolTip);
    if (toolTip != NULL && m_workingObject != NULL)
        toolTip->AddTipParagraph(&m_propertiesButton, m_workingObject->GetPropertiesTip(m_kindName, m_parameter2));
}

CString CNamedObjectSelector::GetSelectedName() const
{
    if (BoundControl() == NULL)
        return CString();
    CString text;
    if (!m_comboMode)
        text = m_list.GetCurSelText();
    else if (m_combo.GetCurSel() >= 0)
        text = m_combo.GetCurSelText();
    else
        m_combo.GetWindowText(text); // a name typed in the combo's edit field
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
    CString name = GetSelectedName();
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
        changed = EditNamedObject(m_fixedNames, name, parent, m_kindName, m_workingObject.get(), m_textMap, m_valueMap,
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

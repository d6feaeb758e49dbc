#pragma once
// A dialog field that picks one named object of a kind by name: a combo box
// or a list box of the store's names, and beside it a properties button.
#include "framework/controls/MyComboBox.h"
#include "framework/controls/MyListBox.h"
#include "framework/named/NamedObjectPropertiesButton.h"
#include "framework/named/NamedObjectStore.h"

#include <memory>

// Exchange flags.
enum NamedObjectSelectorFlags
{
    SELECTOR_EMPTY_ALLOWED = 0x1,  // an empty name may be saved
    SELECTOR_NO_OWN_RECORDS = 0x2, // leave the control's item storage alone
    SELECTOR_NO_NAME_CHECK = 0x4,  // do not check a saved name against the store
};

class CNamedObjectSelector : public CObject
{
    DECLARE_DYNAMIC(CNamedObjectSelector)

public:
    CNamedObjectSelector();
    ~CNamedObjectSelector() override;

    // Called from the owning dialog's data exchange, loading and saving.
    // The first exchange binds and fills the control and creates the
    // working object from the kind's runtime class.
    virtual void Exchange(CRuntimeClass* kindClass, const CStringArray& fixedNames, CDataExchange* dx,
                          int controlId, int buttonId, CString& name, LPCTSTR kindName, LPCTSTR tipText,
                          AddNamedObjectFn add, BOOL editAllowed, CMapStringToString* textMap,
                          CNamedObjectTagMap* valueMap, DefaultTextFn defaultText, int parameter1,
                          int parameter2, DWORD flags);
    // After the properties button changed or added an entry.
    virtual void OnObjectsChanged() {}

    // The selected name (the typed text of a combo box without a selection).
    CString GetSelectedName() const;
    void EnableWindow(BOOL enable);
    // The properties action; TRUE when an entry was changed or added.
    BOOL OnProperties();

    CStringArray m_fixedNames;
    CMyComboBox m_combo;
    CMyListBox m_list;
    BOOL m_comboMode;
    CNamedObjectPropertiesButton m_propertiesButton;
    CMapStringToString* m_textMap;
    CNamedObjectTagMap* m_valueMap;
    CString m_kindName;
    int m_controlId;
    int m_buttonId;
    int m_parameter1;
    int m_parameter2;
    AddNamedObjectFn m_addFn;
    BOOL m_editAllowed;
    CRuntimeClass* m_kindClass;
    std::unique_ptr<CNamedObject> m_workingObject;
    DefaultTextFn m_defaultTextFn;

private:
    CWnd* BoundControl() const;
    void BindControl(CDataExchange* dx, LPCTSTR tipText, LPCTSTR lowerKind, DWORD flags);
    void BindButton(CDataExchange* dx);
};

#pragma once
// The "Configure %s" dialog: lists the named objects of one kind and offers
// New, Duplicate, Update (properties), Rename and Delete on them. It works on
// its own copies of the store's maps; EditNamedObjectList writes them back
// only when the user presses OK.
#include "framework/dialogs/MyDialog.h"
#include "framework/named/NamedObjectListIds.h"
#include "framework/named/NamedObjectStore.h"

class CNamedObjectListDlg : public CMyDialog
{
    DECLARE_DYNAMIC(CNamedObjectListDlg)

public:
    CNamedObjectListDlg(UINT templateId, CWnd* parent);

    int m_parameter1 = 0;
    int m_parameter2 = 0;
    CMapStringToString m_textMap;
    CNamedObjectTagMap m_valueMap;
    DefaultTextFn m_defaultTextFn = NULL;
    CString m_kindName;
    CString m_kindNamePlural;
    CStringArray m_fixedNames;        // may not be renamed or deleted
    CStringArray m_noPropertiesNames; // their properties may not be opened
    BOOL m_noCopyOrEdit = FALSE;
    BOOL m_readOnly = FALSE;
    BOOL m_wideNameCharacters = FALSE;
    int m_maximumCount = -1;          // negative: no limit
    CListBox m_list;
    CStatic m_descriptionLabel;
    CNamedObject* m_workingObject = NULL; // not owned
    BOOL m_showDescriptions = FALSE;
    CMapStringToString m_descriptions;

    // Told of each change, with the entry's name.
    virtual void OnEntryAdded(LPCTSTR name) {}
    virtual void OnEntryChanged(LPCTSTR name) {}
    virtual void OnEntryDeleted(LPCTSTR name) {}
    virtual void OnBeforeLoad(LPCTSTR name) {}

    // The operations of the commands.
    int AddEntryItem(LPCTSTR name, LPCTSTR text, DWORD tag);
    CString GetItemName(int index) const;
    CString GetSelectedName() const;
    CString GetStoredText(LPCTSTR name) const;
    BOOL NameExists(LPCTSTR name) const;
    BOOL IsFixedName(LPCTSTR name) const;
    BOOL IsListFull() const;
    // Selects the item and shows its description.
    void SelectItem(int index);
    void ShowCount();
    void ShowSelectedDescription();
    // Asks for a name until one is given that no other entry has (the entry
    // 'own' may keep its name in another case); FALSE on Cancel.
    virtual BOOL AskForName(LPCTSTR title, LPCTSTR label, LPCTSTR initialName, LPCTSTR alreadyFormat,
                            LPCTSTR own, CString* name);

    BOOL OnInitDialog() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    afx_msg void OnNew();
    afx_msg void OnDuplicate();
    afx_msg void OnProperties();
    afx_msg void OnRename();
    afx_msg void OnDelete();
    afx_msg void OnUpdateNew(CCmdUI* pCmdUI);
    afx_msg void OnUpdateDuplicate(CCmdUI* pCmdUI);
    afx_msg void OnUpdateProperties(CCmdUI* pCmdUI);
    afx_msg void OnUpdateRename(CCmdUI* pCmdUI);
    afx_msg void OnUpdateDelete(CCmdUI* pCmdUI);
    afx_msg void OnSelectionChange();
    DECLARE_MESSAGE_MAP()

private:
    void FillTemplateText(int id, LPCTSTR word);
};

// Runs the dialog on copies of the maps; they are written back only on OK.
// TRUE when the user pressed OK.
BOOL EditNamedObjectList(CNamedObjectListDlg& dialog, CMapStringToString* textMap, CNamedObjectTagMap* valueMap);

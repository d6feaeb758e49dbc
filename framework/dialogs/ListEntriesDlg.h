#pragma once
// A dialog that edits a list of texts: Add asks for a new entry and refuses
// a duplicate, Update replaces the selected entry the same way, Delete removes
// it and Delete All (where the template has it) empties the list.
#include "afx/collections/StringArray.h"
#include "framework/dialogs/ListEntriesIds.h"
#include "framework/dialogs/MyDialog.h"

class CListEntriesDlg : public CMyDialog
{
    DECLARE_DYNAMIC(CListEntriesDlg)

public:
    CListEntriesDlg(UINT templateId, CWnd* parent);

    CString m_newEntryText;   // offered for a new entry
    BOOL m_prefixMatch = FALSE; // an entry that begins with the text is a duplicate
    CListBox m_list;
    CString m_entryWord;      // one entry, inside sentences ("term")
    CString m_titleWord;      // one entry, in titles ("Term")
    CStringArray m_entries;   // shown at the start, the list's entries after OK

    // The index of an entry other than skip that makes text a duplicate, -1
    // when none.
    int FindDuplicate(LPCTSTR text, int skip = -1);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    afx_msg void OnAdd();
    afx_msg void OnUpdateEntry();
    afx_msg void OnUpdateUpdateEntry(CCmdUI* cmdUI);
    afx_msg void OnDelete();
    afx_msg void OnDeleteAll();
    afx_msg void OnUpdateDeleteAll(CCmdUI* cmdUI);
    afx_msg void OnSelectionChange();
    DECLARE_MESSAGE_MAP()

private:
    // Asks for an entry with the name-entry dialog; FALSE when cancelled.
    BOOL AskForEntry(LPCTSTR titleFormat, LPCTSTR initialText, LPCTSTR okCaption, CString& text);
    // Puts the text in the list (replacing the entry at replace when not -1)
    // unless it is empty or a duplicate.
    void PutEntry(LPCTSTR text, int replace);
};

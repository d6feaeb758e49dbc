#pragma once

#include "afx/core/AfxCore.h"
#include "foundation/containers/OwningObArray.h"

class CGeneticsSection;

// A loaded genetics configuration: its sections in file order, with the
// description, notes and version of the file.
class CGeneticsConfig : public CObject
{
public:
    CGeneticsConfig();
    virtual ~CGeneticsConfig();

    // Makes the configuration from the lines of a configuration text; returns
    // the first error, empty on success.
    CString Read(const CStringArray& lines, const CDWordArray& lineNumbers);
    // The same for the whole text of a file: its lines numbered from 1.
    CString Read(const CStringArray& lines);
    void Clear();

    CGeneticsSection* FindSection(const char* name) const;
    int CountRulesSections() const;
    // The rules section the program works with: the first one in the file.
    CGeneticsSection* FindFirstRulesSection() const;
    // The description, notes and version with their paragraphs reflowed.
    CString GetDescription() const;
    CString GetNotes() const;
    CString GetVersion() const;
    int GetSectionCount() const { return m_sections.GetSize(); }
    CGeneticsSection* GetSection(int index) const { return (CGeneticsSection*)m_sections.GetAt(index); }

    COwningObArray m_sections;
    CString m_strDescription;
    CString m_strNotes;
    CString m_strVersion;

private:
    void TakeHeaderKeys(CStringArray& lines, CDWordArray& numbers);
    CString ReadSections(CStringArray& lines, CDWordArray& numbers);
    CString CheckGotoTargets() const;
    CString ReplaceNotesCodes();
    CString ExpandNotesCode(const CString& code, CString& replacement);
};

// The section header "[genes NAME]" or "[rules NAME]".
BOOL ParseSectionHeader(const CString& line, CString* name, BOOL* genes);

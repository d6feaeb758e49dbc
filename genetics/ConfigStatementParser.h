#pragma once

#include "afx/core/AfxCore.h"
#include "foundation/containers/OwningObArray.h"

class CGeneticsSection;

// Turns the statement lines of one configuration section into the content of
// the section. Statements are applied by kind in a fixed series of passes; each
// pass takes its statements in file order and empties them, and whatever is
// left at the end is an error. The first error ends the parse.
class CConfigStatementParser
{
public:
    CConfigStatementParser(CGeneticsSection& section, const CStringArray& lines, const CDWordArray& lineNumbers);

    CString Run();

private:
    int GetCount() const { return m_lines.GetSize(); }
    CStringArray& Words(int statement) const { return *(CStringArray*)m_words[statement]; }
    int WordCount(int statement) const { return Words(statement).GetSize(); }
    BOOL KeywordIs(int statement, const char* keyword) const;
    CString Location(int statement) const;
    CString JoinWords(int statement, int first) const;
    void RemoveStatement(int statement);
    // "%s, ..." with the statement's location first.
    CString Error(int statement, const char* format, ...) const;

    CString ReadBaseOn();
    CString SkipUseFor();
    CString ReadSexSystem();
    CString ReadGenes();
    CString ReadLinks();
    CString ReadSexLinkage();
    CString CheckLinkedSexLinkage() const;
    CString ReadDescriptions();
    void ReplaceDescriptionCodes();
    CString ReplaceCodesInWord(const CString& word) const;
    CString ReadRules();
    CString ReadRule(int statement, int keywordIndex, UINT kind);
    CString ReadSelectionElements();
    CString CheckRest();

    CGeneticsSection& m_section;
    CStringArray m_lines;
    CDWordArray m_numbers;
    COwningObArray m_words;  // a CStringArray of words per statement
};

#pragma once

// A small kind of named object for the tests: a number as its text form and a
// properties "dialog" that does what the test has scripted.

#include "framework/named/NamedObject.h"

#include <cstdlib>
#include <string>
#include <vector>

class CTestNamedKind : public CNamedObject
{
    DECLARE_DYNCREATE(CTestNamedKind)

public:
    CTestNamedKind() { m_kindCode = 77; }

    void SetDefaults() override { m_number = 5; }
    CString GetText() const override
    {
        CString text;
        text.Format("n%d", m_number);
        return text;
    }
    BOOL SetText(LPCTSTR text) override
    {
        s_loaded.push_back(text);
        if (text[0] != 'n')
            return FALSE;
        m_number = std::atoi(text + 1);
        return TRUE;
    }
    CString GetDescription() const override
    {
        CString text;
        text.Format("number %d", m_number);
        return text;
    }
    // The scripted dialog: a negative answer cancels; otherwise the number
    // and tag are set as scripted (-1 leaves them) and OK is pressed.
    int EditProperties(CWnd* parent, LPCTSTR title, BOOL isNew, int parameter1, int parameter2) override
    {
        s_titles.push_back(std::string(title) + (isNew ? " [new]" : ""));
        if (s_answerNumber < 0)
            return 0;
        if (s_answerNumber != Unchanged)
            m_number = s_answerNumber;
        if (s_answerTag != Unchanged)
            m_tag = (DWORD)s_answerTag;
        return 1;
    }

    enum { Unchanged = 1000000 };
    static void Script(int number, int tag = Unchanged)
    {
        s_answerNumber = number;
        s_answerTag = tag;
        s_titles.clear();
        s_loaded.clear();
    }

    int m_number = 5;
    static inline int s_answerNumber = -1;
    static inline int s_answerTag = Unchanged;
    static inline std::vector<std::string> s_titles;
    static inline std::vector<std::string> s_loaded;
};

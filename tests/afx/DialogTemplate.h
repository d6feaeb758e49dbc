#pragma once

// Builds dialog templates in memory for the window tests, so that no
// resource script is needed: a header with a font, then the controls.

#include <windows.h>

#include <vector>

class CDialogTemplate
{
public:
    enum
    {
        BUTTON = 0x0080,
        EDIT = 0x0081,
        STATIC = 0x0082,
        LISTBOX = 0x0083,
        COMBOBOX = 0x0085,
    };

    CDialogTemplate(const wchar_t* caption, DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME,
                    short cx = 200, short cy = 120)
    {
        Put32(style | DS_SETFONT);
        Put32(0);
        m_countIndex = m_words.size();
        m_words.push_back(0);
        m_words.push_back(10);
        m_words.push_back(10);
        m_words.push_back((WORD)cx);
        m_words.push_back((WORD)cy);
        m_words.push_back(0); // no menu
        m_words.push_back(0); // the dialog class
        PutText(caption);
        m_words.push_back(8);
        PutText(L"MS Shell Dlg");
    }

    CDialogTemplate& Add(WORD classAtom, const wchar_t* text, WORD id, DWORD style, short x, short y, short cx,
                         short cy)
    {
        if (m_words.size() % 2 != 0)
            m_words.push_back(0); // items start on a DWORD boundary
        Put32(style | WS_CHILD | WS_VISIBLE);
        Put32(0);
        m_words.push_back((WORD)x);
        m_words.push_back((WORD)y);
        m_words.push_back((WORD)cx);
        m_words.push_back((WORD)cy);
        m_words.push_back(id);
        m_words.push_back(0xFFFF);
        m_words.push_back(classAtom);
        PutText(text);
        m_words.push_back(0); // no creation data
        ++m_words[m_countIndex];
        return *this;
    }

    LPCDLGTEMPLATE Get() const { return (LPCDLGTEMPLATE)m_words.data(); }
    DWORD Size() const { return (DWORD)(m_words.size() * sizeof(WORD)); }

private:
    void Put32(DWORD value)
    {
        m_words.push_back(LOWORD(value));
        m_words.push_back(HIWORD(value));
    }

    void PutText(const wchar_t* text)
    {
        for (; *text != 0; ++text)
            m_words.push_back((WORD)*text);
        m_words.push_back(0);
    }

    std::vector<WORD> m_words;
    size_t m_countIndex;
};

#include "afx/dialogs/DialogTemplateBuilder.h"

namespace
{
    const int countOffset = 4;   // WORD index of DLGTEMPLATE::cdit
}

void CDialogTemplateBuilder::AddText(LPCSTR text)
{
    int length = ::MultiByteToWideChar(CP_ACP, 0, text, -1, NULL, 0);
    std::vector<WCHAR> wide(length > 0 ? length : 1, 0);
    if (length > 0)
        ::MultiByteToWideChar(CP_ACP, 0, text, -1, &wide[0], length);
    for (size_t i = 0; i < wide.size(); ++i)
        m_words.push_back((WORD)wide[i]);
}

void CDialogTemplateBuilder::Align()
{
    // Every item template starts on a DWORD boundary.
    if (m_words.size() % 2 != 0)
        m_words.push_back(0);
}

void CDialogTemplateBuilder::Begin(DWORD style, short x, short y, short cx, short cy, LPCSTR caption,
                                   WORD pointSize, LPCSTR typeface)
{
    m_words.clear();
    m_words.push_back(LOWORD(style));
    m_words.push_back(HIWORD(style));
    m_words.push_back(0);   // extended style
    m_words.push_back(0);
    m_words.push_back(0);   // item count
    m_words.push_back((WORD)x);
    m_words.push_back((WORD)y);
    m_words.push_back((WORD)cx);
    m_words.push_back((WORD)cy);
    m_words.push_back(0);   // no menu
    m_words.push_back(0);   // default class
    AddText(caption);
    if (style & DS_SETFONT)
    {
        m_words.push_back(pointSize);
        AddText(typeface);
    }
}

void CDialogTemplateBuilder::AddItemHeader(WORD id, DWORD style, short x, short y, short cx, short cy)
{
    Align();
    style |= WS_CHILD | WS_VISIBLE;
    m_words.push_back(LOWORD(style));
    m_words.push_back(HIWORD(style));
    m_words.push_back(0);   // extended style
    m_words.push_back(0);
    m_words.push_back((WORD)x);
    m_words.push_back((WORD)y);
    m_words.push_back((WORD)cx);
    m_words.push_back((WORD)cy);
    m_words.push_back(id);
}

void CDialogTemplateBuilder::EndItem(LPCSTR text)
{
    AddText(text);
    m_words.push_back(0);   // no creation data
    ++m_words[countOffset];
}

void CDialogTemplateBuilder::AddControl(WORD id, LPCSTR windowClass, LPCSTR text, DWORD style,
                                        short x, short y, short cx, short cy)
{
    AddItemHeader(id, style, x, y, cx, cy);
    AddText(windowClass);
    EndItem(text);
}

void CDialogTemplateBuilder::AddControl(WORD id, WORD classAtom, LPCSTR text, DWORD style, short x, short y,
                                        short cx, short cy)
{
    AddItemHeader(id, style, x, y, cx, cy);
    m_words.push_back(0xFFFF);
    m_words.push_back(classAtom);
    EndItem(text);
}

LPCDLGTEMPLATEA CDialogTemplateBuilder::GetTemplate() const
{
    return (LPCDLGTEMPLATEA)&m_words[0];
}

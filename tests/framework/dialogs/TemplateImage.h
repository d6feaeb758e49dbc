#pragma once

// A dialog template in memory, written in the classic or the extended
// layout from the same description, so that a reader can be fed both.

#include <windows.h>

#include <string>
#include <vector>

struct TemplateControl
{
    WORD id;
    WORD classOrdinal;          // 0: the class is given by name
    const wchar_t* className;
    const wchar_t* text;
    DWORD style;
    DWORD exStyle;
    short x, y, cx, cy;
    std::string creationData;   // bytes after the creation-data word
};

class CTemplateImage
{
public:
    CTemplateImage(bool extended, const std::vector<TemplateControl>& controls, const wchar_t* face = L"MS Shell Dlg")
    {
        const DWORD style = WS_POPUP | WS_CAPTION | DS_SETFONT;
        if (extended)
        {
            Put16(1);
            Put16(0xFFFF);
            Put32(0);   // help id
            Put32(0);   // extended style
            Put32(style);
        }
        else
        {
            Put32(style);
            Put32(0);
        }
        Put16((WORD)controls.size());
        Put16(0);
        Put16(0);
        Put16(240);
        Put16(160);
        Put16(0);   // no menu
        Put16(0);   // dialog class
        PutText(L"Prototypes");
        Put16(8);
        if (extended)
        {
            Put16(FW_NORMAL);
            Put16(0);   // not italic, character set 0
        }
        PutText(face);
        for (const TemplateControl& c : controls)
        {
            while (m_bytes.size() % 4 != 0)
                m_bytes.push_back(0);
            if (extended)
            {
                Put32(0);   // help id
                Put32(c.exStyle);
                Put32(c.style);
            }
            else
            {
                Put32(c.style);
                Put32(c.exStyle);
            }
            Put16((WORD)c.x);
            Put16((WORD)c.y);
            Put16((WORD)c.cx);
            Put16((WORD)c.cy);
            if (extended)
                Put32(c.id);
            else
                Put16(c.id);
            if (c.classOrdinal != 0)
            {
                Put16(0xFFFF);
                Put16(c.classOrdinal);
            }
            else
            {
                PutText(c.className);
            }
            PutText(c.text);
            // An extended item counts the bytes that follow the word; a
            // classic one counts the word itself as well.
            const WORD dataSize = (WORD)c.creationData.size();
            Put16(extended || dataSize == 0 ? dataSize : (WORD)(dataSize + 2));
            m_bytes.insert(m_bytes.end(), c.creationData.begin(), c.creationData.end());
        }
    }

    const void* Data() const { return m_bytes.data(); }
    // The last item's creation-data word, when that item has no data.
    void SetLastCreationWord(WORD value)
    {
        m_bytes[m_bytes.size() - 2] = LOBYTE(value);
        m_bytes[m_bytes.size() - 1] = HIBYTE(value);
    }
    DWORD Size() const { return (DWORD)m_bytes.size(); }

private:
    void Put16(WORD value)
    {
        m_bytes.push_back(LOBYTE(value));
        m_bytes.push_back(HIBYTE(value));
    }
    void Put32(DWORD value)
    {
        Put16(LOWORD(value));
        Put16(HIWORD(value));
    }
    void PutText(const wchar_t* text)
    {
        for (; *text != 0; ++text)
            Put16((WORD)*text);
        Put16(0);
    }

    std::vector<BYTE> m_bytes;
};

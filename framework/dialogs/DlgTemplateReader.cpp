#include "framework/dialogs/DlgTemplateReader.h"

#include "framework/windows/WindowMeasures.h"

#include <memory>
#include <vector>

// Reads little-endian words from the template; every read past the end
// fails and leaves the cursor failed.
class CDlgTemplateReader::CCursor
{
public:
    CCursor(const BYTE* data, DWORD size) : m_data(data), m_size(size), m_pos(0), m_ok(TRUE) {}

    BOOL Ok() const { return m_ok; }

    WORD Word()
    {
        if (!Need(2))
            return 0;
        WORD value = (WORD)(m_data[m_pos] | (m_data[m_pos + 1] << 8));
        m_pos += 2;
        return value;
    }
    DWORD DWord()
    {
        WORD low = Word();
        return MAKELONG(low, Word());
    }
    // Items start on a 4-byte boundary from the template's start.
    void AlignToDWord() { m_pos = (m_pos + 3) & ~(DWORD)3; }

    // Text of 16-bit characters up to a 0 character, in the ANSI code page.
    CString Text()
    {
        std::vector<WCHAR> wide;
        for (WORD c = Word(); m_ok && c != 0; c = Word())
            wide.push_back((WCHAR)c);
        CString text;
        if (!m_ok || wide.empty())
            return text;
        int length = ::WideCharToMultiByte(CP_ACP, 0, &wide[0], (int)wide.size(), NULL, 0, NULL, NULL);
        if (length > 0)
        {
            ::WideCharToMultiByte(CP_ACP, 0, &wide[0], (int)wide.size(), text.GetBuffer(length), length, NULL, NULL);
            text.ReleaseBuffer(length);
        }
        return text;
    }
    // A name or, after 0xFFFF, an ordinal (-1 for a name).
    void NameOrOrdinal(CString& name, int& ordinal)
    {
        name.Empty();
        ordinal = -1;
        if (Need(2) && m_data[m_pos] == 0xFF && m_data[m_pos + 1] == 0xFF)
        {
            Word();
            ordinal = Word();
        }
        else
        {
            name = Text();
        }
    }
    void Bytes(CByteArray& bytes, DWORD count)
    {
        bytes.RemoveAll();
        if (!Need(count))
            return;
        bytes.SetSize(count);
        if (count > 0)
            memcpy(bytes.GetData(), m_data + m_pos, count);
        m_pos += count;
    }

private:
    BOOL Need(DWORD count)
    {
        if (m_ok && (m_pos > m_size || count > m_size - m_pos))
            m_ok = FALSE;
        return m_ok;
    }

    const BYTE* m_data;
    DWORD m_size;
    DWORD m_pos;
    BOOL m_ok;
};

namespace
{
    struct PredefinedClass
    {
        int ordinal;
        const char* name;
    };

    const PredefinedClass predefinedClasses[] = {
        {0x80, "BUTTON"}, {0x81, "EDIT"}, {0x82, "STATIC"}, {0x83, "LISTBOX"}, {0x84, "SCROLLBAR"}, {0x85, "COMBOBOX"},
    };
}

CDlgTemplateReader::CDlgTemplateReader() : unitWindow(NULL)
{
    Reset();
}

void CDlgTemplateReader::Reset()
{
    style = 0;
    exStyle = 0;
    itemCount = 0;
    x = y = cx = cy = 0;
    memset(&extendedHeader, 0, sizeof(extendedHeader));
    menu.Empty();
    menuOrdinal = -1;
    windowClass.Empty();
    classOrdinal = -1;
    caption.Empty();
    fontPointSize = 0;
    fontWeight = 0;
    fontItalicAndCharSet = 0;
    fontFace.Empty();
    items.DeleteAll();
    extended = FALSE;
    baseUnits = 0;
}

BOOL CDlgTemplateReader::Load(CWnd* unit, LPCTSTR resourceName, HINSTANCE module, LPCTSTR resourceType)
{
    Reset();
    unitWindow = unit;
    HRSRC resource = ::FindResourceA(module, resourceName, resourceType);
    HGLOBAL loaded = resource != NULL ? ::LoadResource(module, resource) : NULL;
    const void* data = loaded != NULL ? ::LockResource(loaded) : NULL;
    if (data == NULL)
        return FALSE;
    return LoadFromMemory(unit, data, ::SizeofResource(module, resource));
}

BOOL CDlgTemplateReader::LoadFromMemory(CWnd* unit, const void* data, DWORD size)
{
    Reset();
    unitWindow = unit;
    CCursor cursor((const BYTE*)data, size);
    if (!ReadHeader(cursor))
        return FALSE;
    for (int i = 0; i < itemCount; ++i)
    {
        auto item = std::make_unique<CDlgTemplateItem>();
        if (!ReadItem(cursor, *item))
            return FALSE;
        items.Add(item.release());
    }
    return TRUE;
}

BOOL CDlgTemplateReader::ReadHeader(CCursor& cursor)
{
    WORD first = cursor.Word();
    WORD second = cursor.Word();
    extended = first == 1 && second == 0xFFFF;
    if (extended)
    {
        extendedHeader.version = first;
        extendedHeader.signature = second;
        extendedHeader.helpId = cursor.DWord();
        extendedHeader.exStyle = exStyle = cursor.DWord();
        extendedHeader.style = style = cursor.DWord();
    }
    else
    {
        style = MAKELONG(first, second);
        exStyle = cursor.DWord();
        extendedHeader.exStyle = exStyle;
        extendedHeader.style = style;
    }
    extendedHeader.itemCount = itemCount = cursor.Word();
    extendedHeader.x = x = (short)cursor.Word();
    extendedHeader.y = y = (short)cursor.Word();
    extendedHeader.cx = cx = (short)cursor.Word();
    extendedHeader.cy = cy = (short)cursor.Word();

    cursor.NameOrOrdinal(menu, menuOrdinal);
    cursor.NameOrOrdinal(windowClass, classOrdinal);
    caption = cursor.Text();
    if (style & DS_SETFONT)
    {
        fontPointSize = cursor.Word();
        if (extended)
        {
            fontWeight = cursor.Word();
            fontItalicAndCharSet = cursor.Word();
        }
        int faceOrdinal;
        cursor.NameOrOrdinal(fontFace, faceOrdinal);
    }
    return cursor.Ok();
}

BOOL CDlgTemplateReader::ReadItem(CCursor& cursor, CDlgTemplateItem& item)
{
    cursor.AlignToDWord();
    CDlgTemplateItem::ExtendedHeader& header = item.extended;
    if (extended)
    {
        header.helpId = cursor.DWord();
        header.exStyle = cursor.DWord();
        header.style = cursor.DWord();
    }
    else
    {
        header.helpId = 0;
        header.style = cursor.DWord();
        header.exStyle = cursor.DWord();
    }
    header.x = (short)cursor.Word();
    header.y = (short)cursor.Word();
    header.cx = (short)cursor.Word();
    header.cy = (short)cursor.Word();
    header.id = extended ? cursor.DWord() : cursor.Word();
    item.style = header.style;
    item.exStyle = header.exStyle;
    item.x = header.x;
    item.y = header.y;
    item.cx = header.cx;
    item.cy = header.cy;
    item.id = LOWORD(header.id);

    cursor.NameOrOrdinal(item.windowClass, item.classOrdinal);
    if (item.windowClass.IsEmpty())
    {
        for (const PredefinedClass& predefined : predefinedClasses)
        {
            if (predefined.ordinal == item.classOrdinal)
                item.windowClass = predefined.name;
        }
        if (item.classOrdinal == 0x81)
            item.exStyle |= WS_EX_CLIENTEDGE;
    }
    cursor.NameOrOrdinal(item.text, item.textOrdinal);
    // The creation-data word, read as the dialog manager reads it: in an
    // extended template it counts the bytes that follow; in a classic one it
    // counts itself too, so 1 cannot be and marks a damaged template.
    WORD creationSize = cursor.Word();
    if (!extended)
    {
        if (creationSize == 1)
            return FALSE;
        creationSize = creationSize > 2 ? (WORD)(creationSize - 2) : 0;
    }
    cursor.Bytes(item.creationData, creationSize);
    if (!cursor.Ok())
        return FALSE;
    if (unitWindow != NULL)
        item.rect = ToPixels(item);
    return TRUE;
}

CRect CDlgTemplateReader::ToPixels(const CDlgTemplateItem& item)
{
    CRect rect(item.x, item.y, item.x + item.cx, item.y + item.cy);
    if (unitWindow->IsKindOf(RUNTIME_CLASS(CDialog)))
    {
        ((CDialog*)unitWindow)->MapDialogRect(&rect);
        return rect;
    }
    if (baseUnits == 0)
        baseUnits = GetWindowBaseUnits(unitWindow);
    int unitX = LOWORD(baseUnits), unitY = HIWORD(baseUnits);
    return CRect(rect.left * unitX / 4, rect.top * unitY / 8, rect.right * unitX / 4, rect.bottom * unitY / 8);
}

int CDlgTemplateReader::FindItem(UINT controlId) const
{
    for (int i = 0; i < GetItemCount(); ++i)
    {
        if (GetItem(i)->id == (WORD)controlId)
            return i;
    }
    return -1;
}

HWND CDlgTemplateReader::CreateItem(int index, CWnd* parent, CFont* font, CWnd* insertAfter, HINSTANCE instance,
                                    UINT id, DWORD extraStyle, DWORD extraExStyle)
{
    if (index < 0 || index >= GetItemCount())
        return NULL;
    const CDlgTemplateItem* item = GetItem(index);
    HWND hWnd = ::CreateWindowExA(item->exStyle | extraExStyle, item->windowClass, item->text,
                                  item->style | extraStyle, item->rect.left, item->rect.top, item->rect.Width(),
                                  item->rect.Height(), parent != NULL ? parent->m_hWnd : NULL,
                                  (HMENU)(UINT_PTR)(id != 0 ? id : item->id), instance, NULL);
    if (hWnd == NULL)
        return NULL;
    if (font != NULL)
        ::SendMessageA(hWnd, WM_SETFONT, (WPARAM)font->m_hObject, TRUE);
    if (insertAfter != NULL)
        ::SetWindowPos(hWnd, insertAfter->m_hWnd, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOREDRAW | SWP_NOACTIVATE);
    return hWnd;
}

// Building a CMyMenu from a menu resource.
#include "framework/menus/MenuImages.h"
#include "framework/menus/MyMenu.h"
#include "framework/menus/MyMenuItem.h"

#include <memory>
#include <string>

namespace
{
// Reads the resource's words and never past its end.
class CMenuResourceReader
{
public:
    CMenuResourceReader(const BYTE* data, DWORD size) : m_data(data), m_size(size) {}

    bool ReadWord(WORD& value)
    {
        if (m_offset + sizeof(WORD) > m_size)
            return false;
        value = (WORD)(m_data[m_offset] | (m_data[m_offset + 1] << 8));
        m_offset += sizeof(WORD);
        return true;
    }
    bool Skip(DWORD bytes)
    {
        if (m_offset + bytes > m_size)
            return false;
        m_offset += bytes;
        return true;
    }
    // A zero-terminated UTF-16 text, in the ANSI code page.
    bool ReadText(CString& text)
    {
        std::wstring wide;
        WORD character;
        for (;;)
        {
            if (!ReadWord(character))
                return false;
            if (character == 0)
                break;
            wide += (wchar_t)character;
        }
        text.Empty();
        if (wide.empty())
            return true;
        int length = ::WideCharToMultiByte(CP_ACP, 0, wide.c_str(), (int)wide.size(), NULL, 0, NULL, NULL);
        ::WideCharToMultiByte(CP_ACP, 0, wide.c_str(), (int)wide.size(), text.GetBufferSetLength(length), length, NULL,
                              NULL);
        text.ReleaseBuffer(length);
        return true;
    }

private:
    const BYTE* m_data;
    DWORD m_size;
    DWORD m_offset = 0;
};

// The first mapped command of a submenu gives the submenu's entry its image.
void ApplySubmenuImage(CMyMenu* parent, CMyMenu* subMenu, UINT command)
{
    UINT imageCommand;
    if (!LookupSubmenuCommand(command, imageCommand))
        return;
    CMyMenuItem* entry = parent->GetItem(parent->FindItemIndex((UINT)(UINT_PTR)subMenu->m_hMenu));
    if (entry != NULL && entry->m_imageCommand == -1)
    {
        entry->m_imageCommand = (int)imageCommand;
        entry->m_imageLookedUp = FALSE;
    }
}
}

BOOL CMyMenu::LoadMenu(UINT resourceId)
{
    HINSTANCE module = AfxGetResourceHandle();
    HRSRC resource = ::FindResourceA(module, MAKEINTRESOURCEA(resourceId), RT_MENU);
    HGLOBAL loaded = resource != NULL ? ::LoadResource(module, resource) : NULL;
    const BYTE* data = loaded != NULL ? (const BYTE*)::LockResource(loaded) : NULL;
    if (data == NULL)
        return FALSE;
    Clear();
    if (!CreateMenu())
        return FALSE;
    CMenuResourceReader reader(data, ::SizeofResource(module, resource));
    WORD version, headerSize;
    if (!reader.ReadWord(version) || !reader.ReadWord(headerSize) || !reader.Skip(headerSize))
        return FALSE;

    std::vector<CMyMenu*> stack(1, this);
    std::vector<bool> endsAfterItem(1, false);
    while (!stack.empty())
    {
        WORD options, id = 0;
        CString text;
        if (!reader.ReadWord(options) || ((options & MF_POPUP) == 0 && !reader.ReadWord(id)) || !reader.ReadText(text))
            return FALSE; // a damaged resource: the items read so far stay
        if ((options & MF_END) != 0)
            endsAfterItem.back() = true;
        UINT flags = options & ~MF_END;
        CMyMenu* top = stack.back();
        if ((flags & MF_POPUP) != 0)
        {
            auto subMenu = std::make_unique<CMyMenu>();
            subMenu->SetCheckImages(top->m_checkImages, FALSE, top->m_hasSelectedCheckImage,
                                    top->m_hasNormalCheckImage);
            if (!subMenu->CreatePopupMenu() || !top->AppendItem(flags, (UINT_PTR)subMenu->m_hMenu, text))
                return FALSE;
            // The menu it was appended to adopted it.
            stack.push_back(subMenu.release());
            endsAfterItem.push_back(false);
            continue;
        }
        top->AppendItem(flags, id, text);
        if (stack.size() >= 3 && id != 0)
            ApplySubmenuImage(stack[stack.size() - 2], top, id);
        while (!stack.empty() && endsAfterItem.back())
        {
            stack.pop_back();
            endsAfterItem.pop_back();
        }
    }
    return TRUE;
}

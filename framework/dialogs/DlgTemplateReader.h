#pragma once

#include "afx/app/AfxWin.h"
#include "foundation/containers/OwningObArray.h"
#include "framework/dialogs/DlgTemplateItem.h"

// Reads a dialog template resource (classic or extended layout) as a
// catalogue of ready-made controls, from which a window creates copies with
// ids and positions of its own.
class CDlgTemplateReader
{
public:
    // The header in the extended layout; a classic template's is mirrored.
    struct ExtendedHeader
    {
        WORD version;
        WORD signature;
        DWORD helpId;
        DWORD exStyle;
        DWORD style;
        WORD itemCount;
        short x, y, cx, cy;
    };

    CDlgTemplateReader();

    void Reset();
    // Reads the template; the item rectangles are converted to pixels in the
    // units of the unit window (a dialog's own, or its font's), and stay
    // empty without one. FALSE when the resource is missing or damaged; the
    // items read before a damaged one stay.
    BOOL Load(CWnd* unitWindow, LPCTSTR resourceName, HINSTANCE module, LPCTSTR resourceType = RT_DIALOG);
    BOOL LoadFromMemory(CWnd* unitWindow, const void* data, DWORD size);

    // Index of the first item with the control id, -1 when none has it.
    int FindItem(UINT controlId) const;
    int GetItemCount() const { return (int)items.GetSize(); }
    CDlgTemplateItem* GetItem(int index) const { return (CDlgTemplateItem*)items[index]; }

    // Creates a copy of the item in the parent with the id (the item's own
    // when 0) and the extra styles, gives it the font and puts it after the
    // insert-after window in the z-order; null when it cannot be created.
    HWND CreateItem(int index, CWnd* parent, CFont* font, CWnd* insertAfter, HINSTANCE instance, UINT id,
                    DWORD extraStyle = 0, DWORD extraExStyle = 0);

    DWORD style;
    DWORD exStyle;
    WORD itemCount;
    short x, y, cx, cy;
    ExtendedHeader extendedHeader;
    CString menu;
    int menuOrdinal;
    CString windowClass;
    int classOrdinal;
    CString caption;
    DWORD fontPointSize;
    DWORD fontWeight;
    DWORD fontItalicAndCharSet;
    CString fontFace;
    COwningObArray items;
    BOOL extended;
    CWnd* unitWindow;
    DWORD baseUnits;   // of the unit window's font; 0 until needed

private:
    class CCursor;

    BOOL ReadHeader(CCursor& cursor);
    BOOL ReadItem(CCursor& cursor, CDlgTemplateItem& item);
    CRect ToPixels(const CDlgTemplateItem& item);

    CDlgTemplateReader(const CDlgTemplateReader&) = delete;
    CDlgTemplateReader& operator=(const CDlgTemplateReader&) = delete;
};

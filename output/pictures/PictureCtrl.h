#pragma once

#include "framework/windows/MyWnd.h"
#include "framework/windows/PaletteHook.h"
#include "output/pictures/Picture.h"

// A child window that shows one picture fitted to its client area and
// centred, over an optional background colour. A dialog creates it in place
// of a placeholder item, then loads, clears or hides it.
class CPictureCtrl : public CMyWnd
{
public:
    CPictureCtrl();
    ~CPictureCtrl() override;

    // Creates the (hidden, disabled) window over the placeholder item's
    // rectangle less the tab margins, shortened to a positive maximum width
    // or height.
    BOOL CreateOverControl(CWnd* parent, UINT placeholderId, LPCTSTR text, int maxWidth, int maxHeight);
    // Loads a picture file; on failure the old picture is gone and the
    // window keeps its visibility.
    BOOL LoadPicture(LPCTSTR path, PictureLoadOptions options, BOOL invalidateFirst);
    void ClearPicture();
    void SetVisible(BOOL visible);

    CPicture& GetPicture() { return m_picture; }
    CSize GetFittedSize() const { return m_fittedSize; }

    CPicture m_picture;
    CWnd* m_pPlaceholder;
    CSize m_fittedSize;
    CPaletteHook m_paletteHook;
    BOOL m_bVisible;
    int m_nShowCommand;
    COLORREF m_textColour;       // NoInkColour: the DC's own
    COLORREF m_backgroundColour; // NoInkColour: none
    HBITMAP m_hBitmap;           // shown instead of the picture when set (not owned)
    int m_nMaxWidth;
    int m_nMaxHeight;

protected:
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()

private:
    void Layout();
};

#include "framework/menus/MyMenuItem.h"

#include "foundation/terminology/TokenExpander.h"

IMPLEMENT_DYNAMIC(CMyMenuItem, CObject)

void CMyMenuItem::Set(UINT flags, UINT_PTR id, LPCTSTR text, int toolbarId, int imageCommand)
{
    m_flags = flags | MF_OWNERDRAW;
    m_id = id;
    ExpandTokens(text != NULL ? text : "", m_text);
    m_toolbarId = toolbarId;
    m_imageCommand = imageCommand;
    m_imageLookedUp = FALSE;
    m_imageCode = 0;
    m_imageIndex = -1;
}

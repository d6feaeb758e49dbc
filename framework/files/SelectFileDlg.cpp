#include "framework/files/SelectFileDlg.h"
#include "foundation/terminology/FrameworkTextHooks.h"

IMPLEMENT_DYNAMIC(CSelectFileDlg, CMyFileDialog)

namespace
{
bool IsEmptyText(LPCTSTR text)
{
    return text == NULL || *text == '\0';
}
} // namespace

CSelectFileDlg::CSelectFileDlg(BOOL open, LPCTSTR title, LPCTSTR fileName, LPCTSTR initialFolder,
                               const CDWordArray& kinds, LPCTSTR okText, UINT helpId, DWORD flags, CWnd* parent)
    : CMyFileDialog(open, NULL, !IsEmptyText(fileName) ? fileName : initialFolder, flags, NULL, parent)
{
    m_title = ExpandFrameworkText(IsEmptyText(title) ? "Select File" : title);
    if (!IsEmptyText(initialFolder))
        m_initialFolder = initialFolder;
    if (!IsEmptyText(okText))
        m_okText = ExpandFrameworkText(okText);
    m_nIDHelp = helpId;
    AddFileKindFilters(kinds);
}

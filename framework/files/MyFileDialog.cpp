#include "framework/files/MyFileDialog.h"
#include "afx/app/AfxWin.h"
#include "foundation/files/FileKinds.h"
#include "foundation/text/Tokenizer.h"

IMPLEMENT_DYNAMIC(CMyFileDialog, CFileDialog)

CMyFileDialog::CMyFileDialog(BOOL open, LPCTSTR defaultExtension, LPCTSTR fileName, DWORD flags, LPCTSTR filter,
                             CWnd* parent)
    : CFileDialog(open, defaultExtension, fileName, flags, filter, parent != NULL ? parent : AfxGetMainWnd())
{
    if (defaultExtension != NULL)
        m_defaultExtension = defaultExtension;
}

void CMyFileDialog::AddFilter(LPCTSTR line)
{
    CString text(line);
    int open = text.Find('('), close = text.ReverseFind(')');
    CString patterns = open >= 0 && close > open ? text.Mid(open + 1, close - open - 1) : CString();
    m_filterText.append((LPCTSTR)text).push_back('\0');
    m_filterText.append((LPCTSTR)patterns).push_back('\0');
    m_ofn.lpstrFilter = m_filterText.c_str();
    if (m_defaultExtension.IsEmpty())
    {
        // Only the first pattern names the extension: "(*.jpg;*.jpe)" gives "jpg".
        int start = text.Find("(*.");
        if (start >= 0)
        {
            CString extension = text.Mid(start + 3);
            int end = extension.FindOneOf(";)");
            if (end >= 0)
                extension = extension.Left(end);
            if (extension != "*")
                m_defaultExtension = extension;
        }
        if (!m_defaultExtension.IsEmpty())
            m_ofn.lpstrDefExt = m_defaultExtension;
    }
}

void CMyFileDialog::AddFileKindFilter(int kind)
{
    CString line;
    if (kind == FILE_KIND_NONE)
    {
        line.Format("%s files (%s)", "All", "*.*");
        AddFilter(line);
        return;
    }
    CString name = GetFileKindName(kind);
    if (!name.IsEmpty())
        name.SetAt(0, (char)toupper((unsigned char)name[0]));
    CString patterns;
    CDWordArray stack, members;
    stack.Add((DWORD)kind);
    while (stack.GetSize() > 0)
    {
        int next = (int)stack[stack.GetSize() - 1];
        stack.RemoveAt(stack.GetSize() - 1);
        CStringArray extensions;
        TokenizeText(GetFileKindExtensions(next, FALSE), extensions, ',', 2, -1, 0, 0);
        for (int i = 0; i < extensions.GetSize(); ++i)
        {
            if (extensions[i].IsEmpty())
                continue;
            if (!patterns.IsEmpty())
                patterns += ";";
            patterns += "*." + extensions[i];
        }
        ExpandFileKindGroup(next, members);
        for (int i = 0; i < members.GetSize(); ++i)
            stack.Add(members[i]);
    }
    line.Format("%s files (%s)", (LPCTSTR)name, (LPCTSTR)patterns);
    AddFilter(line);
    ExpandFileKindGroup(kind, members);
    for (int i = 0; i < members.GetSize(); ++i)
        AddFileKindFilter((int)members[i]);
}

void CMyFileDialog::AddFileKindFilters(const CDWordArray& kinds)
{
    for (int i = 0; i < kinds.GetSize(); ++i)
        AddFileKindFilter((int)kinds[i]);
}

BOOL CMyFileDialog::OnInitDialog()
{
    BOOL result = CFileDialog::OnInitDialog();
    if (!m_paletteHook.IsHooked())
    {
        CWnd* top = this;
        while (top != NULL && (top->GetStyle() & WS_CHILD) != 0)
            top = top->GetParent();
        if (top != NULL)
            m_paletteHook.HookWindow(top);
    }
    if (!m_okText.IsEmpty())
        GetParent()->SendMessage(CDM_SETCONTROLTEXT, IDOK, (LPARAM)(LPCTSTR)m_okText);
    return result;
}

INT_PTR CMyFileDialog::DoModal()
{
    char path[MAX_PATH];
    lstrcpynA(path, m_ofn.lpstrFile != NULL ? m_ofn.lpstrFile : "", MAX_PATH);
    CString startFolder = m_initialFolder;
    LPCSTR callersInitialDir = m_ofn.lpstrInitialDir;
    // A folder given as the file opens the dialog there; as a file name the
    // system would refuse it.
    DWORD attributes = path[0] != '\0' ? ::GetFileAttributesA(path) : INVALID_FILE_ATTRIBUTES;
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
    {
        startFolder = path;
        path[0] = '\0';
    }
    m_ofn.lpstrFile = path;
    m_ofn.nMaxFile = MAX_PATH;
    if (!m_title.IsEmpty())
        m_ofn.lpstrTitle = m_title;
    if (!startFolder.IsEmpty())
        m_ofn.lpstrInitialDir = startFolder;
    INT_PTR result = CFileDialog::DoModal();
    if (result == IDOK)
        m_filePath = GetPathName();
    // The buffers end with this call.
    m_ofn.lpstrFile = m_szFileName;
    m_ofn.lpstrInitialDir = callersInitialDir;
    lstrcpynA(m_szFileName, path, MAX_PATH);
    return result;
}

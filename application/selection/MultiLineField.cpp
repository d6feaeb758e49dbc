#include "application/selection/MultiLineField.h"

#include "application/selection/FieldFormIds.h"
#include "foundation/text/TextLines.h"
#include "foundation/windows/DialogExchange.h"
#include "framework/messages/MessageRoutines.h"

IMPLEMENT_DYNAMIC(CMultiLineField, CTextField)

CMultiLineField::CMultiLineField() : CTextField(KIND_MULTILINE), m_nLines(1), m_nMaxLines(1)
{
}

BOOL CMultiLineField::Create(CFieldList& list, HWND& previous)
{
    return CreateEdit(list, previous, IDC_FIELD_MULTILINE, m_nLines);
}

void CMultiLineField::Exchange(CDataExchange* pDX)
{
    DDX_TrimmedText(pDX, m_nControlId, m_value, (m_style & FS_OPTIONAL) ? 0 : 1, 32767);
    if (!pDX->m_bSaveAndValidate)
        return;
    CStringArray lines;
    SplitTextLines(m_value, lines);
    if (m_nMaxLines >= 0 && lines.GetSize() > m_nMaxLines)
    {
        ShowError(NULL, 0, "At most %d line(s) may be given here", m_nMaxLines);
        pDX->PrepareEditCtrl(m_nControlId);
        pDX->Fail();
    }
    if (m_nMaxLength >= 0)
        for (int i = 0; i < lines.GetSize(); i++)
            if (lines[i].GetLength() > m_nMaxLength)
            {
                ShowError(NULL, 0, "Each line here may contain at most %d character(s)", m_nMaxLength);
                pDX->PrepareEditCtrl(m_nControlId);
                pDX->Fail();
            }
}

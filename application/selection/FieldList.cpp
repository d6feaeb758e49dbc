#include "application/selection/FieldList.h"

#include "application/selection/ButtonField.h"
#include "application/selection/ChoiceField.h"
#include "application/selection/CheckField.h"
#include "application/selection/FieldFormIds.h"
#include "application/selection/MultiLineField.h"
#include "foundation/windows/OwnedHandle.h"
#include "foundation/windows/SelectedObject.h"
#include "foundation/windows/WindowGeometry.h"

// Raises the update counter while the program itself changes a control.
class CFieldList::CUpdating
{
public:
    explicit CUpdating(const CFieldList& list) : m_list(const_cast<CFieldList&>(list)) { m_list.m_nUpdating++; }
    ~CUpdating() { m_list.m_nUpdating--; }

private:
    CFieldList& m_list;
};

CFieldList::CFieldList()
    : m_pHost(NULL), m_pToolTip(NULL), m_bHostButtons(FALSE), m_nUnitX(0), m_nUnitY(0), m_nButtonWidth(0), m_nButtonHeight(0),
      m_nFormWidth(0), m_nFormHeight(0), m_okButton(NULL), m_cancelButton(NULL), m_bFirstExchange(TRUE), m_nUpdating(0),
      m_nNextId(IDC_FIELD_FIRST_CONTROL), m_font(NULL), m_bLaidOut(FALSE)
{
    m_ownWindows.ownsWindows = TRUE;
    ZeroMemory(&m_textMetrics, sizeof(m_textMetrics));
}

CFieldList::~CFieldList() = default;

namespace
{
CString Text(LPCTSTR text)
{
    return text != NULL ? CString(text) : CString();
}
} // namespace

int CFieldList::Append(CField* field, LPCTSTR label, LPCTSTR help, FieldStyle style, LPCTSTR groupText)
{
    field->m_label = Text(label);
    field->m_help = Text(help);
    field->m_style = style;
    field->m_groupText = Text(groupText);
    return (int)m_fields.Add(field);
}

int CFieldList::AddTextField(LPCTSTR label, LPCTSTR help, FieldStyle style, LPCTSTR groupText, LPCTSTR value,
                             int widthChars, int minLength, int maxLength)
{
    CTextField* field = new CTextField;
    field->m_value = Text(value);
    field->m_nWidthChars = widthChars;
    field->m_nMinLength = minLength;
    field->m_nMaxLength = maxLength;
    return Append(field, label, help, style, groupText);
}

int CFieldList::AddMultiLineField(LPCTSTR label, LPCTSTR help, FieldStyle style, LPCTSTR groupText, LPCTSTR value,
                                  int widthChars, int lines, int maxLineLength, int maxLines)
{
    CMultiLineField* field = new CMultiLineField;
    field->m_value = Text(value);
    field->m_nWidthChars = widthChars;
    field->m_nLines = lines;
    field->m_nMaxLength = maxLineLength;
    field->m_nMaxLines = maxLines;
    return Append(field, label, help, style, groupText);
}

int CFieldList::AddCheckField(LPCTSTR label, LPCTSTR help, FieldStyle style, LPCTSTR groupText, int value,
                              LPCTSTR option0, LPCTSTR option1, LPCTSTR option2)
{
    CCheckField* field = new CCheckField;
    field->m_nValue = value;
    field->m_options[0] = Text(option0);
    field->m_options[1] = Text(option1);
    field->m_options[2] = Text(option2);
    return Append(field, label, help, style, groupText);
}

int CFieldList::AddComboFieldWithText(LPCTSTR label, LPCTSTR help, FieldStyle style, LPCTSTR groupText,
                                      const CStringArray& items, const CStringArray* values, int selected,
                                      LPCTSTR text, int widthChars, const CStringArray* otherTexts,
                                      int otherWidthChars, LPCTSTR otherHelp)
{
    const int index = AddChoiceField(label, help, style, groupText, items, values, selected, widthChars, otherTexts,
                                     otherWidthChars, otherHelp);
    ((CChoiceField*)GetField(index))->m_text = Text(text);
    return index;
}

int CFieldList::AddChoiceField(LPCTSTR label, LPCTSTR help, FieldStyle style, LPCTSTR groupText,
                               const CStringArray& items, const CStringArray* values, int selected, int widthChars,
                               const CStringArray* otherTexts, int otherWidthChars, LPCTSTR otherHelp)
{
    CChoiceField* field = new CChoiceField;
    field->m_items.Copy(items);
    field->m_values.Copy(values != NULL ? *values : items);
    field->m_nSelected = selected;
    field->m_nWidthChars = widthChars;
    if (otherTexts != NULL)
    {
        // The other-value edit belongs to a drop-down list.
        field->m_otherTexts.Copy(*otherTexts);
        field->m_bOtherValue = TRUE;
        style = (style & ~FS_CHOICE_RADIO) | FS_DROP_LIST;
    }
    field->m_nOtherWidthChars = otherWidthChars;
    field->m_otherHelp = Text(otherHelp);
    return Append(field, label, help, style, groupText);
}

int CFieldList::AddButtonField(LPCTSTR label, LPCTSTR help, FieldStyle style, LPCTSTR groupText)
{
    return Append(new CButtonField, label, help, style, groupText);
}

void CFieldList::SetFieldText(int index, LPCTSTR text)
{
    CUpdating updating(*this);
    CTextField* field = (CTextField*)GetField(index);
    if (field->IsPresent())
        ::SetDlgItemTextA(m_pHost->m_hWnd, field->m_nControlId, Text(text));
}

void CFieldList::SetFieldCheck(int index, int value)
{
    CUpdating updating(*this);
    CCheckField* field = (CCheckField*)GetField(index);
    if (!field->IsPresent())
        return;
    CWnd* control = m_pHost->GetDlgItem(field->m_nControlId);
    if (field->IsRadio())
        CheckRadioByIndex(control, value);
    else
        control->SendMessage(BM_SETCHECK, value, 0);
}

int CFieldList::GetFieldCheck(int index) const
{
    CCheckField* field = (CCheckField*)GetField(index);
    if (!field->IsPresent())
        return field->m_nValue;
    CWnd* control = m_pHost->GetDlgItem(field->m_nControlId);
    return field->IsRadio() ? GetCheckedRadioIndex(control) : (int)control->SendMessage(BM_GETCHECK, 0, 0);
}

void CFieldList::SelectFieldText(int index, LPCTSTR text)
{
    CUpdating updating(*this);
    CChoiceField* field = (CChoiceField*)GetField(index);
    if (field->IsPresent())
        field->SelectText(Text(text));
}

void CFieldList::SelectFieldItem(int index, int item, LPCTSTR otherText)
{
    CUpdating updating(*this);
    CChoiceField* field = (CChoiceField*)GetField(index);
    if (field->IsPresent())
        field->SelectItem(item, Text(otherText));
}

int CFieldList::GetFieldSelection(int index) const
{
    return ((const CChoiceField*)GetField(index))->GetSelectedIndex();
}

CString CFieldList::GetFieldText(int index) const
{
    CChoiceField* field = (CChoiceField*)GetField(index);
    return field->IsPresent() ? field->GetText() : field->m_text;
}

UINT CFieldList::GetFieldControlId(int index) const
{
    return ((CButtonField*)GetField(index))->m_nControlId;
}

void CFieldList::MeasureFont()
{
    m_font = (HFONT)m_pHost->SendMessage(WM_GETFONT, 0, 0);
    if (m_font == NULL)
        m_font = (HFONT)::GetStockObject(DEFAULT_GUI_FONT);
    HDC dc = ::GetDC(m_pHost->m_hWnd);
    {
        CSelectedObject font(dc, m_font);
        ::GetTextMetricsA(dc, &m_textMetrics);
    }
    ::ReleaseDC(m_pHost->m_hWnd, dc);
}

CSize CFieldList::GetTextExtent(const CString& text) const
{
    HDC dc = ::GetDC(m_pHost->m_hWnd);
    if (dc == NULL)
        return GetPrototypeSize(IDC_FIELD_LABEL);
    SIZE size = {0, 0};
    {
        CSelectedObject font(dc, m_font);
        ::GetTextExtentPoint32A(dc, text, text.GetLength(), &size);
    }
    ::ReleaseDC(m_pHost->m_hWnd, dc);
    return CSize(size.cx, size.cy);
}

CSize CFieldList::GetPrototypeSize(UINT prototypeId) const
{
    const int index = m_reader.FindItem(prototypeId);
    return index < 0 ? CSize(0, 0) : m_reader.GetItem(index)->rect.Size();
}

HWND CFieldList::CreatePrototype(UINT prototypeId, DWORD extraStyle, HWND insertAfter, UINT& id)
{
    const int index = m_reader.FindItem(prototypeId);
    if (index < 0)
        return NULL;
    CFont font;
    font.m_hObject = m_font;
    HWND window = m_reader.CreateItem(index, m_pHost, &font, insertAfter != NULL ? CWnd::FromHandle(insertAfter) : NULL,
                                      AfxGetResourceHandle(), m_nNextId, extraStyle);
    font.m_hObject = NULL;
    if (window != NULL)
        id = m_nNextId++;
    return window;
}

void CFieldList::EndHost()
{
    CDialog* dialog = DYNAMIC_DOWNCAST(CDialog, m_pHost);
    if (dialog != NULL)
        dialog->EndDialog(3);
}

BOOL CFieldList::CreateControls()
{
    if (m_fields.GetSize() == 0 || !m_reader.Load(m_pHost, MAKEINTRESOURCE(IDD_FIELD_FORM), AfxGetResourceHandle()))
    {
        EndHost();
        return FALSE;
    }
    // A host built on the form's own template keeps only its OK and Cancel.
    for (int i = 0; i < m_reader.GetItemCount(); i++)
    {
        const UINT id = m_reader.GetItem(i)->id;
        HWND copy = id != IDOK && id != IDCANCEL ? ::GetDlgItem(m_pHost->m_hWnd, id) : NULL;
        if (copy != NULL)
            ::DestroyWindow(copy);
    }
    m_okButton = ::GetDlgItem(m_pHost->m_hWnd, IDOK);
    m_cancelButton = ::GetDlgItem(m_pHost->m_hWnd, IDCANCEL);
    m_nNextId = IDC_FIELD_FIRST_CONTROL;
    MeasureFont();
    HWND previous = NULL;
    for (int i = 0; i < GetFieldCount(); i++)
    {
        if (!GetField(i)->Create(*this, previous))
        {
            for (int j = i; j >= 0; j--)
                GetField(j)->DestroyWindows();
            EndHost();
            return FALSE;
        }
    }
    for (int i = 0; i < GetFieldCount() && m_pToolTip != NULL; i++)
    {
        const CTemplateWndArray& windows = GetField(i)->m_windows;
        for (int w = 0; w < windows.GetSize(); w++)
        {
            const CString help = GetHelpText(windows[w]);
            if (!help.IsEmpty())
                m_pToolTip->SetTipForHwnd(windows[w], help);
        }
    }
    return TRUE;
}

void CFieldList::DoDataExchange(CDataExchange* pDX)
{
    // Values shown from the program are no changes of the user's.
    CUpdating updating(*this);
    for (int i = 0; i < GetFieldCount(); i++)
        GetField(i)->Exchange(pDX);
    m_bFirstExchange = FALSE;
}

void CFieldList::DestroyControls()
{
    for (int i = 0; i < GetFieldCount(); i++)
        GetField(i)->DestroyWindows();
    m_ownWindows.DestroyAll();
    m_verticalSeparators.clear();
    m_horizontalSeparators.clear();
    m_bFirstExchange = TRUE;
    m_bLaidOut = FALSE;
}

CField* CFieldList::FindChangedField(UINT message, WPARAM wParam, LPARAM lParam) const
{
    if (m_nUpdating != 0 || message != WM_COMMAND)
        return NULL;
    for (int i = 0; i < GetFieldCount(); i++)
    {
        CField* field = GetField(i);
        if (field->OwnsWindow((HWND)lParam) && field->IsChange(HIWORD(wParam), LOWORD(wParam)))
            return field;
    }
    return NULL;
}

int CFieldList::FindField(const CField* field) const
{
    for (int i = 0; i < GetFieldCount(); i++)
        if (GetField(i) == field)
            return i;
    return -1;
}

CString CFieldList::GetHelpText(HWND window) const
{
    for (int i = 0; i < GetFieldCount(); i++)
    {
        const CField* field = GetField(i);
        if (!field->OwnsWindow(window))
            continue;
        const CChoiceField* choice = DYNAMIC_DOWNCAST(CChoiceField, const_cast<CField*>(field));
        if (choice != NULL && choice->m_nOtherEditId != 0 && ::GetDlgCtrlID(window) == (int)choice->m_nOtherEditId)
            return choice->m_otherHelp;
        return field->m_help;
    }
    return CString();
}

void CFieldList::PlaceButtons()
{
    if (m_bHostButtons || m_okButton == NULL || m_cancelButton == NULL)
        return;
    const int y = m_nFormHeight - m_nUnitY - m_nButtonHeight;
    const int cancelX = m_nFormWidth - m_nUnitX - m_nButtonWidth;
    ::MoveWindow(m_cancelButton, cancelX, y, m_nButtonWidth, m_nButtonHeight, FALSE);
    ::MoveWindow(m_okButton, cancelX - m_nUnitX - m_nButtonWidth, y, m_nButtonWidth, m_nButtonHeight, FALSE);
}

// An etched line: the shadow pen along the separator, the highlight pen one
// pixel beside it. `along` is (1, 0) for a horizontal line, (0, 1) for a
// vertical one.
static void DrawEtchedLine(HDC dc, const CFieldSeparator& line, CSize along, HPEN shadow, HPEN light)
{
    for (int offset = 0; offset < 2; offset++)
    {
        CSelectedObject pen(dc, offset == 0 ? shadow : light);
        const int x = line.start.x + offset * along.cy;
        const int y = line.start.y + offset * along.cx;
        ::MoveToEx(dc, x, y, NULL);
        ::LineTo(dc, x + line.length * along.cx, y + line.length * along.cy);
    }
}

void CFieldList::OnPaint()
{
    HDC dc = ::GetDC(m_pHost->m_hWnd);
    {
        COwnedGdiObject<HPEN> shadow(::CreatePen(PS_SOLID, 1, ::GetSysColor(COLOR_BTNSHADOW)));
        COwnedGdiObject<HPEN> light(::CreatePen(PS_SOLID, 1, ::GetSysColor(COLOR_BTNHIGHLIGHT)));
        for (const CFieldSeparator& line : m_verticalSeparators)
            DrawEtchedLine(dc, line, CSize(0, 1), shadow, light);
        for (const CFieldSeparator& line : m_horizontalSeparators)
            DrawEtchedLine(dc, line, CSize(1, 0), shadow, light);
    }
    ::ReleaseDC(m_pHost->m_hWnd, dc);
}

#pragma once
// A run-time form: typed fields whose windows are copied from the prototype
// controls of the field-form template into a host window, laid out in rows,
// columns and group boxes, exchanged and validated, and watched for changes.
#include "afx/app/AfxWin.h"
#include "application/selection/Field.h"
#include "foundation/containers/OwningObArray.h"
#include "framework/controls/MyToolTipCtrl.h"
#include "framework/dialogs/DlgTemplateReader.h"

#include <vector>

// One etched separator line: its start and its length.
struct CFieldSeparator
{
    CPoint start;
    int length;
};

class CFieldList
{
public:
    CFieldList();
    ~CFieldList();

    // Builders: each appends a field and returns its index. Null texts are empty.
    int AddTextField(LPCTSTR label, LPCTSTR help, FieldStyle style, LPCTSTR groupText, LPCTSTR value, int widthChars,
                     int minLength, int maxLength);
    int AddMultiLineField(LPCTSTR label, LPCTSTR help, FieldStyle style, LPCTSTR groupText, LPCTSTR value,
                          int widthChars, int lines, int maxLineLength, int maxLines);
    int AddCheckField(LPCTSTR label, LPCTSTR help, FieldStyle style, LPCTSTR groupText, int value, LPCTSTR option0,
                      LPCTSTR option1, LPCTSTR option2);
    int AddComboFieldWithText(LPCTSTR label, LPCTSTR help, FieldStyle style, LPCTSTR groupText,
                              const CStringArray& items, const CStringArray* values, int selected, LPCTSTR text,
                              int widthChars, const CStringArray* otherTexts, int otherWidthChars, LPCTSTR otherHelp);
    int AddChoiceField(LPCTSTR label, LPCTSTR help, FieldStyle style, LPCTSTR groupText, const CStringArray& items,
                       const CStringArray* values, int selected, int widthChars, const CStringArray* otherTexts,
                       int otherWidthChars, LPCTSTR otherHelp);
    int AddButtonField(LPCTSTR label, LPCTSTR help, FieldStyle style, LPCTSTR groupText);

    int GetFieldCount() const { return (int)m_fields.GetSize(); }
    CField* GetField(int index) const { return (CField*)m_fields[index]; }

    // Values set from the program; not reported as the user's changes.
    void SetFieldText(int index, LPCTSTR text);
    void SetFieldCheck(int index, int value);
    int GetFieldCheck(int index) const;
    void SelectFieldText(int index, LPCTSTR text);
    // A choice field's item by its index (the "other" item with its text).
    void SelectFieldItem(int index, int item, LPCTSTR otherText);
    int GetFieldSelection(int index) const;
    CString GetFieldText(int index) const;
    UINT GetFieldControlId(int index) const;

    // Creates every field's windows in the host; on failure destroys what was
    // made and ends the host (a dialog) with 3. FALSE then.
    BOOL CreateControls();
    void DoDataExchange(CDataExchange* pDX);
    void DestroyControls();
    // The field whose window sent the command as a change of its value; null
    // for anything else and while the program itself sets a value.
    CField* FindChangedField(UINT message, WPARAM wParam, LPARAM lParam) const;
    int FindField(const CField* field) const;
    // The help text of the field that owns the window; empty when none.
    CString GetHelpText(HWND window) const;
    void Layout();
    void AlignColumns(int first, int count);
    void PlaceButtons();
    void OnPaint();

    // Used by the fields while they create their windows.
    HWND CreatePrototype(UINT prototypeId, DWORD extraStyle, HWND insertAfter, UINT& id);
    CSize GetPrototypeSize(UINT prototypeId) const;
    CSize GetTextExtent(const CString& text) const;
    const TEXTMETRIC& GetTextMetrics() const { return m_textMetrics; }

    COwningObArray m_fields;
    CWnd* m_pHost;
    CMyToolTipCtrl* m_pToolTip; // the host's: shows the fields' help texts
    BOOL m_bHostButtons; // the host has OK and Cancel of its own
    int m_nUnitX, m_nUnitY;
    int m_nButtonWidth, m_nButtonHeight;
    int m_nFormWidth, m_nFormHeight;
    HWND m_okButton, m_cancelButton;
    BOOL m_bFirstExchange;
    CTemplateWndArray m_ownWindows; // the group boxes
    std::vector<CFieldSeparator> m_verticalSeparators;
    std::vector<CFieldSeparator> m_horizontalSeparators;
    int m_nUpdating; // raised while the program sets a value
    CDlgTemplateReader m_reader;
    UINT m_nNextId;
    HFONT m_font;
    BOOL m_bLaidOut;

private:
    class CUpdating;
    int Append(CField* field, LPCTSTR label, LPCTSTR help, FieldStyle style, LPCTSTR groupText);
    void LayoutGroup(int first, int end, class CFlowLayout& outer);
    void StretchFields();
    void SizeForm(const CSize& extent);
    void DisableAndFocusFields();
    void MeasureFont();
    void EndHost();
    TEXTMETRIC m_textMetrics;

    CFieldList(const CFieldList&) = delete;
    CFieldList& operator=(const CFieldList&) = delete;
};

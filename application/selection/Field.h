#pragma once
// One typed field of a run-time form: its label, help text, style and value,
// and the child windows that the field list creates for it.
#include "afx/app/AfxWin.h"
#include "framework/dialogs/TemplateWndArray.h"

class CFieldList;

// The style word of a field.
typedef DWORD FieldStyle;
const FieldStyle FS_LABEL_ABOVE = 0x1;
const FieldStyle FS_NEW_COLUMN = 0x2;
const FieldStyle FS_OPTIONAL = 0x4; // text: may be empty; check: three states
const FieldStyle FS_NEW_ROW = 0x8;
const FieldStyle FS_GROUP_START = 0x10;
const FieldStyle FS_GROUP_END = 0x20;
const FieldStyle FS_ALIGN = 0x40;
const FieldStyle FS_RADIO = 0x200;
const FieldStyle FS_LEFT_TEXT = 0x400;
const FieldStyle FS_SIDE_BY_SIDE = 0x800;
const FieldStyle FS_NUMBER = 0x2000;
const FieldStyle FS_EDIT_OFFSET = 0x4000;
const FieldStyle FS_NO_ALIGN = 0x8000;
const FieldStyle FS_CHOICE_RADIO = 0x10000;
const FieldStyle FS_DROP_LIST = 0x20000;
const FieldStyle FS_SORTED = 0x40000;
const FieldStyle FS_DISABLED = 0x80000;
const FieldStyle FS_READ_ONLY = 0x100000;
const FieldStyle FS_MENU_BUTTON = 0x200000;
const FieldStyle FS_STRETCH = 0x400000;
const FieldStyle FS_GROUP_NO_ALIGN = 0x800000;

class CField : public CObject
{
    DECLARE_DYNAMIC(CField)
public:
    enum Kind
    {
        KIND_TEXT = 0,
        KIND_MULTILINE = 1,
        KIND_CHECK = 5,
        KIND_BUTTON = 6,
        KIND_CHOICE = 7
    };

    explicit CField(int kind);
    ~CField() override;

    // Creates the field's windows in the list's host after the previous window
    // (tab order); the previous window becomes the field's last. FALSE when a
    // prototype or a window is missing.
    virtual BOOL Create(CFieldList& list, HWND& previous) = 0;
    virtual void DestroyWindows();
    virtual void Enable(BOOL enable);
    virtual void SetFocus() = 0;
    virtual void Exchange(CDataExchange* pDX) = 0;
    CRect GetBoundingRect() const { return m_windows.GetBoundingRect(); }
    void Move(int dx, int dy) { m_windows.MoveAll(dx, dy); }
    // Moves the control part to start at labelWidth and makes it controlWidth wide.
    virtual void Place(int labelWidth, int controlWidth);
    // Whether the notification code of control id is a change of the value.
    virtual BOOL IsChange(UINT code, UINT id) = 0;
    virtual void OnCommand(UINT id, UINT code) {}
    // The window that a column stretches; fields without one keep their places.
    virtual BOOL IsMainWindow(HWND window) const { return TRUE; }

    BOOL IsPresent() const { return m_windows.GetSize() > 0; }
    BOOL OwnsWindow(HWND window) const { return m_windows.Find(window) >= 0; }

    int m_nKind;
    FieldStyle m_style;
    CString m_label;
    CString m_help;
    CString m_groupText;
    CTemplateWndArray m_windows;
    int m_nLabelWidth;
    DWORD m_reserved;
    BOOL m_bEnabled;
    BOOL m_bChanged; // marked by the host until it has reported the change

protected:
    // Adds the label static at the top-left, for fields that have one; moves
    // the label width past it (or the control part below it, label above).
    BOOL CreateLabel(CFieldList& list, HWND& previous);
    HWND AddWindow(CFieldList& list, UINT prototypeId, DWORD extraStyle, HWND& previous, int x, int y, int width,
                   int height);
    // A label when the field has one, then one radio button per text, stacked
    // (all as wide as the widest) or side by side; the first radio or null.
    HWND CreateRadioGroup(CFieldList& list, HWND& previous, const CString* texts, int count);
    int m_nControlTop; // where the control part starts, after CreateLabel
};

#pragma once
// The base of the objects that the user keeps, edits and picks by name
// (printer/paper configurations, text styles). A kind adds its own fields and
// implements its defaults, its one-line text form, its description and its
// properties dialog; the framework only ever calls these operations.
#include "foundation/containers/MapEx.h"
#include "foundation/containers/MyCmdTarget.h"

class CWnd;

// The store of one kind: name -> text form, and name -> tag.
typedef CMapEx<CString, LPCTSTR, DWORD, DWORD> CNamedObjectTagMap;

// The text form to use for a name that has no stored (or an empty) text.
typedef CString (*DefaultTextFn)(LPCTSTR name, int parameter1, int parameter2);
// Adds an entry for the name to both maps; nonzero when it did.
typedef int (*AddNamedObjectFn)(LPCTSTR name, CWnd* parent, CMapStringToString* textMap,
                                CNamedObjectTagMap* valueMap, DefaultTextFn defaultText,
                                int parameter1, int parameter2);

class CNamedObject : public CMyCmdTarget
{
    DECLARE_DYNAMIC(CNamedObject)

public:
    // The kind code of the base; each kind sets its own (text styles 52,
    // printer/paper configurations 53).
    enum { NoKind = -1 };

    CNamedObject() : m_kindCode(NoKind), m_tag(0) {}
    ~CNamedObject() override {}

    // Resets the object to the kind's defaults.
    virtual void SetDefaults() = 0;
    // The object's text form; SetText(GetText()) restores an equal object.
    virtual CString GetText() const = 0;
    // Reads the object back from a text form; FALSE when it cannot be read.
    virtual BOOL SetText(LPCTSTR text) = 0;
    // A short description for display.
    virtual CString GetDescription() const = 0;
    // Runs the kind's properties dialog modally on this object (its tag
    // included); 1 when the user pressed OK and the object was updated.
    // The two parameters are the kind's own (for printer/paper
    // configurations parameter 2 = 1 asks for the margins alone).
    virtual int EditProperties(CWnd* parent, LPCTSTR title, BOOL isNew, int parameter1,
                               int parameter2) = 0;
    // The tooltip of a properties button and the title of the properties
    // dialog; the base ignores the mode.
    virtual CString GetPropertiesTip(LPCTSTR kindName, int mode) const;
    virtual CString GetPropertiesTitle(LPCTSTR kindName, int mode) const;

    int m_kindCode;
    // Belongs to the object but not to its text form; the store keeps it
    // beside the text.
    DWORD m_tag;
};

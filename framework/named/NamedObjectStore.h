#pragma once
// Editing and adding the entries of a named-object store: a text map (name ->
// text form), a tag map (name -> tag) and the fixed names that may not be
// edited. Names are compared without regard to letter case everywhere: a name
// finds the entry whose key differs only in case, and that key is kept.
#include "framework/named/NamedObject.h"

class CDataExchange;

// The characters a typed name may hold (the wide set adds punctuation).
extern const char NamedObjectNameCharacters[];
extern const char NamedObjectNameCharactersWide[];

// The key of the text map equal to the name without regard to case.
BOOL FindNamedObjectKey(const CMapStringToString& textMap, LPCTSTR name, CString* key);
BOOL IsNamedObjectNameIn(const CStringArray& names, LPCTSTR name);

// Edits the entry of the name in its properties dialog through the working
// object; TRUE when the stored text or tag changed.
BOOL EditNamedObject(const CStringArray& fixedNames, LPCTSTR name, CWnd* parent, LPCTSTR kindName,
                     CNamedObject* workingObject, CMapStringToString* textMap,
                     CNamedObjectTagMap* valueMap, DefaultTextFn defaultText, int parameter1,
                     int parameter2);

// Asks whether to add a name that the store does not hold and adds it through
// the callback; TRUE when an entry was added.
BOOL OfferToAddNamedObject(LPCTSTR name, CWnd* parent, LPCTSTR kindName, AddNamedObjectFn add,
                           CMapStringToString* textMap, CNamedObjectTagMap* valueMap,
                           DefaultTextFn defaultText, int parameter1, int parameter2);

// The same while a dialog saves its fields: refusing or failing to add makes
// the exchange fail on the control; after adding, the control (a combo or
// list box) is filled again from the store. TRUE when it added the name.
BOOL CheckNamedObjectName(LPCTSTR name, CDataExchange* dx, int controlId, LPCTSTR kindName,
                          AddNamedObjectFn add, CMapStringToString* textMap,
                          CNamedObjectTagMap* valueMap, DefaultTextFn defaultText, int parameter1,
                          int parameter2);

// Fills the framework's list box or combo box of the window with the names
// of the store, each with its tag as the item's extra value; a list box then
// sets its tab stops to fit. Other windows are left alone.
void FillNamedObjectControl(HWND control, const CMapStringToString& textMap,
                            const CNamedObjectTagMap* valueMap);

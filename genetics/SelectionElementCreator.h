#pragma once
// The configuration reader makes the elements of the genotype selection form
// (its "selectgenotype" lines) through a routine that the application
// registers at start-up: the element classes belong to the application.
// Without one, the reader checks the lines' form and makes no elements.
#include "afx/core/AfxCore.h"

class CGeneticsSection;
class CMyCmdTarget;

// Makes the element of the named type and reads its options, removing from the
// list those it takes. Returns null for a type it does not know; for a wrong
// option it sets the error and returns null.
typedef CMyCmdTarget* (*SelectionElementCreator)(const CString& type, CGeneticsSection* section, CStringArray& options,
                                                 CString& error);

// Registers the routine (null for none); returns the one registered before.
SelectionElementCreator SetSelectionElementCreator(SelectionElementCreator creator);
SelectionElementCreator GetSelectionElementCreator();

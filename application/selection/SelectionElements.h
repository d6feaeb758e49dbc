#pragma once
// The configuration reader's way to the genotype selection elements: it names
// an element type and passes the options of a "selectgenotype" line.
#include "afx/core/AfxCore.h"

class CGeneticsSection;
class CMyCmdTarget;

// Makes the element of the named type ("genes", "button", "menu", "genotype",
// "phenotype", "assumedalleles", "tab"; any case) and reads its options,
// removing those it takes. Null for an unknown type; null and the error for a
// wrong option or flag letter.
CMyCmdTarget* CreateSelectionElement(const CString& type, CGeneticsSection* section, CStringArray& options,
                                     CString& error);

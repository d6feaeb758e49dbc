#pragma once
// The one global terminology map and the storing of terms with their case
// variants.
#include "foundation/terminology/NamedStringMap.h"

// Term name to its current text; lives for the whole run.
extern CNamedStringMap TermsMap;

// The bucket count the terms map gets when the framework initialises.
const UINT TermsMapBuckets = 1009;

// Stores text as the term's text, replacing an earlier one. With
// caseVariants, a name starting with an ASCII letter also stores its case
// variants: "notgiven" adds "Notgiven" (text in title case); "Colour" adds
// "colour" (text lower-cased); "InbreedingCoefficient" also adds
// "Inbreedingcoefficient" (all after the first character lower-cased).
// A null or empty name and a null text store nothing.
void SetTerm(LPCTSTR name, LPCTSTR text, BOOL caseVariants);

// The text with the first character and every character after a separator
// (" ;.:\n\r\t-") upper-cased and the other ASCII letters lower-cased.
CString TitleCaseTermText(LPCTSTR text);

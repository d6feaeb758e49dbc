#pragma once
// Makes the framework's string loading, dialog initialisation and menu-entry
// update expand terminology tokens, and gives the terms map its 1009 buckets
// when the framework initialises. Installed before the program starts.
#include "afx/core/AfxCore.h"

// The expansion the framework applies to its texts: tildes, the terms map.
CString AFXAPI ExpandFrameworkText(LPCTSTR text);
// Gives the terms map a fresh table of TermsMapBuckets buckets.
void AFXAPI SizeTermsMapForStartup();

void InstallTerminologyHooks();

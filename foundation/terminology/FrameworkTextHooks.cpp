#include "foundation/terminology/FrameworkTextHooks.h"
#include "foundation/terminology/TermsMap.h"
#include "foundation/terminology/TokenExpander.h"

#include "afx/strings/LoadString.h"
#include "afx/app/WinApp.h"

CString AFXAPI ExpandFrameworkText(LPCTSTR text)
{
    CString result;
    ExpandTokens(text, result, NULL, NULL, '~', '~');
    return result;
}

void AFXAPI SizeTermsMapForStartup()
{
    TermsMap.InitHashTable(TermsMapBuckets, TRUE);
}

void InstallTerminologyHooks()
{
    AfxSetTokenExpander(ExpandFrameworkText);
    AfxSetWinInitHook(SizeTermsMapForStartup);
}

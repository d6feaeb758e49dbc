#include "afx/core/Exception.h"

#include "afx/strings/String.h"

IMPLEMENT_DYNAMIC(CException, CObject)

namespace
{
// Innermost active TRY block of this thread.
thread_local AFX_EXCEPTION_LINK* t_pLinkTop = NULL;
} // namespace

CException::CException() : m_bAutoDelete(TRUE)
{
}

CException::CException(BOOL bAutoDelete) : m_bAutoDelete(bAutoDelete)
{
}

CException::~CException()
{
}

void CException::Delete()
{
    // A handler's link must not free the object a second time.
    for (AFX_EXCEPTION_LINK* pLink = t_pLinkTop; pLink != NULL; pLink = pLink->m_pLinkPrev)
    {
        if (pLink->m_pException == this)
            pLink->m_pException = NULL;
    }
    if (m_bAutoDelete > 0)
        delete this;
}

BOOL CException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext)
{
    if (pnHelpContext != NULL)
        *pnHelpContext = 0;
    if (lpszError != NULL && nMaxError != 0)
        *lpszError = '\0';
    return FALSE;
}

BOOL PASCAL CException::CopyErrorMessage(LPCTSTR lpszText, LPTSTR lpszError, UINT nMaxError)
{
    if (lpszError == NULL || nMaxError == 0)
        return FALSE;
    lstrcpynA(lpszError, lpszText, (int)nMaxError);
    return TRUE;
}

BOOL PASCAL CException::CopyCauseMessage(const LPCTSTR* ppszMessages, int nMessages, int nCause,
                                         LPCTSTR lpszFileName, LPTSTR lpszError, UINT nMaxError,
                                         PUINT pnHelpContext)
{
    if (pnHelpContext != NULL)
        *pnHelpContext = 0;
    if (nCause < 0 || nCause >= nMessages)
        nCause = 1;
    CString strMessage(ppszMessages[nCause]);
    strMessage.Replace("%1", lpszFileName != NULL && *lpszFileName != '\0' ? lpszFileName
                                                                           : "an unnamed file");
    return CopyErrorMessage(strMessage, lpszError, nMaxError);
}

AFX_EXCEPTION_LINK::AFX_EXCEPTION_LINK() : m_pLinkPrev(t_pLinkTop), m_pException(NULL)
{
    t_pLinkTop = this;
}

AFX_EXCEPTION_LINK::~AFX_EXCEPTION_LINK()
{
    t_pLinkTop = m_pLinkPrev;
    if (m_pException != NULL)
        m_pException->Delete();
}

void AFXAPI AfxThrowLastCleanup()
{
    if (t_pLinkTop != NULL)
        t_pLinkTop->m_pException = NULL;
}

// CException, the base of the framework's exceptions, and the TRY/CATCH macros.
//
// Framework exceptions are heap objects thrown by pointer. A catcher written
// with plain try/catch frees the object with Delete(); inside the CATCH macros
// the object is freed when the handler ends, unless it is thrown on with
// THROW_LAST() (calling Delete() there as well is harmless).
#pragma once

#include "afx/core/Object.h"

class CException : public CObject
{
    DECLARE_DYNAMIC(CException)

public:
    CException();
    explicit CException(BOOL bAutoDelete);
    virtual ~CException();

    // Frees a heap exception; static ones (bAutoDelete FALSE) stay.
    void Delete();

    // Copies the message into the buffer, truncated to nMaxError - 1
    // characters; FALSE when the exception has no message.
    virtual BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL);

    BOOL m_bAutoDelete;

protected:
    // Helpers for GetErrorMessage: copy a text into the caller's buffer; or
    // pick the text of a cause (unknown causes take entry 1, "generic") and
    // put the file name, or "an unnamed file", in place of "%1".
    static BOOL PASCAL CopyErrorMessage(LPCTSTR lpszText, LPTSTR lpszError, UINT nMaxError);
    static BOOL PASCAL CopyCauseMessage(const LPCTSTR* ppszMessages, int nMessages, int nCause,
                                        LPCTSTR lpszFileName, LPTSTR lpszError, UINT nMaxError,
                                        PUINT pnHelpContext);
};

// One link per active TRY block; it frees the exception caught by its CATCH.
struct AFX_EXCEPTION_LINK
{
    AFX_EXCEPTION_LINK* m_pLinkPrev;
    CException* m_pException;

    AFX_EXCEPTION_LINK();
    ~AFX_EXCEPTION_LINK();
    AFX_EXCEPTION_LINK(const AFX_EXCEPTION_LINK&) = delete;
    AFX_EXCEPTION_LINK& operator=(const AFX_EXCEPTION_LINK&) = delete;
};

// Keeps the exception of the innermost handler alive for THROW_LAST().
void AFXAPI AfxThrowLastCleanup();

#define TRY { AFX_EXCEPTION_LINK _afxExceptionLink; try {
#define CATCH(class_name, e) } catch (class_name* e) { _afxExceptionLink.m_pException = e;
#define AND_CATCH(class_name, e) } catch (class_name* e) { _afxExceptionLink.m_pException = e;
#define END_CATCH } }
#define CATCH_ALL(e) } catch (CException* e) { _afxExceptionLink.m_pException = e;
#define AND_CATCH_ALL(e) } catch (CException* e) { _afxExceptionLink.m_pException = e;
#define END_CATCH_ALL } }
#define END_TRY } catch (CException* e) { _afxExceptionLink.m_pException = e; } }

#define THROW(e) throw e
#define THROW_LAST() { AfxThrowLastCleanup(); throw; }

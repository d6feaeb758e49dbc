#pragma once

// A resource module built by a test: a copy of the test program whose
// resources are replaced by the ones the test adds, loaded as data so that the
// framework can be pointed at it (afxCurrentResourceHandle).

#include <gtest/gtest.h>

#include "afx/core/AfxCore.h"

class CResourceModule
{
public:
    // Starts the copy; its name ends in the given word and the process id.
    explicit CResourceModule(LPCTSTR lpszName)
    {
        TCHAR szSelf[MAX_PATH], szTemp[MAX_PATH];
        GetModuleFileNameA(NULL, szSelf, MAX_PATH);
        GetTempPathA(MAX_PATH, szTemp);
        m_strPath.Format("%safx_%s_%lu.dll", szTemp, lpszName, GetCurrentProcessId());
        if (CopyFileA(szSelf, m_strPath, FALSE))
            m_hUpdate = BeginUpdateResourceA(m_strPath, TRUE);
    }

    ~CResourceModule()
    {
        if (m_hUpdate != NULL)
            EndUpdateResourceA(m_hUpdate, TRUE);
        if (m_hModule != NULL)
            FreeLibrary(m_hModule);
        DeleteFileA(m_strPath);
    }

    CResourceModule(const CResourceModule&) = delete;
    CResourceModule& operator=(const CResourceModule&) = delete;

    BOOL Add(LPCTSTR lpszType, UINT nID, const void* pData, DWORD cbData)
    {
        return m_hUpdate != NULL
               && UpdateResourceA(m_hUpdate, lpszType, MAKEINTRESOURCEA(nID), MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL),
                                  (LPVOID)pData, cbData);
    }

    // Writes the resources and loads the module; null when that failed.
    HMODULE Load()
    {
        if (m_hUpdate == NULL || !EndUpdateResourceA(m_hUpdate, FALSE))
            return NULL;
        m_hUpdate = NULL;
        m_hModule = LoadLibraryExA(m_strPath, NULL, LOAD_LIBRARY_AS_DATAFILE);
        return m_hModule;
    }

private:
    CString m_strPath;
    HANDLE m_hUpdate = NULL;
    HMODULE m_hModule = NULL;
};

// A suite whose tests run against one resource module: the framework loads
// its resources from it, with the suite's token expander (none by default).
class ResourceModuleTest : public ::testing::Test
{
protected:
    // For the suite's SetUpTestSuite, once its resources are added.
    static void LoadSuiteModule(CResourceModule* pModule)
    {
        s_pModule = pModule;
        s_hModule = pModule->Load();
        ASSERT_NE(nullptr, s_hModule);
    }

    static void TearDownTestSuite()
    {
        delete s_pModule;
        s_pModule = NULL;
        s_hModule = NULL;
    }

    void SetUp() override
    {
        m_hOldResources = afxCurrentResourceHandle;
        m_pfnOldExpander = AfxGetTokenExpander();
        afxCurrentResourceHandle = s_hModule;
        AfxSetTokenExpander(m_pfnExpander);
    }

    void TearDown() override
    {
        afxCurrentResourceHandle = m_hOldResources;
        AfxSetTokenExpander(m_pfnOldExpander);
    }

    AFX_TOKEN_EXPANDER m_pfnExpander = NULL;

private:
    HINSTANCE m_hOldResources = NULL;
    AFX_TOKEN_EXPANDER m_pfnOldExpander = NULL;

    static inline CResourceModule* s_pModule = NULL;
    static inline HMODULE s_hModule = NULL;
};

#pragma once
// A property sheet of field form pages: before it opens it measures every
// page's form, so that all pages get the size of the largest.
#include "framework/dialogs/MyPropertySheet.h"

#include <memory>
#include <vector>

class CFieldFormPage;

class CFieldFormSheet : public CMyPropertySheet
{
    DECLARE_DYNAMIC(CFieldFormSheet)
public:
    CFieldFormSheet(LPCTSTR caption, CWnd* parent, UINT firstPage = 0);
    ~CFieldFormSheet() override;

    // Creates the next page on the next page template and adds it.
    CFieldFormPage* AddNewPage();
    virtual CFieldFormPage* CreatePage(UINT templateId);
    CFieldFormPage* GetFormPage(int index) const;

    INT_PTR DoModal() override;
    BOOL OnInitDialog() override;

    int m_nPagesCreated;

private:
    // The pages that AddNewPage made, in the order they were added.
    std::vector<std::unique_ptr<CFieldFormPage>> m_ownedPages;
};

#pragma once
// Three list-box pages ("Dams", "Sires", "Litters") made inside a pane bar for
// the pane-bar tests, and which of them is shown.
#include "afx/app/AfxWin.h"

#include <memory>
#include <string>
#include <vector>

// Makes the pages as children of the bar and hands each to add(page, title).
template <class PAGE, class ADD>
void MakeKennelPages(CWnd* bar, std::vector<std::unique_ptr<PAGE>>& pages, ADD add)
{
    const char* titles[] = {"Dams", "Sires", "Litters"};
    for (int i = 0; i < 3; ++i)
    {
        auto page = std::make_unique<PAGE>();
        page->Create("LISTBOX", NULL, WS_CHILD | WS_BORDER | LBS_NOINTEGRALHEIGHT, CRect(0, 0, 10, 10), bar, 300 + i);
        page->SendMessage(WM_SETFONT, (WPARAM)::GetStockObject(DEFAULT_GUI_FONT));
        page->SendMessage(LB_ADDSTRING, 0, (LPARAM)(std::string(titles[i]) + " of the kennel").c_str());
        add(page.get(), titles[i]);
        pages.push_back(std::move(page));
    }
}

// The index of the one page that is visible and enabled; -1 for none, -2
// when more than one is.
template <class PAGE>
int ShownKennelPage(const std::vector<std::unique_ptr<PAGE>>& pages)
{
    int shown = -1;
    for (size_t i = 0; i < pages.size(); ++i)
        if (pages[i]->IsWindowVisible() && pages[i]->IsWindowEnabled())
            shown = shown == -1 ? (int)i : -2;
    return shown;
}

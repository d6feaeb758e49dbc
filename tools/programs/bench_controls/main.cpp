// Measures the painting of the framework's owner-drawn controls: one button
// face (image and text) drawn into a memory device context, and a real
// button window repainted; the lists; and edit fields as drop targets.
//
//   bench_controls.exe
#include "../BenchTimer.h"
#include "framework/app/SharedImageLists.h"
#include "framework/controls/ItemDrawStyle.h"
#include "framework/controls/FontNameCombo.h"
#include "framework/controls/MyButton.h"
#include "framework/controls/MyEdit.h"
#include "foundation/windows/Clipboard.h"
#include "framework/controls/MyListBox.h"
#include "foundation/windows/ListOrCombo.h"
#include "framework/resources/CommandImagesIds.h"
#include "foundation/windows/SelectedObject.h"
#include "foundation/windows/SystemColours.h"
#include "tests/support/TestCanvas.h"

#include <cstdio>

int main()
{
    LoadSystemColours();
    GetSharedImageLists().Build(IDB_COMMAND_IMAGES);

    {
        CTestCanvas canvas(200, 40);
        CSelectedObject font(canvas.Dc(), ::GetStockObject(DEFAULT_GUI_FONT));
        CItemDrawStyle style;
        style.SetImage(IDB_COMMAND_IMAGES, 0xFF00FF, 16, 15, IMAGE_SAVE, IMAGE_SAVE);
        CRect rect(0, 0, 200, 40);
        CDC* dc = CDC::FromHandle(canvas.Dc());
        BenchMeasure("item face drawn (image and text)", 2000, [&](int) {
            style.Draw(dc, rect, 0, 0, 0, "&Save the litter", 0, RGB(240, 240, 240), 0, NoImageBand);
        });
    }

    CWnd parent;
    parent.CreateEx(0, AfxRegisterWndClass(0), "Bench", WS_POPUP | WS_VISIBLE, 0, 0, 300, 100, NULL, NULL);
    CMyButton button;
    button.Create("&Save", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(10, 10, 110, 40), &parent, 1);
    button.SetImage(IDB_COMMAND_IMAGES, 0xFF00FF, 16, 15, IMAGE_SAVE, IMAGE_SAVE);
    BenchMeasure("button window repainted", 500, [&](int) {
        ::RedrawWindow(button.m_hWnd, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    });

    // A sorted list of 2000 own records: filled, searched, repainted.
    CMyListBox list;
    list.SetOwnRecords(TRUE);
    list.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_SORT | LBS_NOTIFY, CRect(120, 0, 300, 100), &parent, 2);
    CStringArray names;
    for (int i = 0; i < 2000; i++)
    {
        CString name;
        name.Format("Litter %04d of %c", (i * 7919) % 2000, 'A' + i % 26);
        names.Add(name);
    }
    BenchMeasure("own-records list filled with 2000 sorted items", 5, [&](int) { CListOrCombo(&list).Fill(names); });
    BenchMeasure("own-records exact search, no match in 2000", 200,
            [&](int) { list.FindStringExact(-1, "Litter 9999 of Z"); });
    BenchMeasure("own-records list repainted (visible items)", 200, [&](int) {
        ::RedrawWindow(list.m_hWnd, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    });
    CFontNameCombo fonts;
    fonts.Create(WS_CHILD | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS | CBS_SORT, CRect(0, 50, 100, 200),
                 &parent, 3);
    BenchMeasure("font-name combo filled from the installed fonts", 20, [&](int) { fonts.Fill(); });

    // Edit fields: each one made is a drop target; a drop reads the text of
    // a data object and puts it in at the drop point.
    AfxOleInit();
    BenchMeasure("plain edit control made and destroyed", 200, [&](int) {
        CEdit edit;
        edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, CRect(0, 50, 200, 70), &parent, 4);
        edit.DestroyWindow();
    });
    BenchMeasure("edit field made (a drop target) and destroyed", 200, [&](int) {
        CMyEdit edit;
        edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, CRect(0, 50, 200, 70), &parent, 4);
        edit.DestroyWindow();
    });
    CMyEdit edit;
    edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, CRect(0, 50, 200, 70), &parent, 4);
    COleDataSource* source = new COleDataSource;
    CacheTextInDataSource(source, "Black and tan", CF_TEXT);
    COleDataObject data;
    data.Attach(source->GetDataObject(), FALSE);
    BenchMeasure("text dropped into an edit field at a point", 500, [&](int) {
        edit.SetWindowText("Red sable");
        edit.m_dragDrop.DropData(&data, DROPEFFECT_COPY, DROPEFFECT_COPY, CPoint(20, 5));
    });
    data.Release();
    source->InternalRelease();
    parent.DestroyWindow();
    GetSharedImageLists().Release();
    return 0;
}

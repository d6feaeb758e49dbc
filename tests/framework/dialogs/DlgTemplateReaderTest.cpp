#include "framework/dialogs/DlgTemplateReader.h"
#include "framework/dialogs/TemplateWndArray.h"
#include "framework/windows/TestResourceIds.h"
#include "framework/windows/WindowMeasures.h"

#include "support/DialogTemplate.h"
#include "framework/dialogs/TemplateImage.h"
#include "support/TestWindow.h"

#include <gtest/gtest.h>

#include <memory>

namespace
{
    // Prototypes as the field controls keep them: a label, an edit, a check
    // box, a combo box and a control of a registered class.
    std::vector<TemplateControl> Prototypes()
    {
        return {
            {101, 0x82, NULL, L"Label:", WS_CHILD | WS_VISIBLE | SS_LEFT, 0, 7, 9, 40, 8, ""},
            {102, 0x81, NULL, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, 0, 50, 7, 80, 12, ""},
            {103, 0x80, NULL, L"&Tick", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, 0, 7, 24, 60, 10, ""},
            {104, 0x85, NULL, L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST, 0, 50, 24, 80, 60, ""},
            {105, 0, L"msctls_progress32", L"", WS_CHILD | WS_VISIBLE, WS_EX_STATICEDGE, 7, 40, 120, 9, ""},
        };
    }

    // A dialog whose units the items are measured in.
    class HostDialog
    {
    public:
        HostDialog()
        {
            CDialogTemplate host(L"Host", WS_POPUP | WS_CAPTION, 250, 120);
            dialog.CreateIndirect(host.Get(), NULL);
        }
        ~HostDialog() { dialog.DestroyWindow(); }
        CDialog dialog;
    };

    CRect ChildRect(HWND child)
    {
        CRect rect;
        ::GetWindowRect(child, &rect);
        ::MapWindowPoints(NULL, ::GetParent(child), (LPPOINT)&rect, 2);
        return rect;
    }
}

TEST(DlgTemplateReaderTest, ClassicAndExtendedTemplatesGiveTheSameItems)
{
    HostDialog host;
    ASSERT_NE(host.dialog.m_hWnd, (HWND)NULL);
    CDlgTemplateReader classic, extended;
    CTemplateImage classicImage(false, Prototypes()), extendedImage(true, Prototypes());
    ASSERT_TRUE(classic.LoadFromMemory(&host.dialog, classicImage.Data(), classicImage.Size()));
    ASSERT_TRUE(extended.LoadFromMemory(&host.dialog, extendedImage.Data(), extendedImage.Size()));
    EXPECT_FALSE(classic.extended);
    EXPECT_TRUE(extended.extended);

    for (CDlgTemplateReader* reader : {&classic, &extended})
    {
        EXPECT_STREQ(reader->caption, "Prototypes");
        EXPECT_STREQ(reader->fontFace, "MS Shell Dlg");
        EXPECT_EQ(reader->fontPointSize, 8u);
        EXPECT_EQ(reader->extendedHeader.style, reader->style);
        EXPECT_EQ(reader->extendedHeader.itemCount, 5);
        EXPECT_EQ(reader->extendedHeader.cx, 240);
        ASSERT_EQ(reader->GetItemCount(), 5);
    }
    const char* classes[] = {"STATIC", "EDIT", "BUTTON", "COMBOBOX", "msctls_progress32"};
    const char* texts[] = {"Label:", "", "&Tick", "", ""};
    for (int i = 0; i < 5; ++i)
    {
        SCOPED_TRACE(i);
        const TemplateControl control = Prototypes()[i];
        const CDlgTemplateItem* a = classic.GetItem(i);
        const CDlgTemplateItem* b = extended.GetItem(i);
        for (const CDlgTemplateItem* item : {a, b})
        {
            EXPECT_STREQ(item->windowClass, classes[i]);
            EXPECT_STREQ(item->text, texts[i]);
            EXPECT_EQ(item->id, control.id);
            EXPECT_EQ(item->style, control.style);
            CRect expected(control.x, control.y, control.x + control.cx, control.y + control.cy);
            host.dialog.MapDialogRect(&expected);
            EXPECT_EQ(item->rect, expected);
        }
        // An edit gets the client edge whether the template asked for it or not;
        // a class given by name keeps its name and no ordinal.
        EXPECT_EQ(a->exStyle, control.exStyle | (i == 1 ? WS_EX_CLIENTEDGE : 0));
        EXPECT_EQ(b->exStyle, a->exStyle);
        EXPECT_EQ(a->classOrdinal, i == 4 ? -1 : control.classOrdinal);
        EXPECT_EQ(b->extended.id, control.id);
    }
    EXPECT_EQ(classic.FindItem(104), 3);
    EXPECT_EQ(classic.FindItem(0x10000 + 104), 3);   // ids compare as 16-bit values
    EXPECT_EQ(classic.FindItem(999), -1);
}

// Prototypes copied into a dialog keep their class, styles and dialog-unit
// places, take the given font and follow the given window in the z-order.
TEST(DlgTemplateReaderTest, CopiesArePlacedInTheDialogWithTheirFont)
{
    HostDialog host;
    CDlgTemplateReader reader;
    CTemplateImage image(true, Prototypes());
    ASSERT_TRUE(reader.LoadFromMemory(&host.dialog, image.Data(), image.Size()));
    CFont* font = CFont::FromHandle((HFONT)::GetStockObject(DEFAULT_GUI_FONT));
    HINSTANCE instance = ::GetModuleHandleA(NULL);

    CTemplateWndArray copies;
    HWND label = reader.CreateItem(reader.FindItem(101), &host.dialog, font, NULL, instance, 0);
    ASSERT_NE(label, (HWND)NULL);
    copies.Add(label);
    HWND edit = reader.CreateItem(reader.FindItem(102), &host.dialog, font, NULL, instance, 2001, WS_DISABLED);
    ASSERT_NE(edit, (HWND)NULL);
    copies.Add(edit);
    CWnd* labelWnd = CWnd::FromHandle(label);
    HWND check = reader.CreateItem(reader.FindItem(103), &host.dialog, font, labelWnd, instance, 2002);
    copies.Add(check);

    EXPECT_EQ(::GetDlgCtrlID(label), 101);
    EXPECT_EQ(::GetDlgCtrlID(edit), 2001);
    EXPECT_EQ(::GetWindow(label, GW_HWNDNEXT), check);
    EXPECT_EQ((HFONT)::SendMessageA(edit, WM_GETFONT, 0, 0), (HFONT)font->m_hObject);
    EXPECT_EQ((DWORD)::GetWindowLongA(edit, GWL_STYLE) & (ES_AUTOHSCROLL | WS_TABSTOP | WS_DISABLED),
              (DWORD)(ES_AUTOHSCROLL | WS_TABSTOP | WS_DISABLED));
    EXPECT_TRUE(::GetWindowLongA(edit, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    EXPECT_EQ(ChildRect(label), reader.GetItem(0)->rect);
    EXPECT_EQ(ChildRect(edit), reader.GetItem(1)->rect);
    EXPECT_EQ(ChildRect(check), reader.GetItem(2)->rect);

    // The group moves, measures and enables as one.
    CRect bounds = copies.GetBoundingRect();
    CRect expected;
    expected.UnionRect(ChildRect(label), ChildRect(edit));
    expected.UnionRect(expected, ChildRect(check));
    EXPECT_EQ(bounds, expected);
    copies.MoveAll(5, 7);
    bounds.OffsetRect(5, 7);
    EXPECT_EQ(copies.GetBoundingRect(), bounds);
    copies.EnableAll(TRUE);
    EXPECT_TRUE(::IsWindowEnabled(edit));
    EXPECT_EQ(copies.Find(check), 2);
    EXPECT_EQ(copies.Find(NULL), -1);

    // A window of the group that is gone no longer counts.
    ::DestroyWindow(check);
    expected.UnionRect(ChildRect(label), ChildRect(edit));
    EXPECT_EQ(copies.GetBoundingRect(), expected);
}

TEST(DlgTemplateReaderTest, OwningArraysDestroyTheirWindows)
{
    CTestWindow parent;
    for (BOOL owning : {FALSE, TRUE})
    {
        HWND child = parent.AddControl("STATIC", "", 0, 300);
        {
            CTemplateWndArray group;
            group.ownsWindows = owning;
            group.Add(child);
        }
        EXPECT_EQ(::IsWindow(child) != FALSE, !owning);
        ::DestroyWindow(child);
    }
}

TEST(DlgTemplateReaderTest, ItemsOutsideADialogUseTheFontsUnitsOrNone)
{
    CTestWindow parent;
    ::SendMessageA(parent.Handle(), WM_SETFONT, (WPARAM)::GetStockObject(DEFAULT_GUI_FONT), FALSE);
    CTemplateImage image(false, Prototypes());

    CDlgTemplateReader reader;
    ASSERT_TRUE(reader.LoadFromMemory(parent.Wnd(), image.Data(), image.Size()));
    DWORD units = GetWindowBaseUnits(parent.Wnd());
    EXPECT_EQ(reader.baseUnits, units);
    const CDlgTemplateItem* edit = reader.GetItem(1);
    EXPECT_EQ(edit->rect, CRect(50 * LOWORD(units) / 4, 7 * HIWORD(units) / 8, 130 * LOWORD(units) / 4,
                                19 * HIWORD(units) / 8));

    // Without a unit window the copies have no size until they are moved.
    ASSERT_TRUE(reader.LoadFromMemory(NULL, image.Data(), image.Size()));
    EXPECT_TRUE(reader.GetItem(1)->rect.IsRectNull());
    HWND copy = reader.CreateItem(1, parent.Wnd(), NULL, NULL, ::GetModuleHandleA(NULL), 0);
    ASSERT_NE(copy, (HWND)NULL);
    EXPECT_EQ(ChildRect(copy).Size(), CSize(0, 0));
    ::DestroyWindow(copy);
}

// The creation-data word counts the bytes that follow it in an extended
// template and itself too in a classic one; texts leave UTF-16 through the
// ANSI code page; a damaged template fails and keeps what it read.
TEST(DlgTemplateReaderTest, CreationDataTextsAndDamage)
{
    std::vector<TemplateControl> controls = {
        {201, 0x82, NULL, L"Gr\u00f6\u00dfe \u20ac", WS_CHILD, 0, 0, 0, 10, 10, "x"},
        {202, 0x80, NULL, L"Two", WS_CHILD, 0, 0, 0, 10, 10, std::string("\x01\x02\x03\x04\x05", 5)},
        {203, 0x99, NULL, L"Unknown", WS_CHILD, 0, 0, 0, 10, 10, ""},
    };
    for (bool extended : {false, true})
    {
        SCOPED_TRACE(extended);
        CTemplateImage image(extended, controls);
        CDlgTemplateReader reader;
        ASSERT_TRUE(reader.LoadFromMemory(NULL, image.Data(), image.Size()));
        ASSERT_EQ(reader.GetItemCount(), 3);
        EXPECT_STREQ(reader.GetItem(0)->text, "Gr\xf6\xdf" "e \x80");
        EXPECT_EQ(reader.GetItem(0)->creationData.GetSize(), 1);
        EXPECT_EQ(reader.GetItem(0)->creationData[0], 'x');
        EXPECT_EQ(reader.GetItem(1)->creationData.GetSize(), 5);
        EXPECT_EQ(reader.GetItem(1)->creationData[4], 5);
        EXPECT_STREQ(reader.GetItem(1)->text, "Two");
        // An unknown class ordinal leaves no class: nothing can be created.
        EXPECT_STREQ(reader.GetItem(2)->windowClass, "");
        CTestWindow parent;
        EXPECT_EQ(reader.CreateItem(2, parent.Wnd(), NULL, NULL, ::GetModuleHandleA(NULL), 0), (HWND)NULL);

        // Cut inside the last item's text.
        CDlgTemplateReader truncated;
        EXPECT_FALSE(truncated.LoadFromMemory(NULL, image.Data(), image.Size() - 6));
        EXPECT_EQ(truncated.GetItemCount(), 2);

        // A last word of 1: a classic item cannot count less than itself; an
        // extended one has one byte of data, which the cut image lacks.
        CTemplateImage odd(extended, controls);
        odd.SetLastCreationWord(1);
        CDlgTemplateReader oddReader;
        EXPECT_FALSE(oddReader.LoadFromMemory(NULL, odd.Data(), odd.Size()));
        EXPECT_EQ(oddReader.GetItemCount(), 2);
        // A classic word of 2 counts only itself: no data.
        odd.SetLastCreationWord(2);
        CDlgTemplateReader two;
        EXPECT_EQ(two.LoadFromMemory(NULL, odd.Data(), odd.Size()), !extended);
    }

    CDlgTemplateReader missing;
    EXPECT_FALSE(missing.Load(NULL, MAKEINTRESOURCEA(32100), ::GetModuleHandleA(NULL)));
}

// A template of the program's resources, written by the resource compiler.
TEST(DlgTemplateReaderTest, ReadsATemplateResource)
{
    HostDialog host;
    CDlgTemplateReader reader;
    ASSERT_TRUE(reader.Load(&host.dialog, MAKEINTRESOURCEA(IDD_TEST_PROTOTYPES), ::GetModuleHandleA(NULL)));
    EXPECT_TRUE(reader.extended);
    EXPECT_STREQ(reader.caption, "Field prototypes");
    EXPECT_EQ(reader.fontWeight, 400u);
    EXPECT_EQ(reader.fontItalicAndCharSet, 0x100u);   // not italic, character set 1
    ASSERT_EQ(reader.GetItemCount(), 3);
    EXPECT_STREQ(reader.GetItem(0)->windowClass, "STATIC");
    EXPECT_STREQ(reader.GetItem(1)->windowClass, "EDIT");
    EXPECT_STREQ(reader.GetItem(2)->text, "&Tick");
    CRect expected(50, 7, 130, 19);
    host.dialog.MapDialogRect(&expected);
    EXPECT_EQ(reader.GetItem(reader.FindItem(102))->rect, expected);
}

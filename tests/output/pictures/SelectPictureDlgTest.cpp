// The thumbnail viewer and the Select Picture dialog over a scratch folder of
// generated pictures: the panes and their layout, the folder shown, the
// preselected picture, and the path handed back.
#include "output/pictures/SelectPictureDlg.h"

#include "TestPictures.h"
#include "foundation/files/ProgramFolder.h"
#include "foundation/settings/AppRegistryKey.h"
#include "framework/app/FrameworkApp.h"
#include "framework/dialogs/PictureChooser.h"
#include "support/DialogDriver.h"
#include "support/WindowScreenshot.h"
#include "output/pictures/PictureCache.h"
#include "output/pictures/PictureSettings.h"
#include "output/pictures/SelectPictureIds.h"
#include "output/pictures/ThumbnailFolderTree.h"
#include "output/pictures/ThumbnailGrid.h"
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <shlwapi.h>

namespace
{
// Handles Help, so that the dialogs show their Help buttons.
class CPictureTestApp : public CFrameworkApp
{
public:
    CPictureTestApp() : CFrameworkApp("Kestrova")
    {
        SetRegistryKey("Mirolf Technologies Ltd", "Kestrova Picture Dialog Tests");
    }
    afx_msg void OnHelpCommand() {}
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPictureTestApp, CFrameworkApp)
ON_COMMAND(ID_HELP, OnHelpCommand)
END_MESSAGE_MAP()

void Pump()
{
    MSG message;
    for (int i = 0; i < 5; ++i)
    {
        while (::PeekMessageA(&message, NULL, 0, 0, PM_REMOVE))
        {
            ::TranslateMessage(&message);
            ::DispatchMessageA(&message);
        }
        ::Sleep(10);
    }
}

CRect RectIn(CWnd* parent, CWnd* child)
{
    CRect rect;
    child->GetWindowRect(&rect);
    parent->ScreenToClient(&rect);
    return rect;
}

class SelectPictureDlgTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        folder = new CScratchFolder("select_picture");
        folder->MakeFolder("pics");
        folder->MakeFolder("pics\\sub");
        folder->MakeFolder("other");
        int n = 0;
        for (const char* name : {"pics\\a.bmp", "pics\\b.bmp", "pics\\c.bmp", "pics\\sub\\d.bmp", "other\\e.bmp"})
        {
            const COLORREF colour = RGB(40 * n, 200 - 30 * n, 90 + 25 * n);
            ++n;
            WriteBytes(*folder / name, MakeBmp(48, 32, 24, {}, [=](int, int) {
                return colour;
            }));
        }
    }
    static void TearDownTestSuite()
    {
        delete folder;
        FreePictureCache();
    }

    SelectPictureDlgTest() : m_savedKeyPath(GetAppRegistryKeyPath()), m_savedRoot(GetDefaultRegistryRoot())
    {
        SetAppRegistryKey(SettingsKey, HKEY_CURRENT_USER);
        ForgetSettings();
        m_savedDefault = DefaultPictureFolder;
        DefaultPictureFolder = Path("pics");
        LastPictureFolder.Empty();
    }
    ~SelectPictureDlgTest() override
    {
        DefaultPictureFolder = m_savedDefault;
        LastPictureFolder.Empty();
        ForgetSettings();
        SetAppRegistryKey(m_savedKeyPath, m_savedRoot);
    }

    // The placement, splitter position and cell size of earlier runs.
    static void ForgetSettings() { ::SHDeleteKeyA(HKEY_CURRENT_USER, SettingsKey); }
    static constexpr const char* SettingsKey = "Software\\Mirolf Technologies Ltd\\Kestrova Picture Dialog Tests";

    static CString Path(const char* name) { return CString((*folder / name).c_str()); }

    static CScratchFolder* folder;
    CPictureTestApp m_app;
    CString m_savedDefault;
    CString m_savedKeyPath;
    HKEY m_savedRoot;
};
CScratchFolder* SelectPictureDlgTest::folder = NULL;
} // namespace

TEST(ThumbnailViewerDlg, TreeWidthWithoutAStoredOneIsAThirdOfTheWorkAreaAtLeast200)
{
    const int cases[][2] = {{480, 200}, {600, 200}, {603, 201}, {1200, 400}, {0, 200}};
    for (const auto& c : cases)
        EXPECT_EQ(CThumbnailViewerDlg::DefaultTreeWidth(c[0]), c[1]) << c[0];
}

// The viewer shows a selected folder in its status bar; Select Picture shows
// it in the grid with its count. Both lay out the same panes and buttons.
TEST_F(SelectPictureDlgTest, PanesButtonsAndTheSelectedFolder)
{
    struct Case
    {
        bool select;
        const char* screenshot;
    };
    for (const Case c : {Case{false, "thumbnail_viewer"}, Case{true, "select_picture"}})
    {
        m_app.WriteProfileInt("Preferences", "ThumbnailViewerSplitterPosition", 230);
        CThumbnailViewerDlg* dialog =
            c.select ? new CSelectPictureDlg(NULL)
                     : new CThumbnailViewerDlg(IDD_SELECT_PICTURE, NULL, RUNTIME_CLASS(CThumbnailGrid));
        // The viewer starts in the program's folder, Select Picture in the
        // default picture folder.
        EXPECT_EQ(dialog->m_startFolder, c.select ? Path("pics") : ProgramFolder);
        dialog->m_startFolder = Path("pics");
        EXPECT_TRUE(dialog->GetTreePane() == NULL);
        ASSERT_TRUE(dialog->Create(IDD_SELECT_PICTURE, NULL));
        dialog->ShowWindow(SW_SHOW);
        Pump();

        CThumbnailFolderTree* tree = dialog->GetTreePane();
        CThumbnailGrid* grid = dialog->GetGrid();
        ASSERT_TRUE(tree != NULL && grid != NULL);
        EXPECT_EQ(tree->GetStyle() & 0x2F, 0x2Fu);
        EXPECT_EQ(tree->GetSelectedPath().CompareNoCase(Path("pics")), 0);
        EXPECT_EQ(RectIn(dialog, tree).Width(), 230);
        if (c.select)
        {
            EXPECT_EQ(grid->GetCount(), 3);
            EXPECT_EQ(dialog->m_statusBar.GetPaneText(0).CompareNoCase(Path("pics") + ", 3 picture(s)"), 0);
        }
        else
        {
            EXPECT_EQ(grid->GetCount(), 0);
            EXPECT_EQ(dialog->m_statusBar.GetPaneText(0).CompareNoCase(Path("pics")), 0);
        }

        // Help in the bottom-right corner, Cancel and Select to its left, the
        // splitter above them, the status bar below; at two sizes.
        for (int grow : {0, 120})
        {
            CRect window;
            dialog->GetWindowRect(&window);
            dialog->SetWindowPos(NULL, 0, 0, window.Width() + grow, window.Height() + grow, SWP_NOMOVE | SWP_NOZORDER);
            CRect help = RectIn(dialog, dialog->GetDlgItem(ID_HELP));
            CRect cancel = RectIn(dialog, dialog->GetDlgItem(IDCANCEL));
            CRect ok = RectIn(dialog, dialog->GetDlgItem(IDOK));
            CRect splitter = RectIn(dialog, &dialog->m_splitter);
            CRect bar = RectIn(dialog, &dialog->m_statusBar);
            const CRect& area = dialog->m_clientArea;
            const int margin = help.Height() / 8;
            EXPECT_EQ(help.right, area.right - margin);
            EXPECT_EQ(help.bottom, area.bottom - margin);
            EXPECT_EQ(cancel.right, help.left - margin);
            EXPECT_EQ(ok.right, cancel.left - margin);
            EXPECT_EQ(ok.bottom, help.bottom);
            EXPECT_EQ(splitter.TopLeft(), area.TopLeft());
            EXPECT_EQ(splitter.right, area.right);
            EXPECT_EQ(splitter.bottom, ok.top - margin);
            EXPECT_GE(bar.top, area.bottom);
            EXPECT_GT(RectIn(dialog, grid).Width(), 200) << grow;
        }
        if (c.select)
            grid->SetSelection(1);
        dialog->SetWindowPos(NULL, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER); // wholly on the screen
        SaveWindowScreenshot(dialog->m_hWnd, c.screenshot);
        dialog->DestroyWindow();
        delete dialog;
        // Select Picture keeps its placement for the next opening.
        char rect[64] = "";
        DWORD size = sizeof(rect);
        const CString key = CString(SettingsKey) + "\\Preferences\\ThumbnailViewerWindowPosition";
        EXPECT_EQ(::SHGetValueA(HKEY_CURRENT_USER, key, "Rect", NULL, rect, &size) == ERROR_SUCCESS, c.select);
    }
}

// Select Picture run as a file-name field runs it: the title, the picture
// preselected in its folder, the Select button's state and the path handed
// back, and the folder remembered for the next opening.
TEST_F(SelectPictureDlgTest, ReturnsTheChosenPictureRelativeToTheSearchPath)
{
    struct Case
    {
        const char* initial; // the field's text; a leading '*' is made absolute in the scratch folder
        const char* fieldTitle;
        const char* title;
        const char* start;       // '*' as above
        int count;               // pictures shown there
        const char* preselected; // "" for none
        int choose;              // index chosen before Select, -1 to keep the selection
        const char* result;      // '*' as above; null when cancelled
        const char* lastFolder;  // '*' as above
    } cases[] = {
        {"b.bmp", "Litter photo", "Select Litter photo", "*pics", 3, "b.bmp", -1, "b.bmp", "*pics"},
        {"*other\\e.bmp", "", "Select Picture", "*other", 1, "e.bmp", -1, "*other\\e.bmp", "*other"},
        {"sub\\d.bmp", NULL, "Select Picture", "*pics\\sub", 1, "d.bmp", -1, "sub\\d.bmp", "*pics\\sub"},
        {"*other\\missing.bmp", "Sire", "Select Sire", "*other", 1, "", -1, NULL, "*pics"},
        {"*other\\missing.bmp", "Sire", "Select Sire", "*other", 1, "", 0, "*other\\e.bmp", "*other"},
        {"", "Dam", "Select Dam", "*pics", 3, "", 2, "c.bmp", "*pics"},
    };
    // Run as the framework's file-name fields run it.
    InstallPictureChooser();
    ASSERT_TRUE(GetPictureChooser() == SelectPictureForField);
    auto expand = [](const char* text) {
        return text[0] == '*' ? Path(text + 1) : CString(text);
    };
    for (const Case& c : cases)
    {
        LastPictureFolder.Empty();
        struct
        {
            std::string title, selected, status;
            BOOL enabledBefore = FALSE, enabledAfter = FALSE;
        } seen;
        CDialogDriver driver([&](HWND window) {
            CSelectPictureDlg* dialog = DYNAMIC_DOWNCAST(CSelectPictureDlg, CWnd::FromHandlePermanent(window));
            ASSERT_TRUE(dialog != NULL);
            seen.title = CDialogDriver::WindowText(window);
            seen.selected = dialog->GetGrid()->GetSelectedName();
            seen.status = dialog->m_statusBar.GetPaneText(0);
            dialog->UpdateControls();
            seen.enabledBefore = dialog->GetDlgItem(IDOK)->IsWindowEnabled();
            if (c.choose >= 0)
                dialog->GetGrid()->SetSelection(c.choose);
            dialog->UpdateControls();
            seen.enabledAfter = dialog->GetDlgItem(IDOK)->IsWindowEnabled();
            // Select does nothing without a picture; Cancel then ends.
            CDialogDriver::Click(window, IDOK);
            ::PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
        });
        CString text = expand(c.initial);
        const CString before = text;
        const BOOL chosen = GetPictureChooser()(NULL, c.fieldTitle, text);
        SCOPED_TRACE(c.initial);
        EXPECT_EQ(driver.Count(), 1);
        EXPECT_EQ(seen.title, c.title);
        EXPECT_EQ(seen.selected, c.preselected);
        EXPECT_EQ(seen.enabledBefore, *c.preselected != '\0');
        EXPECT_EQ(seen.enabledAfter, *c.preselected != '\0' || c.choose >= 0);
        CString status;
        status.Format("%s, %d picture(s)", (LPCTSTR)expand(c.start), c.count);
        EXPECT_EQ(status.CompareNoCase(seen.status.c_str()), 0) << seen.status;
        EXPECT_EQ(chosen, c.result != NULL);
        EXPECT_EQ(text, c.result != NULL ? expand(c.result) : before);
        EXPECT_EQ(LastPictureFolder, expand(c.lastFolder));
    }
}

#include "framework/files/FileBrowseButton.h"
#include "framework/files/FolderBrowseButton.h"
#include "framework/files/FolderPicker.h"
#include "framework/files/MyFileDialog.h"
#include "framework/dialogs/PictureChooser.h"
#include "framework/files/SelectFileDlg.h"

#include "foundation/files/FileKinds.h"
#include "support/ScratchFolder.h"
#include "support/DialogDriver.h"
#include "framework/support/FrameworkTestApp.h"
#include "support/WindowScreenshot.h"

#include <gtest/gtest.h>

#include <dlgs.h>

#include <string>
#include <vector>

struct FilterCase
{
    std::vector<DWORD> kinds;
    const char* filterText; // with '|' for each zero character
    const char* extension;
};

namespace
{
class FileKindFilterTest : public ::testing::TestWithParam<FilterCase>
{
};

std::string Bars(const std::string& text)
{
    std::string shown = text;
    for (char& ch : shown)
        if (ch == '\0')
            ch = '|';
    return shown;
}

// The file dialog's own controls: the name field and the file types.
void TypeFileName(HWND dialog, const std::string& name)
{
    HWND field = ::GetDlgItem(dialog, cmb13);
    if (field == NULL)
        field = ::GetDlgItem(dialog, edt1);
    ::SetWindowTextA(field, name.c_str());
}

std::vector<std::string> FileTypes(HWND dialog)
{
    std::vector<std::string> types;
    HWND combo = ::GetDlgItem(dialog, cmb1);
    int count = (int)::SendMessageA(combo, CB_GETCOUNT, 0, 0);
    for (int i = 0; i < count; ++i)
    {
        char text[256] = "";
        ::SendMessageA(combo, CB_GETLBTEXT, i, (LPARAM)text);
        types.push_back(text);
    }
    return types;
}

class FileDialogTest : public ::testing::Test
{
protected:
    CFrameworkTestApp m_app;
    CScratchFolder m_folder{"KestrovaFileDialog"};
};
} // namespace

TEST_P(FileKindFilterTest, ListsEachKindWithItsPatternsAndTakesTheFirstExtension)
{
    const FilterCase& c = GetParam();
    CMyFileDialog dialog(TRUE);
    CDWordArray kinds;
    for (DWORD kind : c.kinds)
        kinds.Add(kind);
    dialog.AddFileKindFilters(kinds);
    EXPECT_EQ(Bars(dialog.m_filterText), c.filterText);
    EXPECT_EQ(std::string(dialog.m_defaultExtension), c.extension);
    EXPECT_EQ(dialog.m_ofn.lpstrFilter, dialog.m_filterText.c_str());
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, FileKindFilterTest,
    ::testing::Values(
        FilterCase{{0, 4},
                   "All files (*.*)|*.*|JPEG image files (*.jpg;*.jpe;*.jpeg)|*.jpg;*.jpe;*.jpeg|",
                   "jpg"},
        FilterCase{{14, 5}, "Text files (*.txt;*.csv)|*.txt;*.csv|PNG image files (*.png)|*.png|", "txt"},
        FilterCase{{20},
                   "Bitmap files (*.png;*.jpg;*.jpe;*.jpeg;*.bmp)|*.png;*.jpg;*.jpe;*.jpeg;*.bmp|"
                   "Windows bitmap files (*.bmp)|*.bmp|JPEG image files (*.jpg;*.jpe;*.jpeg)|*.jpg;*.jpe;*.jpeg|"
                   "PNG image files (*.png)|*.png|",
                   "png"}));

TEST(FileFilterLineTest, TheDefaultExtensionComesFromTheFirstPatternOfTheFirstLineWithOne)
{
    CMyFileDialog dialog(FALSE);
    dialog.AddFilter("Everything (*.*)");
    EXPECT_EQ(std::string(dialog.m_defaultExtension), "");
    dialog.AddFilter("Photos (*.jpg;*.jpe;*.jpeg)");
    dialog.AddFilter("Drawings (*.wmf)");
    EXPECT_EQ(Bars(dialog.m_filterText),
              "Everything (*.*)|*.*|Photos (*.jpg;*.jpe;*.jpeg)|*.jpg;*.jpe;*.jpeg|"
              "Drawings (*.wmf)|*.wmf|");
    EXPECT_EQ(std::string(dialog.m_defaultExtension), "jpg");
    EXPECT_STREQ(dialog.m_ofn.lpstrDefExt, "jpg");
}

TEST_F(FileDialogTest, SaveAppendsTheDefaultExtensionAndShowsTheOkText)
{
    CMyFileDialog dialog(FALSE);
    CDWordArray kinds;
    kinds.Add(FILE_KIND_TEXT);
    kinds.Add(FILE_KIND_NONE);
    dialog.AddFileKindFilters(kinds);
    dialog.m_initialFolder = m_folder.Path().c_str();
    dialog.m_title = "Export Litter";
    dialog.m_okText = "Export";
    CDialogDriver driver([&](HWND window) {
        EXPECT_EQ(CDialogDriver::WindowText(window), "Export Litter");
        EXPECT_EQ(CDialogDriver::ItemText(window, IDOK), "Export");
        EXPECT_EQ(FileTypes(window), (std::vector<std::string>{"Text files (*.txt;*.csv)", "All files (*.*)"}));
        EXPECT_TRUE(SaveWindowScreenshot(window, "framework_file_dialog_save"));
        TypeFileName(window, "litter");
        ::PostMessageA(window, WM_COMMAND, IDOK, 0);
    });
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(driver.Count(), 1);
    EXPECT_EQ(std::string(dialog.m_filePath), m_folder / "litter.txt");
    // The path stays readable after the run's buffer is gone.
    EXPECT_EQ(std::string(dialog.GetPathName()), m_folder / "litter.txt");
}

TEST_F(FileDialogTest, SelectFileOpensAChosenFileOrNothingOnCancel)
{
    ASSERT_TRUE(m_folder.WriteFile("dam.txt", "Bella"));
    CDWordArray kinds;
    kinds.Add(FILE_KIND_TEXT);
    for (int ending : {IDOK, IDCANCEL})
    {
        CSelectFileDlg dialog(TRUE, NULL, NULL, m_folder.Path().c_str(), kinds, NULL, 0,
                              OFN_FILEMUSTEXIST | OFN_HIDEREADONLY, NULL);
        CDialogDriver driver([&](HWND window) {
            EXPECT_EQ(CDialogDriver::WindowText(window), "Select File");
            TypeFileName(window, "dam.txt");
            ::PostMessageA(window, WM_COMMAND, ending, 0);
        });
        EXPECT_EQ(dialog.DoModal(), ending);
        EXPECT_EQ(std::string(dialog.m_filePath), ending == IDOK ? m_folder / "dam.txt" : "");
    }
}

TEST(FolderPickerTest, ShortensLongPathsForTheStatusText)
{
    struct
    {
        const char* path;
        const char* shown;
    } cases[] = {{"C:\\Dogs", "C:\\Dogs"},
                 {"C:\\Kennel\\Litters\\2026\\Spring\\Bella", "C:\\Kennel\\Litters\\2026\\Spring\\Bella"},
                 {"C:\\Kennel\\Litters\\2026\\Spring\\Bellas", "C:\\Kennel\\Litters\\2026\\Spring\\Bella..."}};
    for (const auto& c : cases)
        EXPECT_EQ(std::string(CFolderPicker::ShortenPath(c.path)), c.shown);
}

TEST_F(FileDialogTest, BrowseButtonsFillTheirFieldFromTheBrowser)
{
    ASSERT_TRUE(m_folder.WriteFile("sire.txt", "Rex"));
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(0), "Kennel", WS_POPUP | WS_CAPTION | WS_VISIBLE,
                                CRect(20, 20, 400, 120), NULL, 0));
    CEdit field;
    field.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, CRect(5, 5, 300, 25), &parent, 10);
    CFolderBrowseButton folderButton;
    folderButton.Create("...", WS_CHILD | WS_VISIBLE, CRect(305, 5, 330, 25), &parent, 11);
    folderButton.m_edit = &field;
    CFileBrowseButton fileButton;
    fileButton.Create("File", WS_CHILD | WS_VISIBLE, CRect(335, 5, 370, 25), &parent, 12);
    fileButton.m_edit = &field;
    fileButton.m_kinds.Add(FILE_KIND_TEXT);

    // The folder browser opens on the field's folder; OK keeps it.
    field.SetWindowText(m_folder.Path().c_str());
    {
        CDialogDriver driver([&](HWND window) {
            EXPECT_TRUE(SaveWindowScreenshot(window, "framework_folder_picker"));
            ::PostMessageA(window, WM_COMMAND, IDOK, 0);
        });
        folderButton.SendMessage(BM_CLICK);
        EXPECT_EQ(driver.Count(), 1);
    }
    CString text;
    field.GetWindowText(text);
    EXPECT_EQ(lstrcmpiA(text, m_folder.Path().c_str()), 0) << (LPCTSTR)text;

    // The file dialog starts in that folder.
    {
        CDialogDriver driver([&](HWND window) {
            TypeFileName(window, "sire.txt");
            ::PostMessageA(window, WM_COMMAND, IDOK, 0);
        });
        fileButton.SendMessage(BM_CLICK);
        EXPECT_EQ(driver.Count(), 1);
    }
    field.GetWindowText(text);
    EXPECT_EQ(lstrcmpiA(text, (m_folder / "sire.txt").c_str()), 0) << (LPCTSTR)text;

    // Pictures go through the installed picture chooser, with the field's
    // object name.
    static std::string title, offered;
    SetPictureChooser([](CWnd*, LPCTSTR objectName, CString& picture) -> BOOL {
        title = objectName;
        offered = (LPCTSTR)picture;
        picture = "C:\\Pictures\\bella.jpg";
        return TRUE;
    });
    fileButton.m_kinds.RemoveAll();
    fileButton.m_kinds.Add(FILE_KIND_PICTURE_GROUP);
    for (const char* object : {"", "Litter Photo"})
    {
        fileButton.m_objectName = object;
        field.SetWindowText("");
        fileButton.m_defaultPath = "C:\\Pictures\\rex.jpg";
        fileButton.SendMessage(BM_CLICK);
        EXPECT_EQ(title, object);
        EXPECT_EQ(offered, "C:\\Pictures\\rex.jpg");
        field.GetWindowText(text);
        EXPECT_EQ(std::string(text), "C:\\Pictures\\bella.jpg");
    }
    SetPictureChooser(NULL);
    parent.DestroyWindow();
}

#include "output/printing/StartingLabelDlg.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/app/FrameworkApp.h"
#include "output/ScreenshotFile.h"
#include "output/printing/PrintSource.h"
#include "output/printing/PrinterData.h"
#include "output/printing/PrinterPaperConfig.h"
#include "output/printing/StartingLabelIds.h"
#include "support/DialogDriver.h"
#include "support/ScratchFolder.h"

namespace
{
const char* const Caption = "Starting Row and Column";

class CQuietApp : public CFrameworkApp
{
public:
    CQuietApp() : CFrameworkApp("Kestrova") {}
};

// Every text of a window's children, one after the other.
BOOL CALLBACK AddChildText(HWND child, LPARAM data)
{
    *(std::string*)data += CDialogDriver::WindowText(child) + "|";
    return TRUE;
}

std::string ChildTexts(HWND window)
{
    std::string texts;
    ::EnumChildWindows(window, AddChildText, (LPARAM)&texts);
    return texts;
}

// Runs dialogs: the starting-label dialog gets the typed texts and the
// button; any other box (a refusal, an error) is recorded and answered OK,
// and the starting-label dialog is then cancelled. "Printing" is left alone.
class CLabelDialogAnswerer
{
public:
    CLabelDialogAnswerer(const char* row, const char* column, int button)
        : m_driver([=](HWND window) { Act(window, row, column, button); })
    {
    }
    std::string m_rowShown, m_columnShown, m_rowLabel, m_columnLabel;
    bool m_focusOnRow = false;
    std::vector<std::string> m_boxes;

private:
    void Act(HWND window, const char* row, const char* column, int button)
    {
        std::string caption = CDialogDriver::WindowText(window);
        if (caption == "Printing")
            return;
        if (caption != Caption)
        {
            m_boxes.push_back(ChildTexts(window));
            CDialogDriver::Click(window, IDOK);
            if (m_dialog != NULL)
                CDialogDriver::Click(m_dialog, IDCANCEL);
            return;
        }
        m_dialog = window;
        m_rowShown = CDialogDriver::ItemText(window, IDC_STARTING_ROW);
        m_columnShown = CDialogDriver::ItemText(window, IDC_STARTING_COLUMN);
        m_rowLabel = CDialogDriver::ItemText(window, IDC_STARTING_ROW_LABEL);
        m_columnLabel = CDialogDriver::ItemText(window, IDC_STARTING_COLUMN_LABEL);
        m_focusOnRow = ::GetFocus() == ::GetDlgItem(window, IDC_STARTING_ROW);
        if (m_rowShown == "1" && m_columnShown == "1")
            SaveWindowScreenshot(window, "starting_label");
        ::SetDlgItemTextA(window, IDC_STARTING_ROW, row);
        ::SetDlgItemTextA(window, IDC_STARTING_COLUMN, column);
        CDialogDriver::Click(window, button);
    }
    HWND m_dialog = NULL;
    CDialogDriver m_driver;
};

class StartingLabelDlgTest : public ::testing::Test
{
protected:
    CQuietApp m_app;
};

TEST_F(StartingLabelDlgTest, ShowsFromOneKeepsFromZeroAndRefusesOutOfRange)
{
    const struct
    {
        int row, column;            // before, from 0
        const char *shownRow, *shownColumn;
        const char *typedRow, *typedColumn;
        int button;
        int result;
        int keptRow, keptColumn;
        const char* refusal;
    } rows[] = {
        {0, 0, "1", "1", "3", "2", IDOK, IDOK, 2, 1, NULL},
        {2, 1, "3", "2", "4", "3", IDOK, IDOK, 3, 2, NULL},
        {9, -3, "4", "1", "1", "1", IDCANCEL, IDCANCEL, 9, -3, NULL},
        {0, 0, "1", "1", "5", "1", IDOK, IDCANCEL, 0, 0, "between 1 and 4"},
        {0, 0, "1", "1", "1", "0", IDOK, IDCANCEL, 0, 0, "between 1 and 3"},
        {0, 0, "1", "1", "x", "1", IDOK, IDCANCEL, 0, 0, "integer"},
    };
    for (const auto& row : rows)
    {
        CStartingLabelDlg dialog(NULL, 4, 3);
        dialog.m_row = row.row;
        dialog.m_column = row.column;
        CLabelDialogAnswerer answerer(row.typedRow, row.typedColumn, row.button);
        EXPECT_EQ(row.result, dialog.DoModal()) << row.typedRow << row.typedColumn;
        EXPECT_EQ(row.shownRow, answerer.m_rowShown);
        EXPECT_EQ(row.shownColumn, answerer.m_columnShown);
        EXPECT_EQ("Starting &row (1..4):", answerer.m_rowLabel);
        EXPECT_EQ("Starting &column (1..3):", answerer.m_columnLabel);
        EXPECT_TRUE(answerer.m_focusOnRow);
        EXPECT_EQ(row.keptRow, dialog.m_row);
        EXPECT_EQ(row.keptColumn, dialog.m_column);
        if (row.refusal == NULL)
            EXPECT_TRUE(answerer.m_boxes.empty());
        else
        {
            ASSERT_EQ(1u, answerer.m_boxes.size());
            EXPECT_NE(std::string::npos, answerer.m_boxes[0].find(row.refusal)) << answerer.m_boxes[0];
        }
    }
}

// A job on a sheet of 2 x 2 labels (page images, no printer needed).
class LabelSheetJobTest : public StartingLabelDlgTest
{
protected:
    void SetUp() override
    {
        CString path((m_folder / "labels.bmp").c_str());
        ASSERT_STREQ("", m_data.CreateForImages(m_config, path, 7, 50, 8, 8));
        m_data.m_labelRows = m_data.m_labelColumns = 2;
        m_data.m_labelPrintAreas.RemoveAll();
        m_data.m_labelPages.RemoveAll();
        for (int i = 0; i < 4; ++i)
        {
            RECT label = {(i % 2) * 200, (i / 2) * 200, (i % 2) * 200 + 200, (i / 2) * 200 + 200};
            m_data.m_labelPages.Add(label);
            m_data.m_labelPrintAreas.Add(label);
        }
    }
    // Prints two labels; the label positions used, in order.
    BOOL PrintTwoLabels(DWORD options)
    {
        CLabelSource source(m_used);
        return source.Print(&m_map, NULL, &m_data, 1, "Labels", "", "", "", "", options, 2);
    }

    class CLabelSource : public CPrintSource
    {
    public:
        explicit CLabelSource(std::vector<int>& used) : m_used(used) {}
        BOOL Render() override
        {
            for (int i = 0; i < 2; ++i)
            {
                NewPage();
                m_used.push_back(m_pagesOutput * 10 + m_labelIndex - 1);
            }
            return TRUE;
        }
        std::vector<int>& m_used;
    };

    CScratchFolder m_folder{"labelsheet"};
    CPrinterPaperConfig m_config;
    CPrinterData m_data;
    CNamedStringMap m_map;
    std::vector<int> m_used; // sheet x 10 + label index
};

TEST_F(LabelSheetJobTest, TheJobStartsOnTheChosenLabel)
{
    {
        CLabelDialogAnswerer answerer("2", "2", IDOK);
        EXPECT_TRUE(PrintTwoLabels(PRINT_ASK_STARTING_LABEL));
        EXPECT_EQ("Starting &row (1..2):", answerer.m_rowLabel);
    }
    // The last label of the first sheet, then the first of the second.
    EXPECT_EQ((std::vector<int>{13, 20}), m_used);

    m_used.clear();
    {
        CLabelDialogAnswerer answerer("1", "2", IDOK);
        EXPECT_TRUE(PrintTwoLabels(PRINT_ASK_STARTING_LABEL));
    }
    EXPECT_EQ((std::vector<int>{11, 12}), m_used);

    // Cancel ends the job before it starts; without the option the label
    // printer is refused.
    m_used.clear();
    {
        CLabelDialogAnswerer answerer("1", "1", IDCANCEL);
        EXPECT_FALSE(PrintTwoLabels(PRINT_ASK_STARTING_LABEL));
    }
    {
        CLabelDialogAnswerer answerer("1", "1", IDOK);
        EXPECT_FALSE(PrintTwoLabels(0));
        EXPECT_TRUE(answerer.m_rowShown.empty());
        ASSERT_EQ(1u, answerer.m_boxes.size());
        EXPECT_NE(std::string::npos, answerer.m_boxes[0].find("configured for use with label printing"));
    }
    EXPECT_TRUE(m_used.empty());
}

TEST_F(StartingLabelDlgTest, TheLabelSettingsTemplateIsKeptWithTheResources)
{
    CDialog dialog;
    ASSERT_TRUE(dialog.Create(585, NULL));
    EXPECT_EQ("Printer/Paper Settings", CDialogDriver::WindowText(dialog.m_hWnd));
    for (int id : {39999, 40000, 40001, 40003, 40004, 40028, 40009, 39994})
        EXPECT_NE(nullptr, ::GetDlgItem(dialog.m_hWnd, id)) << id;
    dialog.ShowWindow(SW_SHOW);
    dialog.UpdateWindow();
    SaveWindowScreenshot(dialog.m_hWnd, "printer_paper_labels");
    dialog.DestroyWindow();
}
} // namespace

#include "foundation/values/MeasurementExchange.h"

#include "support/DialogTemplate.h"
#include "support/MessageBoxAnswerer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
const int IDC_LENGTH = 1201;

// A dialog with one edit control; its initialisation types a text, saves
// the exchange and records what happened.
class CLengthDialog : public CDialog
{
public:
    CLengthDialog(LPCDLGTEMPLATE lpTemplate, const char* typed, DWORD flags)
        : m_typed(typed), m_flags(flags), m_length(8), m_minimum(8), m_maximum(8)
    {
        InitModalIndirect(lpTemplate);
        m_length.SetValue(3.0);
        m_minimum.SetValue(0.5);
        m_maximum.SetValue(10.0);
    }

    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Measurement(pDX, IDC_LENGTH, m_length, m_flags);
        DDV_MeasurementRange(pDX, m_length, m_minimum, m_maximum);
    }

    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        GetDlgItem(IDC_LENGTH)->GetWindowText(m_shownAtLoad);
        if (m_typed != NULL)
        {
            GetDlgItem(IDC_LENGTH)->SetWindowText(m_typed);
            m_saved = UpdateData(TRUE);
        }
        GetDlgItem(IDC_LENGTH)->GetWindowText(m_shownAfterSave);
        EndDialog(IDOK);
        return FALSE;
    }

    const char* m_typed;
    DWORD m_flags;
    CDecimal m_length, m_minimum, m_maximum;
    BOOL m_saved = FALSE;
    CString m_shownAtLoad, m_shownAfterSave;
};

// The texts of the message boxes shown; the answerer also sees the test's
// own dialog (same window class, no static text) become active.
std::vector<std::string> Messages(const CMessageBoxAnswerer& answerer)
{
    std::vector<std::string> messages;
    for (const std::string& text : answerer.Texts())
        if (!text.empty())
            messages.push_back(text);
    return messages;
}

class MeasurementExchangeTest : public ::testing::Test
{
protected:
    MeasurementExchangeTest() : m_template(L"Lengths")
    {
        m_template.Add(CDialogTemplate::EDIT, L"", IDC_LENGTH, ES_AUTOHSCROLL | WS_BORDER, 10, 10, 80, 12);
    }
    void TearDown() override { MeasurementUnit = 0; }

    LPCDLGTEMPLATE Template() const { return m_template.Get(); }

    CDialogTemplate m_template;
};
}

TEST_F(MeasurementExchangeTest, SavingReadsAndRewritesInThePreferredUnit)
{
    MeasurementUnit = 1;
    CMessageBoxAnswerer answerer(IDOK);
    CLengthDialog dlg(Template(), "2.54 cm", MEASURE_REPORT_INVALID);
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_STREQ("76.2 mm", (const char*)dlg.m_shownAtLoad);
    EXPECT_TRUE(dlg.m_saved);
    EXPECT_NEAR(1.0, dlg.m_length.GetValue(), 1e-9);
    EXPECT_STREQ("25.4 mm", (const char*)dlg.m_shownAfterSave);
    EXPECT_TRUE(Messages(answerer).empty());
}

TEST_F(MeasurementExchangeTest, UnreadableTextFailsOnlyWhenReported)
{
    {
        CMessageBoxAnswerer answerer(IDOK);
        CLengthDialog dlg(Template(), "wide", MEASURE_REPORT_INVALID);
        dlg.DoModal();
        EXPECT_FALSE(dlg.m_saved);
        EXPECT_EQ((std::vector<std::string>{"Invalid measurement. "}), Messages(answerer));
        EXPECT_DOUBLE_EQ(3.0, dlg.m_length.GetValue());
    }
    {
        CMessageBoxAnswerer answerer(IDOK);
        CLengthDialog dlg(Template(), "wide", 0);
        dlg.DoModal();
        EXPECT_TRUE(dlg.m_saved);
        EXPECT_TRUE(Messages(answerer).empty());
        EXPECT_DOUBLE_EQ(3.0, dlg.m_length.GetValue());
    }
}

TEST_F(MeasurementExchangeTest, SignChecks)
{
    CMessageBoxAnswerer answerer(IDOK);
    CLengthDialog zero(Template(), "0", MEASURE_POSITIVE);
    zero.DoModal();
    EXPECT_FALSE(zero.m_saved);
    EXPECT_EQ((std::vector<std::string>{"A positive measurement is expected here."}), Messages(answerer));

    CLengthDialog negative(Template(), "-1", MEASURE_NOT_NEGATIVE);
    negative.DoModal();
    EXPECT_FALSE(negative.m_saved);
    EXPECT_EQ("A non-negative measurement is expected here.", Messages(answerer).back());
}

TEST_F(MeasurementExchangeTest, RangeIsCheckedOnlyWhenSaving)
{
    CMessageBoxAnswerer answerer(IDOK);
    CLengthDialog loading(Template(), NULL, 0);
    loading.m_length.SetValue(50.0);
    loading.DoModal();
    EXPECT_TRUE(Messages(answerer).empty());

    CLengthDialog saving(Template(), "12", 0);
    saving.DoModal();
    EXPECT_FALSE(saving.m_saved);
    EXPECT_EQ((std::vector<std::string>{"A measurement between 0.5 in and 10 in is expected. "}), Messages(answerer));
}

#include "framework/values/CalculatorButton.h"
#include "framework/values/CalculatorPopup.h"
#include "framework/values/CalendarPopup.h"
#include "framework/values/DateButton.h"
#include "framework/values/ValueFormatSettings.h"

#include "support/DialogTemplate.h"
#include "framework/support/FrameworkTestApp.h"
#include "support/MessageBoxAnswerer.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
    enum { IDC_LABEL = 299, IDC_FIELD = 300, IDC_BUTTON = 301 };

    // The date button points at its field; the calculator button embeds it.
    void Bind(CDateButton& button, CWnd* dialog, CEdit& field)
    {
        field.SubclassDlgItem(IDC_FIELD, dialog);
        button.SubclassDlgItem(IDC_BUTTON, dialog);
        button.m_edit = &field;
    }
    void Bind(CCalculatorButton& button, CWnd* dialog, CEdit&)
    {
        button.Attach(::GetDlgItem(dialog->m_hWnd, IDC_BUTTON));
    }

    // A dialog with a labelled field and the button beside it.
    template <class Button>
    class CFieldDialog : public CDialog
    {
    public:
        CFieldDialog()
        {
            CDialogTemplate form(L"Field", WS_POPUP | WS_CAPTION | WS_VISIBLE, 190, 40);
            // The label has no text: the message-box answerer reads the texts
            // of the windows that come to the front.
            form.Add(CDialogTemplate::STATIC, L"", IDC_LABEL, 0, 5, 7, 30, 10)
                .Add(CDialogTemplate::EDIT, L"", IDC_FIELD, ES_AUTOHSCROLL | WS_BORDER, 35, 5, 100, 12)
                .Add(CDialogTemplate::BUTTON, L"...", IDC_BUTTON, BS_PUSHBUTTON, 140, 5, 20, 12);
            CreateIndirect(form.Get());
            Bind(m_button, this, m_dateField);
        }
        ~CFieldDialog() override { DestroyWindow(); }

        // Clicks the button; the pop-up it opened (it has the focus), or null.
        template <class Popup>
        Popup* Click(const char* text)
        {
            SetDlgItemText(IDC_FIELD, text);
            SendMessage(WM_COMMAND, MAKEWPARAM(IDC_BUTTON, BN_CLICKED), (LPARAM)m_button.m_hWnd);
            return dynamic_cast<Popup*>(CWnd::FromHandlePermanent(::GetFocus()));
        }
        CString FieldText()
        {
            CString text;
            GetDlgItemText(IDC_FIELD, text);
            return text;
        }
        // Whether the button, its field and its label are enabled, as "111".
        std::string Enabled()
        {
            std::string states;
            for (int id : {IDC_BUTTON, IDC_FIELD, IDC_LABEL})
                states += ::IsWindowEnabled(::GetDlgItem(m_hWnd, id)) ? '1' : '0';
            return states;
        }
        // An owner-drawn framework button.
        bool IsFrameworkButton()
        {
            return m_button.IsKindOf(RUNTIME_CLASS(CMyButton)) &&
                   (m_button.GetStyle() & BS_TYPEMASK) == BS_OWNERDRAW;
        }

        CEdit m_dateField; // the date button's field (the calculator button embeds its own)
        Button m_button;
    };

    // The last message box's text; the answerer also sees the test dialog
    // come back to the front, with no text.
    std::string LastShown(const CMessageBoxAnswerer& answerer, int* count)
    {
        std::string last;
        *count = 0;
        for (const std::string& text : answerer.Texts())
        {
            if (!text.empty())
            {
                last = text;
                ++*count;
            }
        }
        return last;
    }

    void Pump()
    {
        MSG msg;
        while (::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
            ::DispatchMessageA(&msg);
    }
}

TEST(ValueButtonsTest, TheDateButtonOpensTheCalendarOnTheTypedDate)
{
    CFrameworkTestApp app;
    CFieldDialog<CDateButton> dialog;
    dialog.m_button.m_format = "dd/mm/yy";
    EXPECT_TRUE(dialog.IsFrameworkButton());
    CMessageBoxAnswerer answerer(IDNO);

    CCalendarPopup* popup = dialog.Click<CCalendarPopup>("3/4/05");
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->m_date, CDate(2005, 4, 3));
    popup->SendMessage(WM_KEYDOWN, VK_ESCAPE, 0);

    EXPECT_EQ(dialog.Click<CCalendarPopup>("31/02/05"), nullptr); // No: nothing opens
    int shown = 0;
    EXPECT_EQ(LastShown(answerer, &shown),
              "The date '31/02/05' is not in the recognised date format.\n\nDo you want to change the date anyway?");
    answerer.SetAnswer(IDYES);
    CDate today;
    today.SetToday();
    for (const char* text : {"31/02/05", ""})
    {
        popup = dialog.Click<CCalendarPopup>(text);
        ASSERT_NE(popup, nullptr) << text;
        EXPECT_EQ(popup->m_date, today);
        popup->SendMessage(WM_KEYDOWN, VK_ESCAPE, 0);
    }
    LastShown(answerer, &shown);
    EXPECT_EQ(shown, 2);
    Pump();
}

TEST(ValueButtonsTest, TheCalculatorButtonWritesTheAcceptedValueBack)
{
    CFrameworkTestApp app;
    ValueFormatSettings().positiveDataEntryCurrencyFormat = "X.Y";
    ValueFormatSettings().negativeDataEntryCurrencyFormat = "-X.Y";
    ValueFormatSettings().currencyFractionalSymbol = ".";
    ValueFormatSettings().currencyGroupSymbol = ",";
    CFieldDialog<CCalculatorButton> dialog;
    EXPECT_TRUE(dialog.IsFrameworkButton());

    CCalculatorPopup* popup = dialog.Click<CCalculatorPopup>("1,234.50");
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->GetDisplayText(), "1234.5");
    EXPECT_EQ(dialog.Enabled(), "000"); // the label greys with the field while the calculator is open
    for (char key : std::string("*2-5000"))
        popup->SendMessage(WM_CHAR, (BYTE)key, 0);
    popup->SendMessage(WM_KEYDOWN, VK_RETURN, 0);
    Pump();
    EXPECT_EQ(dialog.FieldText(), "-2,531.00");
    EXPECT_EQ(dialog.Enabled(), "111");

    popup = dialog.Click<CCalculatorPopup>("not an amount");
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->GetDisplayText(), "0.");
    for (char key : std::string("99999999"))
        popup->SendMessage(WM_CHAR, (BYTE)key, 0);
    popup->SendMessage(WM_KEYDOWN, VK_RETURN, 0); // beyond what an amount holds
    Pump();
    EXPECT_EQ(dialog.FieldText(), "not an amount");
    EXPECT_EQ(dialog.Enabled(), "111");
    ResetValueFormatSettings();
}

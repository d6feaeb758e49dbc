#include "framework/controls/CommandStateCollector.h"

#include <gtest/gtest.h>

namespace
{
    class CStateTarget : public CCmdTarget
    {
    public:
        afx_msg void OnUpdateChecked(CCmdUI* ui)
        {
            ui->Enable(TRUE);
            ui->SetCheck(1);
            ui->SetText("Show &grid");
        }
        afx_msg void OnUpdateRadio(CCmdUI* ui) { ui->SetRadio(TRUE); }
        DECLARE_MESSAGE_MAP()
    };
    BEGIN_MESSAGE_MAP(CStateTarget, CCmdTarget)
        ON_UPDATE_COMMAND_UI(500, OnUpdateChecked)
        ON_UPDATE_COMMAND_UI(501, OnUpdateRadio)
    END_MESSAGE_MAP()
}

TEST(CommandStateCollector, HoldsWhatTheUpdateHandlerSet)
{
    CStateTarget target;
    const struct
    {
        UINT id;
        BOOL enabled;
        int check, radio;
        const char* text;
    } cases[] = {
        {500, TRUE, 1, 0, "Show &grid"},
        {501, FALSE, 1, 1, ""},
        {502, FALSE, 0, 0, ""}, // no handler: nothing set, not disabled by routing either
    };
    for (const auto& c : cases)
    {
        CCommandStateCollector state(c.id, &target);
        EXPECT_EQ(c.enabled, state.m_enabled) << c.id;
        EXPECT_EQ(c.check, state.m_check) << c.id;
        EXPECT_EQ(c.radio, state.m_radio) << c.id;
        EXPECT_STREQ(c.text, state.m_text) << c.id;
    }
}

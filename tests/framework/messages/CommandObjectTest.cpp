#include "framework/messages/CommandObject.h"

#include <gtest/gtest.h>

namespace
{
    // Records what an update asked of the item; -1 means "not touched".
    class CRecordingCmdUI : public CCmdUI
    {
    public:
        void Enable(BOOL bOn) override { enabled = bOn; }
        void SetCheck(int nCheck) override { check = nCheck; }
        void SetRadio(BOOL bOn) override { radio = bOn; }
        void SetText(LPCTSTR lpszText) override { text = lpszText; ++textCalls; }

        int enabled = -1;
        int check = -1;
        int radio = -1;
        CString text;
        int textCalls = 0;
    };

    // A command whose enabled test and label come from the test.
    class CTestCommand : public CCommandObject
    {
    public:
        CTestCommand(int kind, BOOL enabled = TRUE, LPCTSTR label = NULL)
            : CCommandObject(NULL, 0x8100, kind), enabled(enabled), label(label) {}

        BOOL IsEnabled() override
        {
            if (label != NULL)
                text = label;
            return enabled && CCommandObject::IsEnabled();
        }
        int Execute() override { return ++executed; }

        BOOL enabled;
        LPCTSTR label;
        int executed = 0;
    };
}

TEST(CommandObjectTest, RunExecutesOnlyAnEnabledCommand)
{
    CTestCommand enabled(CCommandObject::KIND_PLAIN);
    EXPECT_EQ(enabled.Run(), 1);
    EXPECT_EQ(enabled.executed, 1);

    CTestCommand disabled(CCommandObject::KIND_PLAIN, FALSE);
    EXPECT_EQ(disabled.Run(), 0);
    EXPECT_EQ(disabled.executed, 0);
}

// Without a provider a command is enabled and shows the mark of its kind; a
// plain command leaves both marks alone.
TEST(CommandObjectTest, UpdateSetsTheMarkOfItsKindOnly)
{
    struct Case { int kind; int check; int radio; };
    const Case cases[] = {
        {CCommandObject::KIND_PLAIN, -1, -1},
        {CCommandObject::KIND_RADIO, -1, 1},
        {CCommandObject::KIND_CHECK, 1, -1},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.kind);
        CTestCommand command(c.kind);
        CRecordingCmdUI item;
        command.UpdateCmdUI(&item);
        EXPECT_EQ(item.enabled, 1);
        EXPECT_EQ(item.check, c.check);
        EXPECT_EQ(item.radio, c.radio);
        EXPECT_EQ(item.textCalls, 0);
    }
}

TEST(CommandObjectTest, OnlyATextSetDuringTheUpdateReachesTheItem)
{
    CTestCommand command(CCommandObject::KIND_PLAIN, TRUE, "&Undo Typing");
    CRecordingCmdUI first;
    command.UpdateCmdUI(&first);
    EXPECT_STREQ(first.text, "&Undo Typing");

    command.label = NULL;
    CRecordingCmdUI second;
    command.UpdateCmdUI(&second);
    EXPECT_EQ(second.textCalls, 0);
    EXPECT_TRUE(command.text.IsEmpty());
}

#include "framework/messages/CommandObject.h"
#include "framework/messages/CommandStateProvider.h"

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
        CTestCommand(int kind, BOOL enabled = TRUE, LPCTSTR label = NULL, UINT id = 0x8100)
            : CCommandObject(NULL, id, kind), enabled(enabled), label(label) {}

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

    // Answers the same state for every id it knows.
    class CTestProvider : public CCommandStateProvider
    {
    public:
        CTestProvider(int tableSize, BOOL enabled, int check, BOOL radio)
            : CCommandStateProvider(tableSize), enabled(enabled), check(check), radio(radio) {}
        BOOL IsEnabled(UINT) override { return enabled; }
        int GetCheck(UINT) override { return check; }
        BOOL GetRadio(UINT) override { return radio; }

        BOOL enabled;
        int check;
        BOOL radio;
    };

    class CommandStateProviderTest : public ::testing::Test
    {
    protected:
        void TearDown() override
        {
            for (int slot = 0; slot < COMMAND_STATE_PROVIDER_SLOTS; ++slot)
                SetCommandStateProvider(slot, NULL);
        }
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

// Slot 0 knows another id, slot 1 is empty, slot 2 knows the ids (all in one
// chain of a one-bucket table) and slot 3 knows one of them too.
TEST_F(CommandStateProviderTest, TheFirstSlotThatKnowsTheIdAnswers)
{
    CTestProvider other(17, TRUE, 2, TRUE), knowing(1, FALSE, 0, FALSE), later(17, TRUE, 1, TRUE);
    other.AddCommand(0x9000);
    knowing.AddCommand(0x8100);
    knowing.AddCommand(0x8210);
    later.AddCommand(0x8100);
    SetCommandStateProvider(0, &other);
    SetCommandStateProvider(2, &knowing);
    SetCommandStateProvider(3, &later);

    const struct
    {
        UINT id;
        CCommandStateProvider* provider;
        BOOL enabled;
        int check;
        BOOL radio;
    } cases[] = {
        {0x8100, &knowing, FALSE, 0, FALSE},
        {0x8210, &knowing, FALSE, 0, FALSE},
        {0x9000, &other, TRUE, 2, TRUE},
        {0x8101, NULL, TRUE, 1, TRUE},   // unknown, though in the one-bucket chain
    };
    for (const auto& test : cases)
    {
        SCOPED_TRACE(test.id);
        EXPECT_EQ(FindCommandStateProvider(test.id), test.provider);
        CTestCommand command(CCommandObject::KIND_CHECK, TRUE, NULL, test.id);
        EXPECT_EQ(command.IsEnabled(), test.enabled);
        EXPECT_EQ(command.GetCheck(), test.check);
        EXPECT_EQ(command.GetRadio(), test.radio);
        CRecordingCmdUI item;
        command.UpdateCmdUI(&item);
        EXPECT_EQ(item.enabled, test.enabled);
        EXPECT_EQ(item.check, test.check);
        EXPECT_EQ(command.Run(), test.enabled ? 1 : 0);
    }

    for (int slot = 0; slot < COMMAND_STATE_PROVIDER_SLOTS; ++slot)
        SetCommandStateProvider(slot, NULL);
    CTestCommand command(CCommandObject::KIND_CHECK);
    EXPECT_EQ(FindCommandStateProvider(0x8100), (CCommandStateProvider*)NULL);
    EXPECT_EQ(command.Run(), 1);
}

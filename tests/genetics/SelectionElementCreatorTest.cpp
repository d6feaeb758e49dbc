// The reader makes selection elements only through the registered maker, and
// words the maker's answers as reader errors.
#include "GeneticsTestSupport.h"

#include "foundation/containers/MyCmdTarget.h"
#include "genetics/SelectionElementCreator.h"

namespace
{
class CTestElement : public CMyCmdTarget
{
public:
    CMyCmdTarget* Clone() const override { return new CTestElement; }
};

// Knows "made" (takes options named "take...") and "broken" (a wrong option).
CMyCmdTarget* CreateTestElement(const CString& type, CGeneticsSection* section, CStringArray& options, CString& error)
{
    if (type.CompareNoCase("broken") == 0)
    {
        error = "bad option";
        return NULL;
    }
    if (type.CompareNoCase("made") != 0)
        return NULL;
    for (int i = 0; i < options.GetSize(); i++)
    {
        if (options[i].Find("take") == 0)
            options.RemoveAt(i--);
    }
    return new CTestElement;
}

class SelectionElementMaker : public ::testing::Test
{
protected:
    ~SelectionElementMaker() override { SetSelectionElementCreator(m_saved); }

    int ElementsAfterReading(const char* lines, CString& error)
    {
        CGeneticsConfig config;
        error = ReadConfigText(config, BasicGenesText() + lines);
        return error.IsEmpty() ? (int)config.GetSection(0)->m_selectionElements.GetSize() : -1;
    }

    SelectionElementCreator m_saved = SetSelectionElementCreator(&CreateTestElement);
};
} // namespace

TEST_F(SelectionElementMaker, AnswersBecomeReaderErrors)
{
    const struct
    {
        const char* lines;
        const char* error;
        int elements;
    } cases[] = {
        {"selectgenotype made take=1\nselectgenotype MADE take=2 take=3\n", "", 2},
        {"selectgenotype made take=1 other=2\n",
         "line 10, error in 'selectgenotype' line: unknown option(s): 'other=2'", -1},
        {"selectgenotype slider\n", "line 10, unknown element type 'slider' for 'selectgenotype' line", -1},
        {"selectgenotype broken take=1\n", "line 10, error in 'selectgenotype' line: bad option", -1},
    };
    for (const auto& c : cases)
    {
        CString error;
        EXPECT_EQ(ElementsAfterReading(c.lines, error), c.elements) << c.lines;
        EXPECT_TEXT(error, c.error) << c.lines;
    }
}

TEST_F(SelectionElementMaker, WithoutOneTheLinesAreCheckedAndMakeNothing)
{
    SetSelectionElementCreator(NULL);
    CString error;
    EXPECT_EQ(ElementsAfterReading("selectgenotype slider wide=1\n", error), 0);
    EXPECT_EQ(ElementsAfterReading("selectgenotype\n", error), -1);
    EXPECT_TEXT(error, "line 10, insufficient arguments for 'selectgenotype' line");
}

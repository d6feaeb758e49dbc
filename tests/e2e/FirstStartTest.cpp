// The three first starts without "Genetics.Gen": no standard configuration,
// exactly one (installed with its message and notes), several (the list).
#include "E2eSupport.h"

#include <gtest/gtest.h>

using namespace e2e;

TEST(FirstStart, WithoutConfigurationsTheMainWindowOpensUnconfigured)
{
    CProgramFolder folder("nocfg", {}, false);
    CProgramDriver driver;
    std::vector<std::string> messages;
    HWND main = StartUntil(driver, folder, MainCaption, &messages);
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(Contains(messages, "The genetics configuration is not set up. Click the Configure button when the "
                                   "main window shows."));
    EXPECT_EQ(CountContaining(messages, "Cannot find"), 0) << "quiet at start-up";
    CProgramDriver::TypeInto(main, FemaleGenotype, "Bb");
    EXPECT_EQ(CProgramDriver::ItemText(main, FemalePhenotype), "");
    EXPECT_FALSE(CProgramDriver::IsItemEnabled(main, Predict));
    EXPECT_FALSE(CProgramDriver::IsItemEnabled(main, Notes));
    EXPECT_FALSE(CProgramDriver::IsItemEnabled(main, FemaleSelect));
    EXPECT_FALSE(CProgramDriver::IsItemEnabled(main, MaleSelect));
    EXPECT_TRUE(CProgramDriver::IsItemEnabled(main, Configure));
    CProgramDriver::Screenshot(main, "main-dialog-unconfigured");
    CProgramDriver::Click(main, IDCANCEL);
    EXPECT_NE(driver.WaitForExit(), -1) << "the program ends";
}

TEST(FirstStart, OneConfigurationIsInstalledWithItsMessageAndNotes)
{
    CProgramFolder folder("onecfg", {"Labrador.gen"}, false);
    CProgramDriver driver;
    std::vector<std::string> messages;
    ASSERT_NE(StartUntil(driver, folder, "Genetics Configuration Notes - Labrador", &messages), nullptr);
    EXPECT_TRUE(Contains(messages, "The genetics configuration is about to be set to labrador Retriever")) <<
        (messages.empty() ? "" : messages.back());
    EXPECT_EQ(driver.FindWindowByCaption(ListCaption), nullptr) << "no list for a single configuration";
    ASSERT_TRUE(CloseWindow(driver, "Genetics Configuration Notes - Labrador"));
    HWND main = AnswerUntil(driver, MainCaption, &messages);
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(folder.ReadFile("Genetics.Gen"), folder.ReadFile("Configurations\\Labrador.gen"));
    EXPECT_TRUE(CProgramDriver::WaitForItemText(main, FemalePhenotype,
                                                [](const std::string& t) { return !t.empty(); }));
    CProgramDriver::Click(main, IDOK);
    EXPECT_NE(driver.WaitForExit(), -1) << "the program ends";
}

TEST(FirstStart, SeveralConfigurationsOfferTheListAndCancelEndsTheProgram)
{
    CProgramFolder folder("severalcfg", {"Labrador.gen", "GreatDane.gen", "Dachshund.gen"}, false);
    {
        CProgramDriver driver;
        HWND list = StartUntil(driver, folder, ListCaption, NULL);
        ASSERT_NE(list, nullptr);
        CProgramDriver::Click(list, IDCANCEL);
        EXPECT_NE(driver.WaitForExit(), -1) << "the program ends";
        EXPECT_EQ(driver.FindWindowByCaption(MainCaption), nullptr);
        EXPECT_FALSE(folder.Exists("Genetics.Gen"));
    }
    CProgramDriver driver;
    HWND list = StartUntil(driver, folder, ListCaption, NULL);
    ASSERT_NE(list, nullptr);
    HWND box = ::GetDlgItem(list, ConfigList);
    ASSERT_EQ(::SendMessageA(box, LB_GETCOUNT, 0, 0), 3);
    // The first item (sorted) is selected and described.
    EXPECT_EQ(::SendMessageA(box, LB_GETCURSEL, 0, 0), 0);
    EXPECT_NE(CProgramDriver::ItemText(list, ConfigComments).find("Dachshund"), std::string::npos)
        << CProgramDriver::ItemText(list, ConfigComments);
    EXPECT_FALSE(CProgramDriver::ItemText(list, ConfigVersion).empty());
    ::SendMessageA(box, LB_SETCURSEL, 1, 0);  // GreatDane
    CProgramDriver::Click(list, IDOK);
    ASSERT_TRUE(CloseWindow(driver, "Genetics Configuration Notes - GreatDane"));
    ASSERT_NE(AnswerUntil(driver, MainCaption, NULL), nullptr);
    EXPECT_EQ(folder.ReadFile("Genetics.Gen"), folder.ReadFile("Configurations\\GreatDane.gen"));
}

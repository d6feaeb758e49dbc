#pragma once
// What the end-to-end tests share: the control ids of the program's windows
// and the start of the program up to its main window.

#include "ProgramDriver.h"

#include <string>
#include <vector>

namespace e2e
{
// Main dialog.
const int FemaleGenotype = 41435, MaleGenotype = 41436, FemalePhenotype = 41439, MalePhenotype = 41440;
const int ShowAssumed = 41445, Predict = 41438, Configure = 41444, Notes = 41443, Help = 57670;
const int FemaleSelect = 41431, MaleSelect = 41432, ReportText = 40189, ReportHeading = 40188;
const int CopyButton = 40187, PrintButton = 40191;
// Configuration list.
const int ConfigList = 41430, ConfigVersion = 41433, ConfigComments = 41429;

const char MainCaption[] = "Kestrova";
const char ListCaption[] = "Select Genetics Configuration";
const char HelpQuestion[] = "Would you like to display the Help file";
const char NoPrinter[] = "There does not appear to be a default printer";

// Starts the program and answers what comes before a window of that caption
// (the help question with No, any other message with OK); the texts of the
// messages answered go into messages. Null when the window did not come.
HWND StartUntil(CProgramDriver& driver, const CProgramFolder& folder, const std::string& caption,
                std::vector<std::string>* messages, const std::string& arguments = "");
// Answers messages (as above) until a window of that caption shows.
HWND AnswerUntil(CProgramDriver& driver, const std::string& caption, std::vector<std::string>* messages,
                 DWORD milliseconds = 15000);
// Closes the viewer or list of that caption with its OK button; FALSE when it
// did not come.
bool CloseWindow(CProgramDriver& driver, const std::string& caption, int button = IDOK);
// The report pane's text with "\r\n" made "\n", from its first "potential"
// heading on.
std::string ReportFromFirstHeading(const std::string& report);
// What predict.exe prints for the configuration and genotypes.
std::string PredictToolOutput(const std::string& configuration, const std::string& mother, const std::string& father);
bool Contains(const std::vector<std::string>& texts, const std::string& part);

// A program started in a folder of its own, with its main window up.
class CStartedProgram
{
public:
    CStartedProgram(const char* name, const std::vector<std::string>& configurations);
    // FALSE when the main window did not come.
    bool Start();

    CProgramFolder m_folder;
    CProgramDriver m_driver;
    std::vector<std::string> m_messages;
    HWND m_main = NULL;
};
int CountContaining(const std::vector<std::string>& texts, const std::string& part);
}  // namespace e2e

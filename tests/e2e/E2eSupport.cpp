#include "E2eSupport.h"

namespace e2e
{
HWND AnswerUntil(CProgramDriver& driver, const std::string& caption, std::vector<std::string>* messages,
                 DWORD milliseconds)
{
    const DWORD end = ::GetTickCount() + milliseconds;
    for (;;)
    {
        HWND window = driver.FindWindowByCaption(caption);
        if (window != NULL && ::IsWindowEnabled(window))
            return window;
        std::string text;
        if (driver.FindMessageBox(&text) != NULL)
        {
            const int answer = text.find(HelpQuestion) != std::string::npos ? IDNO : IDOK;
            text = driver.AnswerMessageBox(answer, 1000);
            if (messages != NULL && !text.empty())
                messages->push_back(text);
        }
        if ((LONG)(end - ::GetTickCount()) <= 0 || !driver.IsRunning())
            return NULL;
        ::Sleep(5);
    }
}

HWND StartUntil(CProgramDriver& driver, const CProgramFolder& folder, const std::string& caption,
                std::vector<std::string>* messages, const std::string& arguments)
{
    if (!driver.Start(folder.Path(), arguments))
        return NULL;
    return AnswerUntil(driver, caption, messages);
}

bool CloseWindow(CProgramDriver& driver, const std::string& caption, int button)
{
    HWND window = driver.WaitForWindow(caption, 10000);
    if (window == NULL)
        return false;
    CProgramDriver::Click(window, button);
    for (int i = 0; i < 1000 && ::IsWindow(window) && ::IsWindowVisible(window); i++)
        ::Sleep(5);
    return !::IsWindowVisible(window);
}

std::string ReportFromFirstHeading(const std::string& report)
{
    std::string plain;
    for (size_t i = 0; i < report.size(); i++)
    {
        if (report[i] == '\r' && i + 1 < report.size() && report[i + 1] == '\n')
            continue;
        plain += report[i];
    }
    // The first line that holds " potential " starts the lists.
    size_t line = 0;
    while (line < plain.size())
    {
        const size_t end = plain.find('\n', line);
        const std::string text = plain.substr(line, end == std::string::npos ? std::string::npos : end - line);
        if (text.find(" potential ") != std::string::npos || text.rfind("Error: ", 0) == 0)
            return plain.substr(line);
        if (end == std::string::npos)
            break;
        line = end + 1;
    }
    return std::string();
}

std::string PredictToolOutput(const std::string& configuration, const std::string& mother, const std::string& father)
{
    return RunAndCapture("\"" + BuildFolder() + "\\predict.exe\" \"" + configuration + "\" \"" + mother + "\" \"" +
                         father + "\"");
}

CStartedProgram::CStartedProgram(const char* name, const std::vector<std::string>& configurations)
    : m_folder(name, configurations, true)
{
}

bool CStartedProgram::Start()
{
    m_main = StartUntil(m_driver, m_folder, MainCaption, &m_messages);
    return m_main != NULL;
}

bool Contains(const std::vector<std::string>& texts, const std::string& part)
{
    return CountContaining(texts, part) > 0;
}

int CountContaining(const std::vector<std::string>& texts, const std::string& part)
{
    int count = 0;
    for (const std::string& text : texts)
        count += text.find(part) != std::string::npos;
    return count;
}
}  // namespace e2e

#include "ConfigurationReading.h"

#include "foundation/files/ByteBuffer.h"
#include "foundation/terminology/TerminologySetup.h"
#include "foundation/text/TextLines.h"
#include "genetics/ConfigurationFile.h"
#include "genetics/GeneticsConfigLoad.h"
#include "foundation/windows/OwnedHandle.h"

#include <string.h>

void EnsureDefaultTerms()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    InitProductTerms();
    InitDefaultTerms();
}

void SplitConfigText(const char* text, CStringArray& lines)
{
    CByteBuffer buffer;
    const DWORD length = (DWORD)strlen(text);
    buffer.SetSize(length);
    if (length > 0)
        memcpy(buffer.GetData(), text, length);
    buffer.ConvertCrLfToLf();
    SplitBufferLines(lines, buffer, TRUE);
}

CString ReadConfigText(CGeneticsConfig& config, const char* text)
{
    EnsureDefaultTerms();
    CStringArray lines;
    SplitConfigText(text, lines);
    return config.Read(lines);
}

CString ReadConfigFile(CGeneticsConfig& config, const char* path)
{
    EnsureDefaultTerms();
    CStringArray lines;
    const CString error = ReadConfigurationFile(path, lines);
    return error.IsEmpty() ? config.Read(lines) : error;
}

std::vector<CString> ShippedConfigurations()
{
    std::vector<CString> names;
    WIN32_FIND_DATAA found;
    CFindHandle search(::FindFirstFileA(KESTROVA_SOURCE_DIR "/configurations/*.txt", &found));
    if (!search)
        return names;
    do
        names.push_back(found.cFileName);
    while (::FindNextFileA(search, &found));
    return names;
}

CString LoadShippedConfiguration(CGeneticsConfig& config, const char* name)
{
    RefreshSexLetterTexts();
    return ReadConfigFile(config, CString(KESTROVA_SOURCE_DIR "/configurations/") + name);
}

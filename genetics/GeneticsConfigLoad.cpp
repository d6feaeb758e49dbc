#include "genetics/GeneticsConfigLoad.h"

#include <memory>
#include <utility>

#include "foundation/files/ByteBuffer.h"
#include "foundation/files/FileErrors.h"
#include "foundation/files/FileOperations.h"
#include "foundation/files/PathText.h"
#include "foundation/files/ProgramFolder.h"
#include "foundation/files/SealedFile.h"
#include "foundation/text/TextLines.h"
#include "genetics/ExpandTerms.h"
#include "genetics/GeneticsConfig.h"

CGeneticsConfig* CurrentGeneticsConfig = NULL;
BOOL GeneticsConfigLoadFailed = FALSE;
const CString GeneticsConfigStatusMessage(
    "The Genetics configuration file has not been selected, or contains an error.");
CString MaleLetterText;
CString FemaleLetterText;
CString MaleLetterSuffix;
CString FemaleLetterSuffix;

static const char GeneticsConfigFileName[] = "Genetics.Gen";
static const char StandardConfigFolderName[] = "Configurations";

static GeneticsErrorSink ErrorSink = NULL;

GeneticsErrorSink SetGeneticsErrorSink(GeneticsErrorSink sink)
{
    return std::exchange(ErrorSink, sink);
}

GeneticsErrorSink GetGeneticsErrorSink()
{
    return ErrorSink;
}

static void ReportLoadError(const CString& text)
{
    if (ErrorSink != NULL)
        ErrorSink(text);
}

void RefreshSexLetterTexts()
{
    MaleLetterText = ExpandTerms("~MaleLetter~");
    FemaleLetterText = ExpandTerms("~FemaleLetter~");
    MaleLetterSuffix.Format(" (%s)", (LPCTSTR)MaleLetterText);
    FemaleLetterSuffix.Format(" (%s)", (LPCTSTR)FemaleLetterText);
}

void GetGeneticsConfigPath(CString* path, CString* fileName, int* fileKind)
{
    if (path != NULL)
        *path = JoinPath(ProgramFolder, GeneticsConfigFileName);
    if (fileName != NULL)
        *fileName = GeneticsConfigFileName;
    if (fileKind != NULL)
        *fileKind = GENETICS_CONFIG_FILE_KIND;
}

CString GetStandardConfigFolder()
{
    return JoinPath(ProgramFolder, StandardConfigFolderName);
}

// The sealed file's lines; FALSE when it cannot be read.
static BOOL ReadSealedLines(const char* path, CStringArray& lines)
{
    CByteBuffer buffer;
    const BOOL read = buffer.LoadSealedFile(path, SealKeyGeneticsConfiguration);
    if (read)
    {
        buffer.ConvertCrLfToLf();
        SplitBufferLines(lines, buffer, TRUE);
    }
    buffer.Free();
    return read;
}

BOOL ReadTextFile(const char* path, int fileKind, CStringArray& lines, BOOL report)
{
    if (ReadSealedLines(path, lines))
        return TRUE;
    if (report)
        ReportLoadError(FormatFileError(5, path, fileKind));
    return FALSE;
}

BOOL ReadGeneticsConfigFile(const char* path, CGeneticsConfig& config, CString& error)
{
    CStringArray lines;
    if (!ReadSealedLines(path, lines))
        return FALSE;
    error = config.Read(lines);
    return TRUE;
}

void SetCurrentGeneticsConfig(CGeneticsConfig* config)
{
    RefreshSexLetterTexts();
    ReleaseGeneticsConfig();
    CurrentGeneticsConfig = config;
    GeneticsConfigLoadFailed = FALSE;
}

CString GetGeneticsConfigError()
{
    return CurrentGeneticsConfig != NULL ? CString() : GeneticsConfigStatusMessage;
}

void ReleaseGeneticsConfig()
{
    delete CurrentGeneticsConfig;
    CurrentGeneticsConfig = NULL;
}

void ExitGenetics()
{
    ReleaseGeneticsConfig();
}

BOOL LoadGeneticsConfig(BOOL force, BOOL report)
{
    RefreshSexLetterTexts();
    if (!force && (CurrentGeneticsConfig != NULL || GeneticsConfigLoadFailed))
        return !GeneticsConfigLoadFailed;
    GeneticsConfigLoadFailed = FALSE;
    ReleaseGeneticsConfig();

    CString path, fileName;
    int fileKind = 0;
    GetGeneticsConfigPath(&path, &fileName, &fileKind);
    if (!IsNormalFile(path))
    {
        if (report)
            ReportLoadError(FormatFileError(20, path, fileKind));
        GeneticsConfigLoadFailed = TRUE;
        return FALSE;
    }
    auto config = std::make_unique<CGeneticsConfig>();
    CString error;
    const BOOL read = ReadGeneticsConfigFile(path, *config, error);
    if (read && error.IsEmpty())
    {
        CurrentGeneticsConfig = config.release();
        return TRUE;
    }
    config.reset();
    if (report)
    {
        CString message;
        if (read)
            message.Format("Error in %s, %s", (LPCTSTR)fileName, (LPCTSTR)error);
        else
            message = FormatFileError(5, path, fileKind);
        ReportLoadError(message);
    }
    GeneticsConfigLoadFailed = TRUE;
    return FALSE;
}

#pragma once

#include "afx/core/AfxCore.h"

class CGeneticsConfig;

// The current configuration and the module's texts.
extern CGeneticsConfig* CurrentGeneticsConfig;
extern BOOL GeneticsConfigLoadFailed;
extern const CString GeneticsConfigStatusMessage;
extern CString MaleLetterText;
extern CString FemaleLetterText;
extern CString MaleLetterSuffix;
extern CString FemaleLetterSuffix;

// File kind of the standard genetics configuration.
const int GENETICS_CONFIG_FILE_KIND = 13;

BOOL LoadGeneticsConfig(BOOL force, BOOL report);
// Reads the sealed configuration file at the path into the configuration,
// reporting nothing. FALSE when the file cannot be read; otherwise TRUE, and
// error holds the configuration's first error (empty when it has none).
BOOL ReadGeneticsConfigFile(const char* path, CGeneticsConfig& config, CString& error);
// Makes the configuration, read without error, the current one in place of
// the one loaded before; it is owned from then on.
void SetCurrentGeneticsConfig(CGeneticsConfig* config);
void GetGeneticsConfigPath(CString* path, CString* fileName, int* fileKind);
BOOL ReadTextFile(const char* path, int fileKind, CStringArray& lines, BOOL report);
CString GetGeneticsConfigError();
CString GetStandardConfigFolder();
void ReleaseGeneticsConfig();
void ExitGenetics();
void RefreshSexLetterTexts();

// Where load errors go: nowhere until the application installs its message
// (or a test its collector); returns the sink installed before.
typedef void (*GeneticsErrorSink)(const CString& text);
GeneticsErrorSink SetGeneticsErrorSink(GeneticsErrorSink sink);
GeneticsErrorSink GetGeneticsErrorSink();

#include "GeneticsTestSupport.h"

#include "TestSealer.h"
#include "foundation/files/ProgramFolder.h"
#include "genetics/GeneticsConfigLoad.h"

#include <stdio.h>
#include <string.h>

CString GeneticsDataPath(const char* name)
{
    return CString(KESTROVA_SOURCE_DIR "/tests/data/genetics/") + name;
}

CString ReadConfigDataFile(CGeneticsConfig& config, const char* name)
{
    return ReadConfigFile(config, GeneticsDataPath(name));
}

CTestConfig::CTestConfig(const char* text)
{
    const CString error = ReadConfigText(m_config, text);
    EXPECT_TEXT(error, "") << text;
}

CGenotype ParseGenotype(const CGeneticsSection* section, const char* text, int sex, UINT flags)
{
    CGenotype genotype;
    const CString error = genotype.Parse(section, text, sex, flags);
    EXPECT_TEXT(error, "") << "parsing " << text;
    return genotype;
}

CString GenotypeError(const CGeneticsSection* section, const char* text, int sex, UINT flags)
{
    CGenotype genotype;
    return genotype.Parse(section, text, sex, flags);
}

CString BasicGenesText(BOOL zw)
{
    CString text = "[genes Main]\n";
    if (zw)
        text += "sexsystem zw\n";
    text += "gene B B:60, b\n"
            "gene D D, d\n"
            "gene E E, e\n"
            "gene Xo Xo:50, xo:50\n"
            "gene Yg Yg, yg\n"
            "polygene Height places=1 default=5 ranges=0,Short,10,Tall,20\n"
            "X-link Xo\n"
            "Y-link Yg\n";
    return text;
}

static CStringArray LoadErrors;

static void CollectLoadError(const CString& text)
{
    LoadErrors.Add(text);
}

CString LoadSealedConfigText(const char* text)
{
    EnsureDefaultTerms();
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const CString folder = CString(temp) + "KestrovaGeneticsTest";
    CreateDirectoryA(folder, NULL);
    const std::string sealed = SealConfigurationText(text);
    FILE* file = fopen(folder + "\\Genetics.Gen", "wb");
    if (file == NULL)
        return "cannot write the scratch configuration";
    fwrite(sealed.data(), 1, sealed.size(), file);
    fclose(file);

    const CString savedFolder = ProgramFolder;
    ProgramFolder = folder;
    GeneticsErrorSink savedSink = SetGeneticsErrorSink(&CollectLoadError);
    LoadErrors.RemoveAll();
    const BOOL loaded = LoadGeneticsConfig(TRUE, TRUE);
    SetGeneticsErrorSink(savedSink);
    ProgramFolder = savedFolder;
    ReleaseGeneticsConfig();
    GeneticsConfigLoadFailed = FALSE;
    DeleteFileA(folder + "\\Genetics.Gen");
    RemoveDirectoryA(folder);
    if (loaded)
        return LoadErrors.GetSize() == 0 ? CString() : CString("loaded, yet reported: ") + LoadErrors[0];
    return LoadErrors.GetSize() == 1 ? LoadErrors[0] : CString("failed without one report");
}

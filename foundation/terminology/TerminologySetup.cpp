#include "foundation/terminology/TerminologySetup.h"

#include "foundation/files/ProgramFolder.h"
#include "foundation/settings/AppRegistryKey.h"
#include "foundation/settings/RegionalSettings.h"
#include "foundation/settings/RegistryKey.h"
#include "foundation/terminology/TerminologyDefaults.h"
#include "foundation/terminology/TermsMap.h"
#include "foundation/terminology/TokenExpander.h"

namespace
{
    std::vector<RenamableTerm>& RenamableTerms()
    {
        static std::vector<RenamableTerm> terms;
        return terms;
    }

    CString Expand(LPCTSTR text)
    {
        CString result;
        ExpandTokens(text, result, NULL, NULL, '~', '~');
        return result;
    }

    CString CurrentTextOf(LPCTSTR name)
    {
        CString token;
        token.Format("~%s~", name);
        return Expand(token);
    }
}

void InitProductTerms()
{
    SetTerm("Config", "Zelko", FALSE);
    SetTerm("config", "zelko", FALSE);
    SetTerm("CONFIG", "ZELKO", FALSE);

    SetTerm("AppDir", "Kestrova", TRUE);
    SetTerm("mirolfdomain", IsCountryUnitedKingdom() ? "mirolf.co.uk" : "mirolf.com", TRUE);
    SetTerm("AppName", "Kestrova", TRUE);
    SetTerm("ProductName", "Kestrova for Vodi", TRUE);
    SetTerm("FullAppName", "Kestrova for Vodi 2", TRUE);
}

void InitDefaultTerms()
{
    SetTerm("InstDir", ProgramFolder, FALSE);

    for (int i = 0; i < DefaultTermCount; ++i)
        SetTerm(DefaultTermTable[i].name, Expand(DefaultTermTable[i].text), TRUE);

    for (int i = 0; i < RenamableTermCount; ++i)
    {
        LPCTSTR name = RenamableTermTable[i];
        SetTerm(name, CurrentTextOf(name), TRUE);
        AddRenamableTerm(name, TRUE);
    }

    LoadUserTerms();
    ApplyUserTerms();
}

void AddRenamableTerm(LPCTSTR name, BOOL caseVariants)
{
    RenamableTerm term;
    term.name = name;
    term.text = CurrentTextOf(name);
    term.caseVariants = caseVariants;
    RenamableTerms().push_back(term);
}

CString GetTerminologyRegistryRoot()
{
    return Expand("Software\\Mirolf Technologies Ltd\\~AppDir~\\");
}

LONG LoadUserTerms()
{
    CString root = GetTerminologyRegistryRoot();
    CRegistryKey key;
    if (!OpenRegistryKey("Terminology", key, FALSE, KEY_READ | KEY_WRITE, 0, root, HKEY_CURRENT_USER))
        return key.Close();

    std::vector<RenamableTerm>& terms = RenamableTerms();
    for (size_t i = 0; i < terms.size(); ++i)
    {
        CString text;
        if (key.QueryString(terms[i].name, text))
            terms[i].text = text;
    }
    return key.Close();
}

void ApplyUserTerms()
{
    const std::vector<RenamableTerm>& terms = RenamableTerms();
    for (size_t i = 0; i < terms.size(); ++i)
        SetTerm(terms[i].name, terms[i].text, terms[i].caseVariants);
}

const std::vector<RenamableTerm>& GetRenamableTerms()
{
    return RenamableTerms();
}

void ReleaseRenamableTerms()
{
    std::vector<RenamableTerm>().swap(RenamableTerms());
}

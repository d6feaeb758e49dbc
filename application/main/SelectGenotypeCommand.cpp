#include "application/main/SelectGenotypeCommand.h"

#include "application/main/GeneticsMainDlg.h"
#include "application/main/MainDlgIds.h"
#include "application/selection/SelectGenotypeRequest.h"
#include "foundation/text/Trim.h"
#include "framework/messages/MessageRoutines.h"
#include "genetics/ExpandTerms.h"
#include "genetics/GeneticsConfigLoad.h"
#include "genetics/GeneticsSection.h"

CSelectGenotypeCommand::CSelectGenotypeCommand(CGeneticsMainDlg* dialog, int sex)
    : CMainDlgCommand(dialog, sex == PARENT_MALE ? IDC_MAIN_MALE_SELECT : IDC_MAIN_FEMALE_SELECT),
      m_nEditId(sex == PARENT_MALE ? IDC_MAIN_MALE_GENOTYPE : IDC_MAIN_FEMALE_GENOTYPE), m_nSex(sex)
{
}

BOOL CSelectGenotypeCommand::IsEnabled()
{
    // Without a rules section there is nothing to select from, as for Notes...
    return CCommandObject::IsEnabled() && CurrentGeneticsConfig != NULL && GetGeneticsConfigError().IsEmpty() &&
           CGeneticsMainDlg::GetRulesSection() != NULL;
}

int CSelectGenotypeCommand::Execute()
{
    CGeneticsSection* rules = CGeneticsMainDlg::GetRulesSection();
    CGeneticsSection* genes = rules != NULL ? rules->GetGenesSection() : NULL;
    if (genes == NULL)
        return 0;
    CSelectGenotypeRequest request(m_nSex, rules, genes, m_dialog);
    CString text;
    m_dialog->GetDlgItemText(m_nEditId, text);
    TrimString(&text);
    if (!text.IsEmpty())
    {
        const CString error = request.m_genotype.Parse(rules, text, m_nSex, 0);
        if (!error.IsEmpty())
        {
            ShowError(NULL, 0, "Error in %s '%s' - %s", (LPCTSTR)ExpandTerms("~genotype~"), (LPCTSTR)text,
                      (LPCTSTR)error);
            return 0;
        }
    }
    if (request.Run() != 1)
        return 0;
    m_dialog->SetDlgItemText(m_nEditId, request.m_genotype.Format(genes, 0));
    return 1;
}

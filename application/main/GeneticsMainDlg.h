#pragma once
// The program's one working window: the genotypes of a female and a male,
// each parent's phenotype recomputed after every keystroke, and the commands
// that predict the mating, choose a configuration and show its notes. The
// lower part is the text viewer that shows the mating report.
#include "application/viewer/TextViewerDlg.h"
#include "genetics/Genotype.h"

class CGeneticsSection;

// Indexes the per-parent members; also the sex handed to the genetics engine.
enum ParentSex
{
    PARENT_FEMALE = 0,
    PARENT_MALE = 1,
    PARENT_COUNT = 2
};

class CGeneticsMainDlg : public CTextViewerDlg
{
public:
    explicit CGeneticsMainDlg(CWnd* parent);

    INT_PTR DoModal() override;
    BOOL OnInitDialog() override;
    BOOL PreTranslateMessage(MSG* msg) override;
    CString GetToolTipText(UINT controlId, CWnd* control) override;

    // The first rules section of the current configuration, or null.
    static CGeneticsSection* GetRulesSection();

    void UpdatePhenotype(UINT editId, UINT outputId, int sex);
    void RefreshPhenotypes();
    // FALSE when the program is to end without showing the main window.
    BOOL CheckConfigAtStart(BOOL& report);
    // The report of the two parents as they stand (line ends "\n").
    CString BuildReport();

    BOOL IsParentValid(int sex) const { return m_valid[sex]; }

    CButton m_showAssumedButton;
    int m_showAssumed;
    HICON m_hIcon;
    int m_updateLock;
    int m_valid[PARENT_COUNT];
    CString m_genotypeText[PARENT_COUNT];
    CString m_phenotypeText[PARENT_COUNT];
    CString m_assumedText[PARENT_COUNT];
    CGenotype m_genotype[PARENT_COUNT];

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    afx_msg void OnFemaleGenotypeChanged();
    afx_msg void OnMaleGenotypeChanged();
    afx_msg void OnShowAssumed();
    afx_msg void OnConfigure();
    afx_msg void OnUpdateConfigure(CCmdUI* pCmdUI);
    afx_msg void OnPredictMating();
    afx_msg void OnUpdatePredictMating(CCmdUI* pCmdUI);
    afx_msg void OnConfigNotes();
    afx_msg void OnUpdateConfigNotes(CCmdUI* pCmdUI);
    afx_msg void OnSelectFemale();
    afx_msg void OnUpdateSelectFemale(CCmdUI* pCmdUI);
    afx_msg void OnSelectMale();
    afx_msg void OnUpdateSelectMale(CCmdUI* pCmdUI);
    afx_msg void OnHelp();
    afx_msg void OnSysCommand(UINT id, LPARAM lParam);
    afx_msg void OnPaint();
    afx_msg HCURSOR OnQueryDragIcon();
    // Printer data are built again after Windows changed its settings.
    afx_msg LRESULT OnSettingChange(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()
};

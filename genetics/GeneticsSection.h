#pragma once

#include "afx/core/AfxCore.h"
#include "foundation/containers/OwningObArray.h"
#include "foundation/containers/BitSet.h"
#include "genetics/AllelePair.h"
#include "genetics/Genotype.h"
#include "genetics/GeneDef.h"

class CGeneticsConfig;
class CExprNode;
class CGeneticsExprNode;
class CMatingResult;
class CGametePattern;

// Rule kinds, numbered as their keywords.
const UINT RULE_NONE = 0;
const UINT RULE_LETHAL = 1;
const UINT RULE_MEANS = 2;
const UINT RULE_SAY = 3;
const UINT RULE_ASSUMED = 4;
const UINT RULE_ASSUMED_IF_FEMALE = 5;
const UINT RULE_ASSUMED_IF_MALE = 6;
const UINT RULE_CARRIES = 7;
const UINT RULE_MASKS = 8;
const UINT RULE_GOTO = 9;

// Sex systems.
const UINT SEXSYSTEM_ZW = 0;
const UINT SEXSYSTEM_XY = 1;

// Symbol look-up flags (which special symbols are allowed).
const UINT SYMBOL_DASH_IS_ANY = 0x1;
const UINT SYMBOL_BANG_IS_NONE = 0x2;
const UINT SYMBOL_UNKNOWN = 0x4;      // "?" (and "-" without 0x1) is ALLELE_UNKNOWN

// Flags of CGeneticsSection::GetSymbolName.
const UINT SYMBOLNAME_QUESTION_MARK = 0x1;

// One genes or rules section of a genetics configuration: genes, symbols,
// sex system, linkage, descriptions, rules and selection elements.
class CGeneticsSection : public CObject
{
    DECLARE_DYNAMIC(CGeneticsSection)
public:
    CGeneticsSection();
    virtual ~CGeneticsSection();

    void Reset();

    // Reading (ConfigStatementParser.cpp).
    CString ParseStatements(const CStringArray& lines, const CDWordArray& lineNumbers);
    // Takes over the content of the section it is based on ("baseon").
    void CopyFromBase(const CGeneticsSection& base);

    // Genes.
    UINT FindGene(const CString& name) const;
    UINT GetGeneCount() const { return (UINT)m_geneNames.GetSize() - 1; }
    const CString& GetGeneName(UINT gene) const;
    CGeneDef* GetGeneDef(UINT gene) const;
    UINT AddGene(const CString& name, BOOL polygene);
    CGeneticsSection* GetGenesSection();
    const CGeneticsSection* GetGenesSection() const;
    CGeneticsSection* GetBaseSection() const;
    BOOL IsCommaNeeded(UINT gene) const;
    void UpdateCommaNeeded();

    // Symbols (GeneticsSectionSymbols.cpp).
    CString LookupSymbol(const CString& name, UINT flags, UINT& code) const;
    CString AddSymbol(const CString& name, UINT gene, double share, UINT& code);
    // Reads a word written without a comma, such as "Bb", as the two symbols
    // of one pair: the first split from the left whose halves are symbols of
    // one gene, or of which one is "!", "?" or "-".
    BOOL SplitPairWord(const CString& word, CString& first, CString& second) const;
    const CString& GetSymbolName(UINT code, UINT flags = 0) const;
    const CString& GetSymbolDescription(UINT code) const;
    UINT GetSymbolGene(UINT code) const;
    double GetSymbolShare(UINT code) const;
    UINT GetSymbolCount() const { return (UINT)m_symbolNames.GetSize() - 1; }
    CString CheckAlleleForSex(UINT code, int sex, int side, UINT& gene) const;
    BOOL CanCarryAllele(UINT gene, int sex, int side) const;
    CString CheckRangeSymbol(UINT code, UINT& gene) const;
    BOOL FindPairDescription(const CAllelePair& pair, CString& text, int& sex) const;
    BOOL IsHeterogametic(int sex) const;
    int GetHeterogameticSex() const { return m_nSexSystem == SEXSYSTEM_XY ? SEX_MALE : SEX_FEMALE; }
    int GetHomogameticSex() const { return m_nSexSystem == SEXSYSTEM_XY ? SEX_FEMALE : SEX_MALE; }

    // Rules (GeneticsSectionRules.cpp).
    static CString GetRuleKeyword(UINT kind);
    static UINT FindRuleKind(const CString& word);
    static CString GetSharedChromosomeName();
    static CString GetUnsharedChromosomeName();
    int GetRuleCount() const { return m_ruleKinds.GetSize(); }
    void AddRule(UINT kind, CExprNode* condition, CGenotype* genotype, const CString& text);
    CExprNode* GetRuleCondition(int rule) const;
    CGenotype* GetRuleGenotype(int rule) const;
    BOOL FindNamedCondition(const CString& name, CExprNode*& tree) const;
    // Changes whenever any section is reset or destroyed, so that a look-up
    // cached against a section's address is known to be stale when another
    // section has since been built at that address.
    static UINT GetSectionGeneration();
    int AddAssumedAlleles(CGenotype& genotype, int sex, CGenotype* assumed = NULL,
                          const CDWordArray* geneFilter = NULL);
    int RemoveAssumedAlleles(CGenotype& genotype, int sex, CGenotype* removed = NULL,
                             const CDWordArray* geneFilter = NULL);
    BOOL FindAssumedPair(CAllelePair& pair, UINT gene, int sex) const;

    // Phenotype deduction.
    CString DeducePhenotype(const CGenotype& genotype, int mode, CString* rulesSectionName = NULL);
    void CollectPhenotypeWords(const CGenotype& genotype, CStringArray& words, CString* rulesSectionName);
    void CollectCarriedTraits(const CGenotype& genotype, CStringArray& traits);
    BOOL IsLethal(const CGenotype& genotype);
    // The words of a rule's text as deduction shows them (SplitRuleWords,
    // joined by single blanks), worked out once per text.
    const CString& GetRuleWords(int rule);

    // Gene linkage tables.
    CString BuildLinkageTables();
    UINT FindChainHead(const CBitSet& visited, UINT type) const;
    BOOL WalkChain(UINT first, CDWordArray& genes, CArray<double, double>& femaleProbs,
                   CArray<double, double>& maleProbs, CBitSet& visited) const;
    BOOL CollectChains(UINT type, CDWordArray& genes, CArray<double, double>& femaleProbs,
                       CArray<double, double>& maleProbs) const;
    void AddLinkageTable(const CDWordArray& genes, int intervals, const CArray<double, double>& femaleProbs,
                         const CArray<double, double>& maleProbs);

    // Mating prediction.
    CString PredictMating(CMatingResult& result, const CGenotype& maternal, const CGenotype& paternal);

    // Identity.
    CGeneticsConfig* m_pConfig;
    BOOL m_bGenes;
    CString m_strName;
    CString m_strBaseName;
    UINT m_nSexSystem;

    // Genes, indexed by gene number; entry 0 is reserved.
    COwningObArray m_geneDefs;
    CStringArray m_geneNames;
    CBitSet m_commaNeeded;
    CStringArray m_geneDescriptions;

    // Symbols, indexed by allele code; entry 0 is reserved.
    CStringArray m_symbolNames;
    CStringArray m_symbolDescriptions;
    CDWordArray m_symbolGenes;
    CArray<double, double> m_symbolShares;

    // "describe genotype" pairs with their texts and the sexes they show.
    CArray<CAllelePair, const CAllelePair&> m_describedPairs;
    CStringArray m_describedTexts;
    CDWordArray m_describedSexes;

    // Rules, four parallel lists.
    CDWordArray m_ruleKinds;
    COwningObArray m_ruleConditions;  // CGeneticsExprNode trees
    COwningObArray m_ruleGenotypes;   // CGenotype
    CStringArray m_ruleTexts;

    // Linkage tables, each element a COwningObArray of CGametePattern: the
    // prediction (CMatingPredictor) keeps its working values itself.
    COwningObArray m_femaleTables;
    COwningObArray m_maleTables;

    // Selection elements of the genotype selection form (CGenSelElement).
    COwningObArray m_selectionElements;

private:
    int WorkAssumedAlleles(CGenotype& genotype, int sex, CGenotype* out, const CDWordArray* geneFilter,
                           BOOL remove);

    // Name look-ups kept beside the name tables. Nothing lists them, so their
    // bucket count changes no visible order: AddToIndex keeps at least as
    // many buckets as names, so that a look-up stays short however many
    // genes and alleles a configuration defines.
    CMap<CString, LPCTSTR, UINT, UINT> m_geneIndex;
    CMap<CString, LPCTSTR, UINT, UINT> m_symbolIndex;
    static void AddToIndex(CMap<CString, LPCTSTR, UINT, UINT>& index, const CString& name, UINT value);

    // GetRuleWords' results with the rule texts they were made from: a text
    // still sharing the buffer it was made from cannot have changed.
    CStringArray m_ruleWordSources;
    CStringArray m_ruleWords;
};

// "line %d", or "line %d (genetics extension file)" for negative numbers.
CString FormatLineReference(int line);
// Letters, digits and underscores, at least one.
BOOL IsValidName(const CString& text);

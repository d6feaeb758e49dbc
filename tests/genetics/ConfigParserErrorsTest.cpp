// Every message of the statement parser and the reader, with its location.
#include "GeneticsTestSupport.h"

namespace
{
struct ErrorCase
{
    const char* text;   // appended to the basic genes section (9 lines)
    const char* error;
};

CString ReadAfterBasic(const char* text)
{
    CGeneticsConfig config;
    return ReadConfigText(config, BasicGenesText() + text);
}

const ErrorCase StatementErrors[] = {
    // baseon
    {"[genes Two]\nbaseon Main\nbaseon Main\n", "line 12, multiple 'baseon's not permitted"},
    {"baseon Main\n", "line 10, baseon 'Main' not known"},
    {"[rules R]\nbaseon\n", "line 11, 'baseon' statement requires 1 argument"},
    {"[rules R]\nbaseon Main Other\n", "line 11, 'baseon' statement requires 1 argument"},
    {"[rules R]\nbaseon Later\n[rules Later]\nbaseon Main\n", "line 11, baseon 'Later' not known"},
    {"[rules R]\nbaseon Main\n[genes G]\nbaseon R\n", "line 13, genes section cannot be based on a rules section"},
    {"[rules R]\nB,b means Brown\n", "rules section 'R' has no base set defined"},
    // sexsystem
    {"[rules R]\nbaseon Main\nsexsystem xy\n", "line 12, sex system may only be defined for a genes section, not a "
                                               "rules section"},
    {"sexsystem xy zw\n", "line 10, sex system should have 1 argument, not 2"},
    {"sexsystem\n", "line 10, sex system should have 1 argument, not 0"},
    {"sexsystem ab\n", "line 10, unknown sex system 'ab'"},
    {"[genes G]\nbaseon Main\nsexsystem zw\n", "line 12, sex system may not be changed once genes have been defined"},
    // genes
    {"[rules R]\nbaseon Main\ngene Q Q, q\n", "line 12, genes may only be defined for a genes section, not a rules "
                                              "section"},
    {"gene Q\n", "line 10, gene specification should have 2 or more arguments, not 1"},
    {"diseasegene Q-1 Q, q\n", "line 10, invalid gene name 'Q-1'"},
    {"eyecolorgene B Q, q\n", "line 10, duplicate gene name 'B'"},
    {"gene Q Q:70, q:70\n", "line 10, combined allele distribution exceeds 100"},
    {"gene Q Q, B\n", "line 10, allele or range symbol 'B' already defined"},
    {"breedpolygene W places=1 ranges=0,a,5,b,4\n", "line 10, ranges contain overlapping values"},
    // link
    {"[rules R]\nbaseon Main\nlink B D 10\n", "line 12, gene linkage may only be defined for a genes section, not a "
                                              "rules section"},
    {"link B D\n", "line 10, linkage specification should have 3 or 4 arguments, not 2"},
    {"link B D 1 2 3\n", "line 10, linkage specification should have 3 or 4 arguments, not 5"},
    {"link Q D 10\n", "line 10, unknown gene 'Q'"},
    {"link B Q 10\n", "line 10, unknown gene 'Q'"},
    {"link Height D 10\n", "line 10, gene 'Height' is polygenic and may not be linked to other genes"},
    {"link B Height 10\n", "line 10, gene 'Height' is polygenic and may not be linked to other genes"},
    {"link B D ten\n", "line 10, invalid crossover probability 'ten'"},
    {"link B D 10 x\n", "line 10, invalid crossover probability 'x'"},
    // sex linkage
    {"[rules R]\nbaseon Main\nX-link B\n", "line 12, sex linkage may only be defined for a genes section, not a "
                                           "rules section"},
    {"Y-link\n", "line 10, sex linkage specification requires 1 or more gene names"},
    {"x-link B Q\n", "line 10, unknown gene 'Q'"},
    {"X-link Height\n", "line 10, gene 'Height' is polygenic and may not be sex linked"},
    {"link B Xo 10\n", "genes B and Xo are linked, but have different sex linkage"},
    // describe
    {"describe gene B\n", "line 10, 'describe' line should have at least 4 arguments, not 2"},
    {"describe gene Q Some text\n", "line 10, unknown gene Q"},
    {"describe allele q Some text\n", "line 10, unknown allele or range symbol 'q'"},
    {"describe range Huge Some text\n", "line 10, unknown allele or range symbol 'Huge'"},
    {"describe genotype B,d Some text\n", "line 10, alleles not from same gene"},
    {"describe colour B Some text\n", "line 10, 'describe' line has unknown selector 'colour'"},
    // rules
    {"[rules R]\nbaseon Main\nB,b lethal\n", "line 12, 'lethal' rule may only be given for a genes section, not a "
                                             "rules section"},
    {"B,b say Brown\n", "line 10, 'say' rule may only be given for a rules section, not a genes section"},
    {"B,b carries Brown\n", "line 10, 'carries' rule may only be given for a rules section, not a genes section"},
    {"means Brown\n", "line 10, missing expression for 'means' line"},
    {"assumed\n", "line 10, missing expression for 'assumed' line"},
    {"B,b and means Brown\n", "line 10, invalid expression 'B,b and' on 'means' line - operand expected"},
    {"B,q means Brown\n", "line 10, invalid expression 'B,q' on 'means' line - unknown allele or range symbol 'q'"},
    {"Xo assumediffemale\n", "line 10, invalid expression 'Xo' on 'assumediffemale' line - only one allele 'Xo' for "
                             "the 'Xo' gene present, yet this individual is known to be female and females should "
                             "have 2 alleles for this gene"},
    {"B,! assumed\n", "line 10, invalid expression 'B,!' on 'assumed' line - "
                      "paternal allele missing, yet maternal allele B is not sex linked"},
    {"B,b means\n", "line 10, 'means' rule requires text argument"},
    {"B,b goto\n", "line 10, 'goto' rule requires text argument"},
    {"[rules R]\nbaseon Main\nB,b say\n", "line 12, 'say' rule requires text argument"},
    {"[rules R]\nbaseon Main\nB,b carries   \n", "line 12, 'carries' rule requires text argument"},
    {"B,b masks\n", "line 10, 'masks' rule requires names of one or more valid genes"},
    {"B,b masks D Q\n", "line 10, 'masks' rule requires names of one or more valid genes"},
    // selectgenotype
    {"selectgenotype\n", "line 10, insufficient arguments for 'selectgenotype' line"},
    {"selectgenotype slider\n", "line 10, unknown element type 'slider' for 'selectgenotype' line"},
    {"selectgenotype genotype flags=aq\n", "line 10, error in 'selectgenotype' line: unknown flag characters: 'q'"},
    {"selectgenotype tab label=Coat colour=red\n", "line 10, error in 'selectgenotype' line: unknown option(s): "
                                                   "'colour=red'"},
    {"selectgenotype genes choices=B,B\n", "line 10, error in 'selectgenotype' line: at least 2 choices are "
                                           "required"},
    // the rest
    {"colour B black\n", "line 10, unknown control line"},
    {"[genes Bracketed\n", "line 10, unknown control line"},
    // linkage tables
    {"link B D 10\nlink D B 10\n", "gene linkage error"},
    {"X-link B D E\nlink B E 10\nlink D E 10\n", "error in shared sex gene linkage"},
    {"Y-link B D E\nlink B E 10\nlink D E 10\n", "error in unshared sex gene linkage(2)"},
};
} // namespace

TEST(ConfigParserErrors, EveryStatementMessage)
{
    for (const ErrorCase& c : StatementErrors)
        EXPECT_TEXT(ReadAfterBasic(c.text), c.error) << c.text;
}

TEST(ConfigParserErrors, EveryStatementMessageThroughTheSealedFile)
{
    for (const ErrorCase& c : StatementErrors)
        EXPECT_TEXT(LoadSealedConfigText(BasicGenesText() + c.text), CString("Error in Genetics.Gen, ") + c.error)
            << c.text;
    EXPECT_TEXT(LoadSealedConfigText(BasicGenesText()), "");
}

TEST(ConfigParserErrors, ReaderMessages)
{
    CGeneticsConfig config;
    EXPECT_TEXT(ReadConfigText(config, "desc Nothing\n[genes]\n[colour Main]\ngene B B, b\n"),
                "cannot find gene specification start line");
    EXPECT_TEXT(ReadConfigText(config, BasicGenesText() + "[RULES main]\nbaseon Main\n"),
                "duplicate section near line 10");
    EXPECT_TEXT(ReadConfigText(config, BasicGenesText() + "[rules A]\n[rules B]\nbaseon Main\n"),
                "empty section near line 10");
    EXPECT_TEXT(ReadConfigText(config, BasicGenesText() + "[rules A]\nbaseon Main\n[rules B]\n"),
                "empty section near line 12");
    EXPECT_TEXT(ReadConfigText(config, BasicGenesText() + "B,b goto Nowhere\n"),
                "section 'Main' has a 'goto' rule referencing an unknown section 'Nowhere'");
}

TEST(ConfigParserErrors, GotoCyclesAreRefused)
{
    CGeneticsConfig config;
    EXPECT_TEXT(ReadConfigText(config, BasicGenesText() + "always goto Main\n"),
                "'goto' rules form a cycle through section 'Main'");
    EXPECT_TEXT(ReadConfigText(config, BasicGenesText() + "B,b goto A\n"
                                                          "[rules A]\nbaseon Main\nD,d goto B\n"
                                                          "[rules B]\nbaseon Main\nE,e goto a\n"),
                "'goto' rules form a cycle through section 'A'");
    // A chain without a cycle, with a target later in the file, is accepted.
    EXPECT_TEXT(ReadConfigText(config, BasicGenesText() + "B,b goto A\nD,d goto B\n"
                                                          "[rules A]\nbaseon Main\nD,d goto B\n"
                                                          "[rules B]\nbaseon Main\nB,b say Brown\n"),
                "");
}

TEST(ConfigParserErrors, NotesCodeMessages)
{
    CGeneticsConfig config;
    EXPECT_TEXT(ReadConfigText(config, BasicGenesText() + "notes %%a Q%%\n"),
                "error in %%a%% code in notes: invalid gene Q");
    EXPECT_TEXT(ReadConfigText(config, BasicGenesText() + "notes %%d Q%%\n"),
                "error in %%d%% code in notes: invalid gene Q");
    EXPECT_TEXT(ReadConfigText(config, BasicGenesText() + "notes %%p B,q%%\n"),
                "error in %%p%% code in notes: unknown allele or range symbol 'q'");
}

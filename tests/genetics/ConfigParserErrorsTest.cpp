// Every message of the statement parser and the reader, with its location.
#include "GeneticsTestSupport.h"

#include <string.h>

#include <string>

#include "foundation/files/ByteBuffer.h"
#include "foundation/text/TextLines.h"

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
    // gene and polygene arguments
    {"gene Q Q:x, q\n", "line 10, invalid allele distribution 'x' - valid percentage expected"},
    {"gene Q Q:60, q:30\n", "line 10, combined allele distribution should equal 100"},
    {"gene Q Q\n", "line 10, insufficient alleles given"},
    {"gene Q Q, Q\n", "line 10, duplicate alleles seen"},
    {"gene Q Q, q-1\n", "line 10, invalid allele name(s)"},
    {"polygene W ;\n", "line 10, no parameters given"},
    {"polygene W ranges=,\n", "line 10, insufficient data given for the ranges parameter"},
    {"polygene W ranges=0,a\n", "line 10, an odd number of argument for the ranges parameter are expected"},
    {"polygene W ranges=x,a,1\n", "line 10, syntax error in starting value 'x' for ranges parameter"},
    {"polygene W ranges=0,a,y\n", "line 10, syntax error in value 'y' for ranges parameter"},
    {"polygene W colour=5\n", "line 10, unrecognised parameter 'colour'"},
    {"polygene W ranges=0,a,1,a,2\n", "line 10, duplicate range symbols seen"},
    {"polygene W ranges=0,a-b,1\n", "line 10, invalid range symbols(s)"},
    {"polygene W ranges=0,Tall,1\n", "line 10, allele or range symbol 'Tall' already defined"},
    {"polygene W places=x\n", "line 10, invalid polygene parameter 'places=x'"},
    {"polygene W places=-2\n", "line 10, invalid number of decimal places '-2'"},
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
    // A percentage outside 0 to 100 could only be clamped: it is refused.
    {"link B D 150\n", "line 10, invalid crossover probability '150'"},
    {"link B D 10 -5\n", "line 10, invalid crossover probability '-5'"},
    // Figures that a number reader would take in part or wrap round.
    {"link B D 4294967296\n", "line 10, invalid crossover probability '4294967296'"},
    {"link B D 4294967306\n", "line 10, invalid crossover probability '4294967306'"},
    {"link B D 1e-3\n", "line 10, invalid crossover probability '1e-3'"},
    {"link B D 1e999\n", "line 10, invalid crossover probability '1e999'"},
    {"link B D 0.5e2\n", "line 10, invalid crossover probability '0.5e2'"},
    {"link B D 10abc\n", "line 10, invalid crossover probability '10abc'"},
    {"link B D 10 1.2.3\n", "line 10, invalid crossover probability '1.2.3'"},
    {"link B D .\n", "line 10, invalid crossover probability '.'"},
    {"link B D 100.001\n", "line 10, invalid crossover probability '100.001'"},
    {"link B D 10%%\n", "line 10, invalid crossover probability '10%%'"},
    {"link B D %\n", "line 10, invalid crossover probability '%'"},
    {"link B D 10%x\n", "line 10, invalid crossover probability '10%x'"},
    {"link B D 101%\n", "line 10, invalid crossover probability '101%'"},
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
    {"describe genotype Short Some text\n", "line 10, allele 'Short' is a polygenic range symbol"},
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
    // genotype texts of rule lines
    {"; assumed\n", "line 10, invalid expression ';' on 'assumed' line - allele pair list empty"},
    {"B,b,B assumed\n", "line 10, invalid expression 'B,b,B' on 'assumed' line - allele pair 'B,b,B' must have 2 "
                        "alleles given (possibly 1 for sex linked genes)"},
    {"B assumed\n", "line 10, invalid expression 'B' on 'assumed' line - only one allele 'B' for the 'B' gene "
                    "present, yet this gene is not sex linked"},
    {"Yg assumediffemale\n", "line 10, invalid expression 'Yg' on 'assumediffemale' line - allele 'Yg' for the 'Yg' "
                             "gene present, yet this individual is known to be female, and females are homogametic "
                             "and cannot carry this gene"},
    {"Xo,xo assumedifmale\n", "line 10, invalid expression 'Xo,xo' on 'assumedifmale' line - paternal allele xo - "
                              "allele 'xo' cannot be paternal in the heterogametic sex"},
    {"Yg,yg assumediffemale\n", "line 10, invalid expression 'Yg,yg' on 'assumediffemale' line - maternal allele Yg "
                                "- allele 'Yg' cannot be present in the homogametic sex"},
    {"yg,Yg assumedifmale\n", "line 10, invalid expression 'yg,Yg' on 'assumedifmale' line - maternal allele yg - "
                              "allele 'yg' can only be paternal"},
    {"B,Short assumed\n", "line 10, invalid expression 'B,Short' on 'assumed' line - paternal allele Short - allele "
                          "name is the same as a polygenic range symbol"},
    {"?,- assumed\n", "line 10, invalid expression '?,-' on 'assumed' line - cannot identify gene"},
    {"!,b assumed\n", "line 10, invalid expression '!,b' on 'assumed' line - maternal allele missing, yet paternal "
                      "allele b is not sex linked"},
    {"Xo,- assumedifmale\n", "line 10, invalid expression 'Xo,-' on 'assumedifmale' line - 'Xo,-' cannot be "
                             "associated with the male sex"},
    {"B,b B,B assumed\n", "line 10, invalid expression 'B,b B,B' on 'assumed' line - Alleles for gene 'B' are multiply "
                         "defined"},
    // With the sex unknown, two alleles of a Y-linked gene suit no individual.
    {"Yg,yg means Both\n", "line 10, invalid expression 'Yg,yg' on 'means' line - maternal allele Yg - allele 'Yg' "
                           "can only be paternal"},
    {"B,b means\n", "line 10, 'means' rule requires text argument"},
    {"B,b goto\n", "line 10, 'goto' rule requires text argument"},
    {"[rules R]\nbaseon Main\nB,b say\n", "line 12, 'say' rule requires text argument"},
    {"[rules R]\nbaseon Main\nB,b carries   \n", "line 12, 'carries' rule requires text argument"},
    {"B,b masks\n", "line 10, 'masks' rule requires names of one or more valid genes"},
    {"B,b masks D Q\n", "line 10, 'masks' rule requires names of one or more valid genes"},
    // selectgenotype
    {"selectgenotype\n", "line 10, insufficient arguments for 'selectgenotype' line"},
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

namespace
{
// Messages of the reader itself; the texts follow the basic genes section
// unless they stand alone.
struct ReaderCase
{
    BOOL afterBasic;
    const char* text;
    const char* error;
};

const ReaderCase ReaderErrors[] = {
    {FALSE, "desc Nothing\n[genes]\n[colour Main]\ngene B B, b\n", "cannot find gene specification start line"},
    {TRUE, "[RULES main]\nbaseon Main\n", "duplicate section near line 10"},
    {TRUE, "[rules A]\n[rules B]\nbaseon Main\n", "empty section near line 10"},
    {TRUE, "[rules A]\nbaseon Main\n[rules B]\n", "empty section near line 12"},
    {TRUE, "B,b goto Nowhere\n", "section 'Main' has a 'goto' rule referencing an unknown section 'Nowhere'"},
    {TRUE, "notes %%a Q%%\n", "error in %%a%% code in notes: invalid gene Q"},
    {TRUE, "notes %%d Q%%\n", "error in %%d%% code in notes: invalid gene Q"},
    {TRUE, "notes %%p B,q%%\n", "error in %%p%% code in notes: unknown allele or range symbol 'q'"},
};

CString ReaderText(const ReaderCase& c)
{
    return c.afterBasic ? BasicGenesText() + c.text : CString(c.text);
}
} // namespace

TEST(ConfigParserErrors, ReaderMessages)
{
    for (const auto& c : ReaderErrors)
    {
        CGeneticsConfig config;
        EXPECT_TEXT(ReadConfigText(config, ReaderText(c)), c.error) << c.text;
    }
}

TEST(ConfigParserErrors, ReaderMessagesThroughTheSealedFile)
{
    for (const auto& c : ReaderErrors)
        EXPECT_TEXT(LoadSealedConfigText(ReaderText(c)), CString("Error in Genetics.Gen, ") + c.error) << c.text;
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

// A NUL byte used to end its line unnoticed: "gene Q Q, q<NUL>, r" declared
// only two alleles.
TEST(ConfigParserErrors, NulCharacterIsRefusedAtItsLine)
{
    const std::string text = std::string((LPCTSTR)BasicGenesText()) + "gene Q Q, q" + '\0' + ", r\n";
    CByteBuffer buffer;
    buffer.SetSize((DWORD)text.size());
    memcpy(buffer.GetData(), text.data(), text.size());
    CStringArray lines;
    SplitBufferLines(lines, buffer, TRUE);
    CGeneticsConfig config;
    EXPECT_TEXT(config.Read(lines), "line 10, NUL character in the line");
    EXPECT_EQ(config.GetSectionCount(), 0);
}

#include "GeneticsTestSupport.h"

namespace
{
// Declares one gene in a fresh section and returns the error text.
struct GeneFixture
{
    CGeneticsSection section;
    CGeneDef* def = NULL;

    CString Declare(const char* arguments, BOOL polygene = FALSE)
    {
        const UINT gene = section.AddGene(polygene ? "P" : "G", polygene);
        def = section.GetGeneDef(gene);
        return def->ParseArguments(&section, arguments);
    }
    double Share(int index) const { return section.GetSymbolShare(def->m_symbolCodes[index]); }
};
} // namespace

TEST(GeneDefinition, AlleleDistributions)
{
    {
        GeneFixture f;
        EXPECT_TEXT(f.Declare("B:60, b"), "");
        EXPECT_DOUBLE_EQ(f.Share(0), 0.6);
        EXPECT_DOUBLE_EQ(f.Share(1), 0.4);
    }
    {
        GeneFixture f;
        EXPECT_TEXT(f.Declare("B:60%, b:40%"), "");
        EXPECT_DOUBLE_EQ(f.Share(1), 0.4);
    }
    {
        GeneFixture f;
        EXPECT_TEXT(f.Declare("A, B:-, C"), "");
        EXPECT_NEAR(f.Share(0), 1.0 / 3, 1e-12);
        EXPECT_NEAR(f.Share(2), 1.0 / 3, 1e-12);
    }
    {
        GeneFixture f;
        EXPECT_TEXT(f.Declare("(A), B"), "invalid allele name(s)");
    }
}

TEST(GeneDefinition, AlleleMessages)
{
    const struct
    {
        const char* arguments;
        const char* error;
    } cases[] = {
        {"B:60, b:50", "combined allele distribution exceeds 100"},
        {"B:60, b:30", "combined allele distribution should equal 100"},
        {"B", "insufficient alleles given"},
        {"B, B", "duplicate alleles seen"},
        {":50, B", "duplicate alleles seen"},
        {"B-1, b", "invalid allele name(s)"},
        {"B:x, b", "invalid allele distribution 'x' - valid percentage expected"},
        {"B:101, b", "invalid allele distribution '101' - valid percentage expected"},
        {"B:-1%, b", "invalid allele distribution '-1%' - valid percentage expected"},
        // Only finite numbers are shares.
        {"B:nan, b", "invalid allele distribution 'nan' - valid percentage expected"},
    };
    for (const auto& c : cases)
    {
        GeneFixture f;
        EXPECT_TEXT(f.Declare(c.arguments), c.error) << c.arguments;
    }
    GeneFixture f;
    EXPECT_TEXT(f.Declare("B, b"), "");
    const UINT second = f.section.AddGene("H", FALSE);
    EXPECT_TEXT(f.section.GetGeneDef(second)->ParseArguments(&f.section, "b, h"),
                "allele or range symbol 'b' already defined");
}

TEST(GeneDefinition, PolygeneParameters)
{
    GeneFixture f;
    EXPECT_TEXT(f.Declare("places=1 default=2.5; ranges=0,small,10,medium,20", TRUE), "");
    EXPECT_EQ(f.def->m_nPlaces, 1);
    EXPECT_DOUBLE_EQ(f.def->m_dStep, 0.1);
    EXPECT_DOUBLE_EQ(f.def->m_dDefault, 2.5);
    ASSERT_EQ(f.def->m_boundaries.GetSize(), 3);
    EXPECT_DOUBLE_EQ(f.def->m_boundaries[2], 20.0);
    ASSERT_EQ(f.def->m_symbolCodes.GetSize(), 2);
    EXPECT_TEXT(f.section.GetSymbolName(f.def->m_symbolCodes[1]), "medium");
    EXPECT_DOUBLE_EQ(f.Share(0), 0.0);
    EXPECT_TEXT(f.def->FormatDistribution(&f.section), "2.5");

    GeneFixture many;
    EXPECT_TEXT(many.Declare("places=12", TRUE), "");
    EXPECT_EQ(many.def->m_nPlaces, 10);
}

TEST(GeneDefinition, PolygeneMessages)
{
    const struct
    {
        const char* arguments;
        const char* error;
    } cases[] = {
        {"", "no parameters given"},
        {"places=1 ranges=0,small,10,medium,10", "ranges contain overlapping values"},
        {"ranges=0,small", "an odd number of argument for the ranges parameter are expected"},
        {"ranges=,", "insufficient data given for the ranges parameter"},
        {"ranges=x,small,1", "syntax error in starting value 'x' for ranges parameter"},
        {"ranges=0,small,y", "syntax error in value 'y' for ranges parameter"},
        {"ranges=0,small,1,small,2", "duplicate range symbols seen"},
        {"ranges=0,sm-all,1", "invalid range symbols(s)"},
        {"colour=5", "unrecognised parameter 'colour'"},
        // Parameters that cannot be read are reported rather than ending the
        // list silently and dropping what follows.
        {"places=x ranges=0,small,1", "invalid polygene parameter 'places=x'"},
        {"default ranges=0,small,1", "invalid polygene parameter 'default'"},
        {"places=-1", "invalid number of decimal places '-1'"},
        {"default=nan", "invalid polygene parameter 'default=nan'"},
        {"ranges=inf,small,1", "syntax error in starting value 'inf' for ranges parameter"},
        {"ranges=0,small,1e999", "syntax error in value '1e999' for ranges parameter"},
    };
    for (const auto& c : cases)
    {
        GeneFixture f;
        EXPECT_TEXT(f.Declare(c.arguments, TRUE), c.error) << c.arguments;
    }
}

TEST(GeneDefinition, DistributionTextsAndPercent)
{
    GeneFixture f;
    EXPECT_TEXT(f.Declare("B:60, b"), "");
    EXPECT_TEXT(f.def->FormatDistribution(&f.section), "B=60.00%  b=40.00% ");
    EXPECT_TEXT(FormatPercent(0.5, 2), "50.00% ");
    EXPECT_TEXT(FormatPercent(1.0, 2), "100.00%");
    EXPECT_TEXT(FormatPercent(0.0126, 1), "1.3%   ");
}

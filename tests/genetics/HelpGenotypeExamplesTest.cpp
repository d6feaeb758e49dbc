// The help page on typing a genotype: every genotype it gives the user to
// type (each written between <kbd> and </kbd>) reads in a standard
// configuration, typed for a female or for a male.
#include "ShippedConfiguration.h"

#include <fstream>
#include <memory>
#include <sstream>
#include <string>

namespace
{
std::vector<std::string> TypedExamples(const char* page)
{
    std::ifstream file(page, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    const std::string html = text.str();
    std::vector<std::string> examples;
    for (size_t at = html.find("<kbd>"); at != std::string::npos; at = html.find("<kbd>", at))
    {
        at += 5;
        examples.push_back(html.substr(at, html.find("</kbd>", at) - at));
    }
    return examples;
}
}  // namespace

TEST(HelpGenotypeExamples, EveryExampleOfTheHelpReads)
{
    const std::vector<std::string> examples = TypedExamples(KESTROVA_SOURCE_DIR "/application/help/genotypes.html");
    EXPECT_GE(examples.size(), 5u) << "the page gives its examples";
    std::vector<std::unique_ptr<CShippedConfiguration>> configurations;
    for (const CString& name : ShippedConfigurations())
        configurations.push_back(std::make_unique<CShippedConfiguration>(name));
    for (const std::string& example : examples)
    {
        CString errors;
        const auto reads = [&] {
            for (const auto& shipped : configurations)
            {
                for (int sex : {SEX_FEMALE, SEX_MALE})
                {
                    const CString error = GenotypeError(shipped->m_pGenes, example.c_str(), sex);
                    if (error.IsEmpty())
                        return true;
                    errors += error + "; ";
                }
            }
            return false;
        };
        EXPECT_TRUE(reads()) << example << " reads nowhere: " << (LPCTSTR)errors;
    }
}

// Published crosses through the standard configurations: every expected share
// below is worked out by hand (Punnett squares of the parents' gametes), and
// every name is the one the configuration gives the offspring. A case's
// shares of one list that add up to 1 leave no room for any other item.
#include "ShippedConfiguration.h"

namespace
{
enum Sex
{
    BothSexes,
    Sons,
    Daughters
};

struct ExpectedItem
{
    int list;
    const char* text;
    double share;
    Sex sex;
};

struct StandardCross
{
    const char* file;
    const char* mother;
    const char* father;
    std::vector<ExpectedItem> items;
};

const int P = RESULT_LIST_PHENOTYPES;
const int C = RESULT_LIST_CARRIED_TRAITS;

std::ostream& operator<<(std::ostream& out, const StandardCross& cross)
{
    return out << cross.file << ": " << cross.mother << " x " << cross.father;
}

const char* const kDoubleMerle = "Double merle (mostly white, high risk of deafness and eye defects)";

const StandardCross kCrosses[] = {
    // Labrador Retriever.
    // Recessive epistasis, 9 black : 3 chocolate : 4 yellow (Little 1957; Everts 2000).
    {"Labrador.txt", "Ee Bb", "Ee Bb",
     {{P, "Black", 9 / 16.0}, {P, "Chocolate", 3 / 16.0}, {P, "Yellow", 3 / 16.0},
      {P, "Yellow (liver nose)", 1 / 16.0}}},
    // Two yellows have only yellows; the black-nosed one passes chocolate (Little 1957).
    {"Labrador.txt", "ee BB", "ee bb", {{P, "Yellow", 1}, {C, "chocolate", 1}}},
    // Chocolate x yellow (BB) gives black puppies carrying both (Little 1957).
    {"Labrador.txt", "EE bb", "ee BB", {{P, "Black", 1}, {C, "yellow + chocolate", 1}}},
    // Two chocolates never have black puppies (Little 1957; Labs4Rescue FAQ).
    {"Labrador.txt", "Ee bb", "Ee bb", {{P, "Chocolate", 3 / 4.0}, {P, "Yellow (liver nose)", 1 / 4.0}}},
    // Centronuclear myopathy is autosomal recessive (Pele 2005).
    {"Labrador.txt", "Cnm,cnm", "Cnm,cnm",
     {{P, "Black", 3 / 4.0}, {P, "Black (centronuclear myopathy affected)", 1 / 4.0},
      {C, "centronuclear myopathy", 1 / 2.0}}},
    // Hemophilia A is X-linked recessive: half the sons of a carrier (UC Davis VGL).
    {"Labrador.txt", "XH,Xh", "XH",
     {{P, "Black", 3 / 4.0}, {P, "Black (hemophilia A)", 1 / 4.0, Sons}, {C, "hemophilia A", 1 / 4.0, Daughters}}},
    // The shade typed as the notes show it, the same in both parents.
    {"Labrador.txt", "ee Shade=7", "ee Shade=7", {{P, "Yellow (fox red shade)", 1}}},
    // Alleles typed as unknown: black is certain only where both E and B are known (Little 1957).
    {"Labrador.txt", "E,? B,?", "E,? B,?",
     {{P, "Black", 9 / 16.0}, {P, "Black (B not known: may be chocolate)", 3 / 16.0},
      {P, "Black (E not known: may be yellow)", 3 / 16.0},
      {P, "Black (E not known: may be yellow) (B not known: may be chocolate)", 1 / 16.0}}},
    // Skeletal dysplasia 2 and nasal parakeratosis are autosomal recessive
    // (Frischknecht 2013; Jagannathan 2013): 1 clear : 2 carriers : 1 with
    // two copies, at risk of SD2 (incomplete penetrance, Frischknecht 2013).
    {"Labrador.txt", "Sd2,sd2", "Sd2,sd2",
     {{P, "Black", 3 / 4.0}, {P, "Black (at risk of skeletal dysplasia 2)", 1 / 4.0},
      {C, "skeletal dysplasia 2", 1 / 2.0}}},
    {"Labrador.txt", "Hnpk,hnpk", "Hnpk,hnpk",
     {{P, "Black", 3 / 4.0}, {P, "Black (hereditary nasal parakeratosis affected)", 1 / 4.0},
      {C, "hereditary nasal parakeratosis", 1 / 2.0}}},
    // A gene left out takes the assumed E,E; half the puppies have the unknown
    // allele, which they may carry as e (Little 1957).
    {"Labrador.txt", "E,?", "", {{P, "Black", 1}, {C, "(E not known: may carry yellow)", 1 / 2.0}}},
    // The shade is a rough mean of several genes: predicted from two typed
    // shades only, never from an assumed one (Slavney 2021).
    {"Labrador.txt", "e,e Shade=7", "e,e B,b", {{P, "Yellow", 1}}},
    // Unknown alleles beside known recessive ones: each puppy holds e and b
    // (Little 1957).
    {"Labrador.txt", "E,? b,b", "e,e B,?", {{C, "yellow + chocolate", 1}}},
    // Stargardt disease and macular corneal dystrophy are autosomal recessive
    // (UC Davis VGL, Stargardt disease; Animal Health Trust, MCD).
    {"Labrador.txt", "Stgd,stgd", "stgd,stgd",
     {{P, "Black (Stargardt disease affected)", 1 / 2.0}, {C, "Stargardt disease", 1 / 2.0}}},
    {"Labrador.txt", "Mcd,mcd", "Mcd,mcd",
     {{P, "Black", 3 / 4.0}, {P, "Black (macular corneal dystrophy affected)", 1 / 4.0},
      {C, "macular corneal dystrophy", 1 / 2.0}}},

    // General canine.
    // Brown and dilute, 9:3:3:1 (Little 1957; Schmutz).
    {"GeneralCanine.txt", "Bb Dd", "Bb Dd",
     {{P, "Black and tan", 9 / 16.0}, {P, "Chocolate and tan", 3 / 16.0}, {P, "Blue and tan", 3 / 16.0},
      {P, "Isabella and tan", 1 / 16.0}}},
    // KB hides the A pattern of half the puppies, which carry ky; their at,at
    // is also the pair assumed of an untyped dog, so it is not named
    // (Kerns 2007; Candille 2007).
    {"GeneralCanine.txt", "KB,ky at,at", "ky,ky at,at",
     {{P, "Black", 1 / 2.0}, {P, "Black and tan", 1 / 2.0}, {C, "ky (the A pattern)", 1 / 2.0}}},
    // A yellow hiding brindle and sable x a black and tan: all brindle fawns (Kerns 2007).
    {"GeneralCanine.txt", "e,e kbr,kbr ay,ay", "ky,ky at,at",
     {{P, "Fawn/sable (brindle)", 1}, {C, "recessive red + ky (the A pattern) + tan points", 1}}},
    // A black hiding sable and mask passes both to every puppy (Kerns 2007; Schmutz).
    {"GeneralCanine.txt", "KB,KB ay,ay Em,Em", "ky,ky at,at E,E",
     {{P, "Black", 1}, {C, "mask + ky (the A pattern) + fawn/sable + tan points", 1}}},
    // Merle x non-merle, half merle (Clark 2006).
    {"GeneralCanine.txt", "M,m", "", {{P, "Blue merle and tan", 1 / 2.0}, {P, "Black and tan", 1 / 2.0}}},
    // Merle x merle, a quarter double merle (Clark 2006; Strain 2009).
    {"GeneralCanine.txt", "M,m", "M,m",
     {{P, "Black and tan", 1 / 4.0}, {P, "Blue merle and tan", 1 / 2.0}, {P, kDoubleMerle, 1 / 4.0}}},
    // Merle on brown is red merle (Clark 2006; Schmutz).
    {"GeneralCanine.txt", "M,m b,b", "b,b", {{P, "Red merle and tan", 1 / 2.0}, {P, "Chocolate and tan", 1 / 2.0}}},
    // Merle hidden by e/e still reaches half the puppies (Clark 2006; Kerns 2007).
    {"GeneralCanine.txt", "e,e M,m", "e,e",
     {{P, "Yellow/red", 1}, {C, "merle (hidden by e,e)", 1 / 2.0}, {C, "None", 1 / 2.0}}},
    // Piebald is recessive to solid (Little 1957; Schmutz 2009).
    {"GeneralCanine.txt", "S,sp", "S,sp",
     {{P, "Black and tan", 3 / 4.0}, {P, "Black and tan (piebald)", 1 / 4.0}, {C, "piebald", 1 / 2.0}}},
    // An allele typed as unknown decides nothing: the half with one unknown E
    // allele may have the mask, the quarter with two may be e,e (Little 1957).
    {"GeneralCanine.txt", "E,?", "E,?",
     {{P, "Black and tan", 1 / 4.0}, {P, "Black and tan (mask not known)", 1 / 2.0},
      {P, "Black and tan (E not known: may be yellow/red) (mask not known)", 1 / 4.0}}},
    // e,e hides K and A: the assumed ky,ky and at,at are not named carried
    // (Kerns 2007).
    {"GeneralCanine.txt", "e,e", "e,e", {{P, "Yellow/red", 1}, {C, "None", 1}}},
    // Three quarters of the puppies hold an unknown B allele, either beside B
    // or twice: each may carry brown (Little 1957).
    {"GeneralCanine.txt", "B,?", "B,?", {{C, "(B not known: may carry chocolate)", 3 / 4.0}, {C, "None", 1 / 4.0}}},
    // Half the puppies of an untested DM parent may carry it (Awano 2009).
    {"GeneralCanine.txt", "Sod1,?", "", {{P, "Black and tan", 1 / 2.0}, {P, "Black and tan (DM not known)", 1 / 2.0}}},

    // Great Dane.
    // Harlequin on a fawn merle, the "fawnequin" (Laboklin, Harlequin test).
    {"GreatDane.txt", "M,m H,h ky,ky", "ky,ky",
     {{P, "Harlequin (white with fawn or brindle patches)", 1 / 4.0}, {P, "Fawn (black mask)", 1 / 2.0}}},
    // Black x mantle: half mantle, S/sp (Schmutz 2009).
    {"GreatDane.txt", "", "S,sp", {{P, "Black", 1 / 2.0}, {P, "Mantle", 1 / 2.0}}},
    // Mantle x mantle, 1 black : 2 mantle : 1 mostly white mismark (Schmutz 2009).
    {"GreatDane.txt", "S,sp", "S,sp",
     {{P, "Black", 1 / 4.0}, {P, "Mantle", 1 / 2.0},
      {P, "Mostly white piebald mismark with black patches (risk of deafness)", 1 / 4.0}}},
    // Harlequin x harlequin: H/H dies, so Mm Hh is 1/2 x 2/3 (Sponenberg 1985; Clark 2011).
    {"GreatDane.txt", "M,m H,h", "M,m H,h",
     {{P, "Harlequin (white with black patches)", 1 / 3.0}, {P, "Merle", 1 / 6.0}, {P, "Black", 1 / 4.0},
      {P, kDoubleMerle, 1 / 4.0}}},
    // Black (KB/ky) x fawn, half fawn with the mask (Kerns 2007; Schmutz).
    {"GreatDane.txt", "KB,ky", "ky,ky", {{P, "Black", 1 / 2.0}, {P, "Fawn (black mask)", 1 / 2.0}}},
    // Brindle (kbr/ky) x fawn (Kerns 2007).
    {"GreatDane.txt", "kbr,ky", "ky,ky", {{P, "Brindle (black mask)", 1 / 2.0}, {P, "Fawn (black mask)", 1 / 2.0}}},
    // The mask is dominant (Schmutz).
    {"GreatDane.txt", "ky,ky Em,E", "ky,ky Em,E", {{P, "Fawn (black mask)", 3 / 4.0}, {P, "Fawn", 1 / 4.0}}},
    // Blue is the recessive d/d (Little 1957; Schmutz).
    {"GreatDane.txt", "D,d", "D,d", {{P, "Black", 3 / 4.0}, {P, "Blue", 1 / 4.0}, {C, "mask + blue", 1 / 2.0}}},
    // Merles of unknown second M allele: a quarter double merle, and the pups
    // with two unknown alleles may be merle or harlequin (Clark 2006; Clark 2011).
    {"GreatDane.txt", "M,? H,h", "M,? h,h",
     {{P, kDoubleMerle, 1 / 4.0},
      {P, "Harlequin (white with black patches) (second M not known: may be double merle)", 1 / 4.0},
      {P, "Merle (second M not known: may be double merle)", 1 / 4.0},
      {P, "Black (M not known: may be merle or harlequin)", 1 / 8.0}, {P, "Black (M not known: may be merle)", 1 / 8.0}}},
    // Inherited myopathy of Great Danes is autosomal recessive (Böhm 2013).
    {"GreatDane.txt", "Imgd,imgd", "Imgd,imgd",
     {{P, "Black", 3 / 4.0}, {P, "Black (inherited myopathy of Great Danes affected)", 1 / 4.0},
      {C, "mask + inherited myopathy of Great Danes", 1 / 2.0}}},

    // Dachshund.
    // Dapple x non-dapple, half dapple (Dachshund Club of California; Clark 2006).
    {"Dachshund.txt", "M,m", "", {{P, "Black and tan dapple", 1 / 2.0}, {P, "Black and tan", 1 / 2.0}}},
    // Dapple x dapple, a quarter double dapple (Dachshund Club of California; Strain 2009).
    {"Dachshund.txt", "M,m", "M,m",
     {{P, "Black and tan", 1 / 4.0}, {P, "Black and tan dapple", 1 / 2.0},
      {P, "Double dapple (mostly white, high risk of deafness and eye defects)", 1 / 4.0}}},
    // A clear red hiding dapple gives dapple puppies (Dachshund Club of California; Schmutz).
    {"Dachshund.txt", "e,e M,m", "", {{P, "Black and tan dapple", 1 / 2.0}, {P, "Black and tan", 1 / 2.0}}},
    // Clear red is the recessive e/e (Schmutz).
    {"Dachshund.txt", "E,e", "E,e", {{P, "Black and tan", 3 / 4.0}, {P, "Clear red", 1 / 4.0}}},
    // Red (ay) over wild boar (aw) over tan points (Schmutz).
    {"Dachshund.txt", "ay,aw", "aw,at",
     {{P, "Red", 1 / 2.0}, {P, "Wild boar", 1 / 2.0}, {C, "wild boar", 1 / 4.0}, {C, "tan points", 1 / 2.0}}},
    // Piebald needs two carriers (Dachshund Club of California).
    {"Dachshund.txt", "S,sp", "S,sp", {{P, "Black and tan", 3 / 4.0}, {P, "Black and tan piebald", 1 / 4.0}}},
    // cord1-PRA is autosomal recessive (Mellersh 2006).
    {"Dachshund.txt", "Cord1,cord1", "Cord1,cord1",
     {{P, "Black and tan", 3 / 4.0}, {P, "Black and tan (at risk of cord1-PRA)", 1 / 4.0}}},
    // Lafora disease is autosomal recessive (Lohi 2005).
    {"Dachshund.txt", "Laf,laf", "laf,laf",
     {{P, "Black and tan", 1 / 2.0}, {P, "Black and tan (Lafora disease affected)", 1 / 2.0}}},
    // Osteogenesis imperfecta is autosomal recessive (OMIA 001483-9615; Drogemuller 2009).
    {"Dachshund.txt", "Oi,oi", "Oi,oi",
     {{P, "Black and tan", 3 / 4.0}, {P, "Black and tan (osteogenesis imperfecta affected)", 1 / 4.0},
      {C, "osteogenesis imperfecta", 1 / 2.0}}},
    // Recessive black x an unknown A allele: the half whose A is unknown is
    // named once, by what it may be (Schmutz; Kerns 2007).
    {"Dachshund.txt", "a,a kbr,kbr", "at,? ky,ky",
     {{P, "Brindle or solid (A not known)", 1 / 2.0}, {P, "Black and tan brindle", 1 / 2.0}}},
    // The clear red hides the assumed at,at, which is not named carried (Schmutz).
    {"Dachshund.txt", "e,e", "e,e", {{P, "Clear red", 1}, {C, "None", 1}}},
    // A quarter of the puppies of two untested E carriers may be clear red (Schmutz).
    {"Dachshund.txt", "E,?", "E,?",
     {{P, "Black and tan", 3 / 4.0}, {P, "Black and tan (E not known: may be clear red)", 1 / 4.0}}},

    // Border Collie and Australian Shepherd.
    // Blue merle x red, both tan-pointed: four colours alike (Central Aussie Rescue; Clark 2006).
    {"BorderCollieAussie.txt", "ky,ky at,at B,b M,m", "ky,ky at,at b,b",
     {{P, "Blue merle and tan", 1 / 4.0}, {P, "Red merle and tan", 1 / 4.0}, {P, "Black and tan", 1 / 4.0},
      {P, "Red and tan", 1 / 4.0}}},
    // Merle x merle (Clark 2006; Strain 2009).
    {"BorderCollieAussie.txt", "M,m", "M,m",
     {{P, "Black and tan", 1 / 4.0}, {P, "Blue merle and tan", 1 / 2.0}, {P, kDoubleMerle, 1 / 4.0}}},
    // Two bobtails: the quarter with two bobtail alleles dies (Hytonen 2009).
    {"BorderCollieAussie.txt", "Nbt,nbt", "Nbt,nbt",
     {{P, "Black and tan (natural bobtail)", 2 / 3.0}, {P, "Black and tan", 1 / 3.0}}},
    // MDR1: one copy already makes a dog sensitive (Mealey 2001; WSU).
    {"BorderCollieAussie.txt", "Mdr,mdr", "Mdr,mdr",
     {{P, "Black and tan", 1 / 4.0}, {P, "Black and tan (MDR1 one copy: sensitive to some drugs)", 1 / 2.0},
      {P, "Black and tan (MDR1 two copies: severe drug sensitivity)", 1 / 4.0}}},
    // Hereditary cataract (HSF4) is dominant with incomplete penetrance: one or
    // two copies put a dog at risk, 1:2:1 (Mellersh 2009).
    {"BorderCollieAussie.txt", "Hc,hc", "Hc,hc",
     {{P, "Black and tan", 1 / 4.0}, {P, "Black and tan (at risk of hereditary cataract: HSF4 one copy)", 1 / 2.0},
      {P, "Black and tan (at risk of hereditary cataract: HSF4 two copies)", 1 / 4.0}}},
    // A quarter of the puppies of two untested E carriers may be Australian red (Schmutz).
    {"BorderCollieAussie.txt", "E,?", "E,?",
     {{P, "Black and tan", 3 / 4.0}, {P, "Black and tan (E not known: may be Australian red)", 1 / 4.0}}},
    // Australian red (e/e) x a carrier; both reds' alleles named apart (Schmutz; Kerns 2007).
    {"BorderCollieAussie.txt", "E,e", "e,e",
     {{P, "Black and tan", 1 / 2.0}, {P, "Australian red", 1 / 2.0}, {C, "Australian red (e,e)", 1 / 2.0},
      {C, "None", 1 / 2.0}}},
    // Sable over tan points (Schmutz).
    {"BorderCollieAussie.txt", "ky,ky ay,at", "ky,ky at,at", {{P, "Sable", 1 / 2.0}, {P, "Black and tan", 1 / 2.0}}},
    // Two piebald carriers, a quarter mostly white (Schmutz 2009).
    {"BorderCollieAussie.txt", "S,sp", "S,sp",
     {{P, "Black and tan", 3 / 4.0}, {P, "Black and tan (mostly white piebald)", 1 / 4.0}}},
    // Border Collie trapped neutrophil syndrome, neuronal ceroid lipofuscinosis
    // and Imerslund-Grasbeck syndrome are autosomal recessive (UC Davis VGL,
    // TNS; Melville 2005; Owczarek-Lipska 2013).
    {"BorderCollieAussie.txt", "Tns,tns", "Tns,tns",
     {{P, "Black and tan (trapped neutrophil syndrome affected)", 1 / 4.0}, {C, "trapped neutrophil syndrome", 1 / 2.0}}},
    {"BorderCollieAussie.txt", "Cl,cl", "cl,cl",
     {{P, "Black and tan (neuronal ceroid lipofuscinosis affected)", 1 / 2.0},
      {C, "neuronal ceroid lipofuscinosis", 1 / 2.0}}},
    {"BorderCollieAussie.txt", "Igs,igs", "Igs,Igs", {{P, "Black and tan", 1}, {C, "Imerslund-Grasbeck syndrome", 1 / 2.0}}},
    // Double merle hides K and A: the assumed ky,ky and at,at are not named
    // carried (Clark 2006).
    {"BorderCollieAussie.txt", "M,M", "M,M", {{P, kDoubleMerle, 1}, {C, "None", 1}}},
    // Collie eye anomaly is autosomal recessive (Parker 2007).
    {"BorderCollieAussie.txt", "Cea,cea", "Cea,cea",
     {{P, "Black and tan", 3 / 4.0}, {P, "Black and tan (collie eye anomaly affected)", 1 / 4.0}}},
};

class StandardCrossTest : public ::testing::TestWithParam<StandardCross>
{
};

TEST_P(StandardCrossTest, GivesTheHandWorkedSharesAndNames)
{
    const StandardCross& cross = GetParam();
    CShippedConfiguration shipped(cross.file);
    CMatingResult result;
    shipped.Predict(result, cross.mother, cross.father);
    for (const ExpectedItem& item : cross.items)
    {
        const CString text = CString(item.text) + (item.sex == Sons        ? MaleLetterSuffix
                                                   : item.sex == Daughters ? FemaleLetterSuffix
                                                                           : CString());
        EXPECT_NEAR(ItemShare(result, item.list, text), item.share, 1e-12) << (LPCTSTR)text;
    }
}

INSTANTIATE_TEST_SUITE_P(Published, StandardCrossTest, ::testing::ValuesIn(kCrosses));

// What a breeder reads for one dog: the phenotype, and the carried traits that
// include the alleles another locus hides.
struct DogTexts
{
    const char* file;
    const char* genotype;
    const char* phenotype;
    const char* carried;
};

std::ostream& operator<<(std::ostream& out, const DogTexts& dog)
{
    return out << dog.file << ": " << dog.genotype;
}

const DogTexts kDogs[] = {
    // e/e hides K and A; KB hides A and the mask (Kerns 2007; Schmutz).
    {"GeneralCanine.txt", "e,e kbr,kbr ay,ay", "Yellow/red", "brindle + fawn/sable"},
    {"GeneralCanine.txt", "KB,KB ay,ay Em,Em", "Black", "mask + fawn/sable"},
    // Brindle does not show on a recessive black (Kerns 2007).
    {"GeneralCanine.txt", "ky,kbr a,a", "Black", "brindle + ky (the A pattern)"},
    // Merle replaces the colour's name; a double merle drops the pattern (Clark 2006).
    {"GeneralCanine.txt", "ky,ky at,at M,m b,b", "Red merle and tan", ""},
    // Hidden ky,ky and at,at are the pairs assumed of an untyped dog: not named.
    {"GeneralCanine.txt", "ky,ky at,at M,M", kDoubleMerle, ""},
    // One and two merle alleles under e/e (Clark 2006).
    {"GeneralCanine.txt", "e,e ky,ky at,at M,M", "Yellow/red",
     "double merle (hidden by e,e; passes merle to every puppy)"},
    // An untyped dog shows what is assumed of it and hides nothing; d,d lightens red (Schmutz).
    {"GeneralCanine.txt", "", "Black and tan", ""},
    {"GeneralCanine.txt", "e,e d,d", "Dilute yellow/red (blue-grey nose)", ""},
    // A merle of unknown second M allele (Clark 2006).
    {"GeneralCanine.txt", "M,?", "Blue merle and tan (second M not known: may be double merle)", ""},
    // Great Dane: the mask on a black, harlequin without merle (Schmutz; Clark 2011).
    {"GreatDane.txt", "KB,ky", "Black", "mask + fawn"},
    {"GreatDane.txt", "H,h", "Black", "harlequin (shows only with merle) + mask"},
    {"GreatDane.txt", "M,M H,h", kDoubleMerle, "harlequin (not seen on a double merle) + mask + dominant black"},
    {"GreatDane.txt", "M,m S,sp", "Merle mantle", "mask"},
    {"GreatDane.txt", "ky,ky S,sp", "Fawn mantle (black mask)", ""},
    // Herding breeds: the two reds told apart; sable merle (Schmutz; Clark 2006).
    {"BorderCollieAussie.txt", "B,b E,e", "Black and tan", "Australian red (e,e) + red (b,b)"},
    {"BorderCollieAussie.txt", "ky,ky ay,ay M,m", "Sable merle", ""},
    {"BorderCollieAussie.txt", "ky,ky ay,ay M,m b,b", "Red sable merle", ""},
    {"BorderCollieAussie.txt", "e,e d,d", "Dilute Australian red (blue-grey nose)", ""},
    {"BorderCollieAussie.txt", "", "Black and tan", ""},
    {"BorderCollieAussie.txt", "ky,ky at,at M,M si,si", kDoubleMerle, "white trim"},
    // A hidden pair with another allele than the assumed one is named (Kerns 2007).
    {"BorderCollieAussie.txt", "KB,ky ay,at", "Black", "ky (the A pattern) + sable + tan points"},
    // Dachshund: the clear red hides the A pattern, brindle and dapple, of which
    // the assumed at,at is not named (Schmutz; Kerns 2007).
    {"Dachshund.txt", "e,e kbr,kbr", "Clear red", "brindle"},
    {"Dachshund.txt", "e,e M,M", "Clear red", "double dapple (hidden by e,e; passes dapple to every puppy)"},
    {"Dachshund.txt", "e,e aw,at", "Clear red", "wild boar + tan points"},
    {"Dachshund.txt", "ay,ay kbr,ky M,m b,b", "Red brindle dapple (liver nose)", "non-brindle (ky)"},
    {"Dachshund.txt", "e,e d,d", "Dilute clear red (blue-grey nose)", ""},
};

class StandardDogTest : public ::testing::TestWithParam<DogTexts>
{
};

TEST_P(StandardDogTest, NamesWhatShowsAndWhatIsCarried)
{
    const DogTexts& dog = GetParam();
    CShippedConfiguration shipped(dog.file);
    EXPECT_TEXT(shipped.Phenotype(dog.genotype, SEX_FEMALE), dog.phenotype);
    EXPECT_TEXT(shipped.Phenotype(dog.genotype, SEX_FEMALE, 2), dog.carried);
}

INSTANTIATE_TEST_SUITE_P(Published, StandardDogTest, ::testing::ValuesIn(kDogs));
}  // namespace

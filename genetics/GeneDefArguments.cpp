// Arguments of gene and polygene statements.
#include "genetics/GeneDef.h"

#include <string_view>
#include <unordered_set>

#include "foundation/text/Tokenizer.h"
#include "foundation/text/Trim.h"
#include "foundation/values/NumberText.h"
#include "genetics/DecimalCompare.h"
#include "genetics/GeneticsSection.h"

static const int SHARE_PLACES = 5;
static const double SHARE_NOT_GIVEN = -1.0;

// "B:60", "B:60%", "B:-" or "B".
static CString ReadAllele(const CString& field, CString& name, double& share)
{
    const int colon = field.Find(':');
    share = SHARE_NOT_GIVEN;
    if (colon < 0)
    {
        name = field;
        return CString();
    }
    name = field.Left(colon);
    TrimString(&name);
    CString shareText = field.Mid(colon + 1);
    TrimString(&shareText);
    if (shareText == "-")
        return CString();
    CString number = shareText;
    if (!number.IsEmpty() && number[number.GetLength() - 1] == '%')
        number = number.Left(number.GetLength() - 1);
    double percent = 0.0;
    const double tolerance = GetDecimalTolerance(SHARE_PLACES);
    if (!ReadFiniteNumber(number, &percent) || percent < -tolerance || percent > 100.0 + tolerance)
    {
        CString error;
        error.Format("invalid allele distribution '%s' - valid percentage expected", (LPCTSTR)shareText);
        return error;
    }
    share = percent / 100.0;
    return CString();
}

CString CGeneDef::ParseDiscrete(CGeneticsSection* section, const CString& text)
{
    CStringArray fields;
    TokenizeText(text, fields, ',', TOKENIZE_TRIM, -1, '(', ')');

    CStringArray names;
    CArray<double, double> shares;
    double given = 0.0;
    int notGiven = 0;
    for (int i = 0; i < fields.GetSize(); i++)
    {
        CString name;
        double share;
        CString error = ReadAllele(fields[i], name, share);
        if (!error.IsEmpty())
            return error;
        names.Add(name);
        shares.Add(share);
        if (share == SHARE_NOT_GIVEN)
            notGiven++;
        else
            given += share;
    }

    if (ApproxGreater(given, 1.0, SHARE_PLACES))
        return "combined allele distribution exceeds 100";
    if (notGiven == 0 && !ApproxEqual(given, 1.0, SHARE_PLACES))
        return "combined allele distribution should equal 100";
    for (int i = 0; i < shares.GetSize(); i++)
    {
        if (shares[i] == SHARE_NOT_GIVEN)
            shares[i] = (1.0 - given) / notGiven;
    }
    if (names.GetSize() < 2)
        return "insufficient alleles given";
    return DefineSymbols(section, names, shares, "duplicate alleles seen", "invalid allele name(s)");
}

CString CGeneDef::DefineSymbols(CGeneticsSection* section, const CStringArray& names,
                                const CArray<double, double>& shares, const char* duplicateMessage,
                                const char* invalidMessage)
{
    // Found through a hash set: a gene may have thousands of alleles.
    std::unordered_set<std::string_view> seen;
    seen.reserve(names.GetSize());
    for (int i = 0; i < names.GetSize(); i++)
    {
        if (names[i].IsEmpty() || !seen.insert(std::string_view(names[i], (size_t)names[i].GetLength())).second)
            return duplicateMessage;
    }
    for (int i = 0; i < names.GetSize(); i++)
    {
        if (!IsValidName(names[i]))
            return invalidMessage;
    }
    for (int i = 0; i < names.GetSize(); i++)
    {
        UINT code = 0;
        CString error = section->AddSymbol(names[i], m_nGene, shares[i], code);
        if (!error.IsEmpty())
            return error;
        m_symbolCodes.Add(code);
    }
    return CString();
}

CString CGeneDef::ParseRanges(const CString& value, CStringArray& names)
{
    CStringArray fields;
    TokenizeText(value, fields, ',', TOKENIZE_TRIM, -1, '(', ')');
    if (fields.GetSize() == 0)
        return "insufficient data given for the ranges parameter";
    if (fields.GetSize() % 2 == 0)
        return "an odd number of argument for the ranges parameter are expected";

    CString error;
    double boundary = 0.0;
    if (!ReadFiniteNumber(fields[0], &boundary))
    {
        error.Format("syntax error in starting value '%s' for ranges parameter", (LPCTSTR)fields[0]);
        return error;
    }
    m_boundaries.RemoveAll();
    names.RemoveAll();
    m_boundaries.Add(boundary);
    for (int i = 1; i + 1 < fields.GetSize(); i += 2)
    {
        double upper = 0.0;
        if (!ReadFiniteNumber(fields[i + 1], &upper))
        {
            error.Format("syntax error in value '%s' for ranges parameter", (LPCTSTR)fields[i + 1]);
            return error;
        }
        if (!(upper > boundary))
            return "ranges contain overlapping values";
        m_boundaries.Add(upper);
        names.Add(fields[i]);
        boundary = upper;
    }
    return error;
}

CString CGeneDef::ParsePolygene(CGeneticsSection* section, const CString& text)
{
    CStringArray fields;
    TokenizeTextOnSet(text, fields, " ;", 0, -1, '(', ')');
    if (fields.GetSize() == 0)
        return "no parameters given";

    m_nPlaces = 0;
    m_dStep = 1.0;
    m_dDefault = 0.0;
    m_bSecondDefault = 0;
    m_dSecondDefault = 0.0;

    CStringArray rangeNames;
    CString error;
    for (int i = 0; i < fields.GetSize(); i++)
    {
        const CString& field = fields[i];
        const int equals = field.Find('=');
        CString key = equals < 0 ? CString() : field.Left(equals);
        CString value = equals < 0 ? CString() : field.Mid(equals + 1);
        TrimString(&key);
        TrimString(&value);
        // A malformed parameter would otherwise end the list without a word and
        // silently drop the parameters after it; the author is told instead.
        error.Format("invalid polygene parameter '%s'", (LPCTSTR)field);
        if (key.IsEmpty() || value.IsEmpty())
            return error;
        if (key.CompareNoCase("places") == 0)
        {
            int places = 0;
            if (!ParseInt(value, &places))
                return error;
            if (places < 0)
            {
                error.Format("invalid number of decimal places '%s'", (LPCTSTR)value);
                return error;
            }
            m_nPlaces = places > 10 ? 10 : places;
            m_dStep = 1.0;
            for (int p = 0; p < m_nPlaces; p++)
                m_dStep /= 10.0;
        }
        else if (key.CompareNoCase("default") == 0)
        {
            if (!ReadFiniteNumber(value, &m_dDefault))
                return error;
        }
        else if (key.CompareNoCase("ranges") == 0)
        {
            error = ParseRanges(value, rangeNames);
            if (!error.IsEmpty())
                return error;
        }
        else
        {
            error.Format("unrecognised parameter '%s'", (LPCTSTR)key);
            return error;
        }
    }

    CArray<double, double> shares;
    shares.SetSize(rangeNames.GetSize());
    for (int i = 0; i < shares.GetSize(); i++)
        shares[i] = 0.0;
    return DefineSymbols(section, rangeNames, shares, "duplicate range symbols seen", "invalid range symbols(s)");
}

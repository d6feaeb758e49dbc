#include "genetics/GeneticsSection.h"

#include "genetics/MatingPredictor.h"
#include "genetics/MatingResult.h"

CString CGeneticsSection::PredictMating(CMatingResult& result, const CGenotype& maternal, const CGenotype& paternal)
{
    m_pResult = &result;
    CMatingPredictor predictor(this);
    const CString error = predictor.Predict(result, maternal, paternal);
    m_pResult = NULL;
    return error;
}

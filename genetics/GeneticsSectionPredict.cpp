#include "genetics/GeneticsSection.h"

#include "genetics/MatingPredictor.h"
#include "genetics/MatingResult.h"

CString CGeneticsSection::PredictMating(CMatingResult& result, const CGenotype& maternal, const CGenotype& paternal)
{
    CMatingPredictor predictor(this);
    return predictor.Predict(result, maternal, paternal);
}

#pragma once

#include "afx/core/AfxCore.h"

// One line of a result list: a text with the share of the offspring it covers.
class CMatingResultItem : public CObject
{
public:
    CMatingResultItem() : m_dProbability(0.0) {}
    CMatingResultItem(double probability, const CString& text) : m_dProbability(probability), m_strText(text) {}

    double m_dProbability;
    CString m_strText;
};

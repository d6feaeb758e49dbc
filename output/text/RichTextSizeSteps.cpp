#include "output/text/RichTextSizeSteps.h"

namespace
{
int ClampSize(int size)
{
    return size < 4 ? 4 : (size > 100 ? 100 : size);
}
}

void CRichTextSizeSteps::Push(int adjustment, int baseSize)
{
    int size = Size(baseSize);
    if (adjustment >= 256 || adjustment <= -256)
        size += (adjustment / 256) * size / 100;
    else
        size += adjustment;
    if (m_steps == nullptr)
        m_steps = std::make_shared<std::vector<Step>>();
    m_steps->push_back(Step{ClampSize(size), m_top});
    m_top = (int)m_steps->size() - 1;
}

void CRichTextSizeSteps::Pop()
{
    if (m_top != NoStep)
        m_top = (*m_steps)[m_top].previous;
}

int CRichTextSizeSteps::Size(int baseSize) const
{
    return m_top != NoStep ? (*m_steps)[m_top].size : ClampSize(baseSize);
}

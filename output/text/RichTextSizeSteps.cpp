#include "output/text/RichTextSizeSteps.h"

namespace
{
int ClampSize(int size)
{
    return size < 4 ? 4 : (size > 100 ? 100 : size);
}
}

CRichTextSizeSteps& CRichTextSizeSteps::operator=(const CRichTextSizeSteps& other)
{
    Step* shared = Share(other.m_top);
    Release(m_top);
    m_top = shared;
    return *this;
}

void CRichTextSizeSteps::Clear()
{
    Release(m_top);
    m_top = nullptr;
}

void CRichTextSizeSteps::Push(int adjustment, int baseSize)
{
    int size = Size(baseSize);
    if (adjustment >= 256 || adjustment <= -256)
        size += (adjustment / 256) * size / 100;
    else
        size += adjustment;
    // The new step takes over this chain's reference to the old top.
    m_top = new Step{ClampSize(size), m_top, 1};
}

void CRichTextSizeSteps::Pop()
{
    if (m_top == nullptr)
        return;
    Step* previous = Share(m_top->previous);
    Release(m_top);
    m_top = previous;
}

int CRichTextSizeSteps::Size(int baseSize) const
{
    return m_top != nullptr ? m_top->size : ClampSize(baseSize);
}

CRichTextSizeSteps::Step* CRichTextSizeSteps::Share(Step* step)
{
    if (step != nullptr)
        ++step->references;
    return step;
}

void CRichTextSizeSteps::Release(Step* step)
{
    while (step != nullptr && --step->references == 0)
    {
        Step* previous = step->previous;
        delete step;
        step = previous;
    }
}

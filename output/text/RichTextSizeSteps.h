#pragma once
// The size adjustments in force, as a chain of steps that each remember the
// point size they lead to. Steps are only ever added to a store that the
// chains copied from one another share, and a chain is the index of its
// last step: adding or removing an adjustment, reading the size and copying
// the whole chain (a saved style) each take the same time however many
// adjustments are open, so formatted text lays out in time linear in its
// codes. The store goes with the last chain that uses it.
#include <memory>
#include <vector>

class CRichTextSizeSteps
{
public:
    void Clear() { m_top = NoStep; }
    // Adds an adjustment: below 256 in magnitude points, n x 256 n per cent
    // of the size reached so far. 'baseSize' is the size without adjustments.
    void Push(int adjustment, int baseSize);
    // Removes the adjustment added last, if any.
    void Pop();
    // The point size after every adjustment, kept between 4 and 100.
    int Size(int baseSize) const;

private:
    struct Step
    {
        int size;
        int previous;
    };
    static const int NoStep = -1;

    std::shared_ptr<std::vector<Step>> m_steps; // made by the first Push
    int m_top = NoStep;
};

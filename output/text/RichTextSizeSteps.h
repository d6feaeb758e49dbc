#pragma once
// The size adjustments in force, as a chain of steps that each remember the
// point size they lead to. Adding or removing an adjustment, reading the
// size and copying the whole chain (a saved style shares its steps) each
// take the same time however many adjustments are open, so formatted text
// lays out in time linear in its codes.
class CRichTextSizeSteps
{
public:
    CRichTextSizeSteps() : m_top(nullptr) {}
    CRichTextSizeSteps(const CRichTextSizeSteps& other) : m_top(Share(other.m_top)) {}
    CRichTextSizeSteps& operator=(const CRichTextSizeSteps& other);
    ~CRichTextSizeSteps() { Release(m_top); }

    bool IsEmpty() const { return m_top == nullptr; }
    void Clear();
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
        Step* previous;
        int references;
    };
    static Step* Share(Step* step);
    // Drops one reference, freeing the steps no chain holds any more (in a
    // loop: a recursive free of a long chain would exhaust the stack).
    static void Release(Step* step);

    Step* m_top;
};

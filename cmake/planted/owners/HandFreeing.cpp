// Planted for the ownership check: two hand-written frees and five new that
// no owner takes, which it must report, and a deleted function, a
// self-deleting window and new handed to an owner or on, which it must let be.
#include <memory>
#include <new>

struct CNoCopy
{
    CNoCopy(const CNoCopy&) = delete;
    CNoCopy& operator=(const CNoCopy&) =delete;
};

struct CSelfDeleting
{
    void PostNcDestroy() { delete this; }
};

void FreeByHand(int* one, char* many)
{
    delete one;
    delete[] many;
}

int* MakeBuffer()
{
    return new int[4];
}

struct CNode
{
    CNode() : m_next(new CNode) {}
    void Grow() { m_next = new CNode; }
    CNode& Singleton()
    {
        static CNode* node = new CNode;
        return *node;
    }

    CNode* m_next;
    std::unique_ptr<CNode> m_owned;
};

CNode* Shared = new CNode;

CNode* MakeNode()
{
    std::unique_ptr<CNode> owned(new CNode);
    owned->m_owned.reset(new CNode);
    CNode* made = new CNode;
    made->m_owned = std::unique_ptr<CNode>(new CNode);
    return new CNode;
}

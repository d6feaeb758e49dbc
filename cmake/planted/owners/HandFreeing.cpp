// Planted for the ownership check: two hand-written frees it must report,
// and a deleted function and a self-deleting window it must let be.
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

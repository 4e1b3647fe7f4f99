#include "slots.h"

int TakeSlot(bool (&taken)[SLOT_COUNT], int& nChildren) {
    for (int s = 1; s <= MAX_CHILDREN; ++s) {
        if (!taken[s]) {
            taken[s] = true;
            ++nChildren;
            return s;
        }
    }
    return 0;
}

bool ReleaseSlot(bool (&taken)[SLOT_COUNT], int slot, int& nChildren) {
    if (slot < 1 || slot > MAX_CHILDREN || !taken[slot])
        return false;
    taken[slot] = false;
    --nChildren;
    return true;
}

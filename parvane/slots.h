// The slots of Parvane's pictures: slot 0 holds the start-up picture of the main window,
// slots 1 to MAX_CHILDREN the pictures of the open picture windows, a picture window's slot
// being its control id. Portable: no platform headers.
#pragma once

// At most this many picture windows are open at a time.
constexpr int MAX_CHILDREN = 3;
constexpr int SLOT_COUNT = MAX_CHILDREN + 1;

// Slot bookkeeping of the picture windows. taken[s] tells whether an open picture window
// holds slot s (1 to MAX_CHILDREN); nChildren counts them.
// Takes the lowest free slot, counts it and returns its number; 0 when all are taken.
int TakeSlot(bool (&taken)[SLOT_COUNT], int& nChildren);
// Frees the slot and lowers the count; false (and nothing changed) when the slot is not a
// picture window's or was not taken.
bool ReleaseSlot(bool (&taken)[SLOT_COUNT], int slot, int& nChildren);

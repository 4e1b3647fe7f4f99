// The arithmetic and bookkeeping of Parvane that needs no window: where the start-up picture
// stands, how large a picture window is and where it goes, the proposal and result of the
// file dialog, the texts of the error boxes and which slot a picture window takes. Portable:
// no platform headers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// At most this many picture windows are open at a time; their slots are 1 to MAX_CHILDREN,
// slot 0 holds the start-up picture of the main window.
constexpr int MAX_CHILDREN = 3;
constexpr int SLOT_COUNT = MAX_CHILDREN + 1;

// Fixed-length texts of the file dialog and the error box.
constexpr std::size_t FILE_FIELD_LENGTH = 256;
constexpr std::size_t ERR_TEXT_LENGTH = 60;

// Where a picture of `picture` pixels starts when centred in `client` pixels: the difference
// halved, truncated toward zero (negative when the picture is the larger).
int CentredPosition(int client, int picture);

// The outer size of a picture window that shows a bmWidth x bmHeight picture: the frame width
// on both sides, the frame height once and the caption height.
struct OuterSize {
    int width;
    int height;
};
OuterSize PictureWindowSize(int bmWidth, int bmHeight, int cxFrame, int cyFrame, int cyCaption);

// The corner of the next picture window in the main window's client area of clientWidth x
// clientHeight pixels: the cascade position (x, y) while it lies inside the client area (the
// window may still be cut off at the right or bottom edge), else (0, 0), where the cascade
// starts again. A window wholly out of sight could be neither seen nor closed.
struct Corner {
    int x;
    int y;
};
Corner CascadeCorner(int x, int y, int clientWidth, int clientHeight);

// The dialog's file buffer (FILE_FIELD_LENGTH characters) made from a blank-padded name of
// nameLength characters: the name without trailing blanks, cut to FILE_FIELD_LENGTH - 1,
// a NUL and blanks. A NUL inside the name stays part of it.
void ProposeFileName(const char* name, std::size_t nameLength, char* file);

// Hands the chosen path (the characters of `file` before its first NUL) back into `name`:
// the path and blanks when it fits, returning its length n; otherwise as much of it as fits,
// returning -n.
int TakeChosenPath(const char* file, char* name, std::size_t nameLength);

// The extended error of a file dialog whose chosen path is longer than its file buffer
// (FNERR_BUFFERTOOSMALL).
constexpr std::uint32_t FILE_DIALOG_BUFFER_TOO_SMALL = 0x3003;
// The box text for a file dialog that failed with the extended error `code` (not 0): why,
// and that no file was opened.
std::string FileDialogFailureMessage(std::uint32_t code);

// The error box text for a system error code (ERR_TEXT_LENGTH characters): "Fehlercode: ",
// the code in a 6-column integer field, a NUL and blanks. Code 0 means the system reported
// nothing: no box, false, and the text is left alone.
bool FormatErrorText(std::int32_t code, char* text);

// Slot bookkeeping of the picture windows. taken[s] tells whether an open picture window
// holds slot s (1 to MAX_CHILDREN); nChildren counts them.
// Takes the lowest free slot, counts it and returns its number; 0 when all are taken.
int TakeSlot(bool (&taken)[SLOT_COUNT], int& nChildren);
// Frees the slot and lowers the count; false (and nothing changed) when the slot is not a
// picture window's or was not taken.
bool ReleaseSlot(bool (&taken)[SLOT_COUNT], int slot, int& nChildren);

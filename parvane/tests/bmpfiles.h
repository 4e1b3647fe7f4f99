// Bitmap files for the tests, built byte by byte: every pixel layout the system loader knows,
// and damaged or foreign files. Each good file shows the same picture: four quadrants of
// distinct colours, so that a picture upside down or mirrored is seen at once.
#pragma once

#include <windows.h>

#include <string>

// The colours of the quadrants, top-left, top-right, bottom-left, bottom-right.
extern const COLORREF QUADRANT_COLOURS[4];
// The two-colour version for 1 bit per pixel: black top-left and bottom-right, white else.
extern const COLORREF QUADRANT_MONO[4];

// The colour of pixel (x, y), counted from the top-left, of a w x h quadrant picture.
int QuadrantOf(int x, int y, int w, int h);

// Uncompressed (BI_RGB) file with a BITMAPINFOHEADER; 1, 4, 8, 16 (5-5-5), 24 or 32 bits.
// A negative height stores the rows top-down.
std::string QuadrantBmp(int w, int h, int bits);
// A 24-bit quadrant picture in colours of its own.
std::string ColourBmp(int w, int h, const COLORREF (&colours)[4]);
// BI_BITFIELDS with 16 (5-6-5) or 32 bits per pixel.
std::string BitfieldsBmp(int w, int h, int bits);
// BI_RLE8 or BI_RLE4 (8 or 4 bits), each row as runs of one colour.
std::string RleBmp(int w, int h, int bits);
// An OS/2 file: BITMAPCOREHEADER, 24 bits, or 8 bits with a palette of RGBTRIPLE.
std::string CoreBmp(int w, int h, int bits);
// The pixel rows of a w x h quadrant picture of 24 or 32 bits per pixel, as a file holds them.
std::string QuadrantPixels(int w, int h, int bits);
// A file whose headers promise a whole w x h picture of `bits` bits per pixel (BI_RGB, or
// BI_BITFIELDS with its three masks) but that brings only `pixels` as its data: a file cut
// short, or pixels of another depth than the header names.
std::string PromisingBmp(int w, int h, int bits, bool bitfields, const std::string& pixels);
// Headers only: a 24-bit file that claims w x h pixels but brings `pixelBytes` of data.
std::string ClaimingBmp(int w, int h, std::size_t pixelBytes);
// A few bytes of a real PNG (a 1x1 white picture).
std::string PngFile();

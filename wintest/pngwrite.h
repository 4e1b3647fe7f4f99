// The PNG writer of the screenshots: truecolour pictures, uncompressed. Portable: no platform
// headers, so the native unit tests reach it too.
#pragma once

#include <string>
#include <vector>

// The bytes of a PNG file of width x height pixels; rgb holds the rows from the top, three
// bytes a pixel (red, green, blue). The image data are zlib "stored" blocks: small code, and
// the files are only looked at.
std::string EncodePng(int width, int height, const std::vector<unsigned char>& rgb);

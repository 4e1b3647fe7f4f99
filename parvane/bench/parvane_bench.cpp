// Not a test: opens, paints and closes a picture window for a 4000 x 3000 bitmap with 24 bits
// per pixel, round after round, and prints the time of each step and the process's memory
// after each close. Ends with code 1 when the memory after closing grows from round to round.
// Run it with `scripts/bench parvane`.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "parvane.h"
#include "picturewnd.h"
#include "textio.h"
#include "modalscript.h"
#include "startprog.h"
#include "tempfiles.h"

namespace {

constexpr int WIDTH = 4000, HEIGHT = 3000, ROUNDS = 8;
// What a round may leave behind before it counts as growth: the allocator's own slack.
constexpr SIZE_T SLACK = 256 * 1024;

double Ms(const LARGE_INTEGER& a, const LARGE_INTEGER& b) {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return 1000.0 * static_cast<double>(b.QuadPart - a.QuadPart) / static_cast<double>(f.QuadPart);
}

LARGE_INTEGER Now() {
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return t;
}

// A 24-bit picture: a colour ramp, so that the loader has real pixels to convert.
bool WriteBigBitmap(const std::string& path) {
    const DWORD stride = (WIDTH * 3 + 3) & ~3u, image = stride * HEIGHT;
    BITMAPFILEHEADER fh{};
    fh.bfType = 0x4D42;
    fh.bfOffBits = sizeof fh + sizeof(BITMAPINFOHEADER);
    fh.bfSize = fh.bfOffBits + image;
    BITMAPINFOHEADER ih{};
    ih.biSize = sizeof ih;
    ih.biWidth = WIDTH;
    ih.biHeight = HEIGHT;
    ih.biPlanes = 1;
    ih.biBitCount = 24;
    ih.biSizeImage = image;
    HANDLE f = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (f == INVALID_HANDLE_VALUE)
        return false;
    DWORD n;
    bool ok =
        WriteFile(f, &fh, sizeof fh, &n, nullptr) && WriteFile(f, &ih, sizeof ih, &n, nullptr);
    std::vector<unsigned char> row(stride, 0);
    for (int y = 0; ok && y < HEIGHT; ++y) {
        for (int x = 0; x < WIDTH; ++x) {
            row[x * 3] = static_cast<unsigned char>(x * 255 / WIDTH);
            row[x * 3 + 1] = static_cast<unsigned char>(y * 255 / HEIGHT);
            row[x * 3 + 2] = static_cast<unsigned char>((x + y) & 0xFF);
        }
        ok = WriteFile(f, row.data(), stride, &n, nullptr) != 0;
    }
    CloseHandle(f);
    return ok;
}

} // namespace

int main() {
    hInst = GetModuleHandleA(nullptr);
    if (!RegisterParvaneClass(hInst) || !RegisterPictureClass())
        return 2;
    hwndMain = CreateParvaneWindow(hInst);
    if (hwndMain == nullptr)
        return 2;
    ShowWindow(hwndMain, SW_SHOWMAXIMIZED);
    UpdateWindow(hwndMain);
    DrainQueue();

    const TempFolder folder("parvane_bench");
    const std::string path = folder.Path("4000x3000.bmp");
    if (!WriteBigBitmap(path)) {
        fprintf(stderr, "cannot write %s\n", path.c_str());
        return 2;
    }

    printf("%d x %d pixels, 24 bits per pixel (%lu bytes)\n", WIDTH, HEIGHT,
           static_cast<unsigned long>(((WIDTH * 3 + 3) & ~3) * HEIGHT + 54));
    printf("round   open ms  paint ms  close ms  memory open KB  after close KB\n");
    std::vector<SIZE_T> after;
    int status = 0;
    for (int round = 1; round <= ROUNDS; ++round) {
        SetFixedText(szFileName, sizeof szFileName, path.c_str());
        const LARGE_INTEGER t0 = Now();
        HWND child = OpenPictureWindow(hwndMain);
        const LARGE_INTEGER t1 = Now();
        if (child == nullptr) {
            fprintf(stderr, "the picture did not open\n");
            status = 2;
            break;
        }
        InvalidateRect(child, nullptr, FALSE);
        UpdateWindow(child);
        GdiFlush();
        const LARGE_INTEGER t2 = Now();
        const SIZE_T open = CurrentMemory().committed;
        DestroyWindow(child);
        DrainQueue();
        const LARGE_INTEGER t3 = Now();
        after.push_back(CurrentMemory().committed);
        printf("%5d %9.1f %9.1f %9.1f %15lu %15lu\n", round, Ms(t0, t1), Ms(t1, t2), Ms(t2, t3),
               static_cast<unsigned long>(open / 1024),
               static_cast<unsigned long>(after.back() / 1024));
    }
    // The first round sets up what the loader and the display keep for good.
    for (size_t i = 2; i < after.size(); ++i) {
        if (after[i] > after[1] + SLACK) {
            printf("memory after closing grew by %lu KB from round 2 to round %lu\n",
                   static_cast<unsigned long>((after[i] - after[1]) / 1024),
                   static_cast<unsigned long>(i + 1));
            status = 1;
        }
    }
    if (status == 0)
        printf("memory after closing stays within %lu KB from round 2 on\n",
               static_cast<unsigned long>(SLACK / 1024));
    DestroyWindow(hwndMain);
    return status;
}

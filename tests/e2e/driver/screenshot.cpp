#include "tests/e2e/driver/screenshot.h"

#include "tests/e2e/driver/check.h"
#include "tests/e2e/driver/prefix.h"
#include "tests/e2e/driver/ui.h"
#include "tests/e2e/driver/wait.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>

namespace {

// The program may probe the network for up to 10 s before it shows itself.
constexpr DWORD kShowTimeoutMs = 60000;

}  // namespace

std::string BmpFile(const BITMAPINFOHEADER& bih, const void* bits) {
    const DWORD stride = DWORD((bih.biWidth * 3 + 3) & ~3), size = stride * DWORD(bih.biHeight);
    BITMAPFILEHEADER bfh{};
    bfh.bfType = 0x4D42;  // "BM"
    bfh.bfOffBits = sizeof bfh + sizeof bih;
    bfh.bfSize = bfh.bfOffBits + size;
    std::string file(reinterpret_cast<const char*>(&bfh), sizeof bfh);
    file.append(reinterpret_cast<const char*>(&bih), sizeof bih);
    file.append(static_cast<const char*>(bits), size);
    return file;
}

std::string ScreenBmp(const RECT& r) {
    const int w = r.right - r.left, h = r.bottom - r.top;
    BITMAPINFOHEADER bih{};
    bih.biSize = sizeof bih;
    bih.biWidth = w;
    bih.biHeight = h;  // bottom-up, as BMP files store rows
    bih.biPlanes = 1;
    bih.biBitCount = 24;
    bih.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    HBITMAP dib = CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&bih), DIB_RGB_COLORS,
                                   &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(mem, dib);
    BitBlt(mem, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
    GdiFlush();
    const std::string file = BmpFile(bih, bits);
    SelectObject(mem, old);
    DeleteObject(dib);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    return file;
}

namespace {

constexpr DWORD kSettleTimeoutMs = 5000;

bool PaintPending(HWND hwnd) {
    if (GetUpdateRect(hwnd, nullptr, FALSE)) return true;
    for (HWND c = GetWindow(hwnd, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        if (PaintPending(c)) return true;
    return false;
}

// Paints come last in a thread's queue, so neither a round trip nor an empty
// update region alone says the picture is final: wait for both and for two
// captures in a row to agree.
std::string Settled(HWND hwnd, const RECT& (*area)(HWND, RECT&)) {
    RECT r{};
    std::string last, now;
    WaitUntil(kSettleTimeoutMs, [&] {
        DWORD_PTR unused = 0;
        SendMessageTimeoutA(hwnd, WM_NULL, 0, 0, SMTO_NORMAL, 2000, &unused);
        if (PaintPending(hwnd)) return false;
        last.swap(now);
        now = ScreenBmp(area(hwnd, r));
        return now == last;
    }, 30);
    return now;
}

const RECT& ClientArea(HWND hwnd, RECT& r) {
    GetClientRect(hwnd, &r);
    MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

const RECT& WindowArea(HWND hwnd, RECT& r) {
    GetWindowRect(hwnd, &r);
    return r;
}

}  // namespace

std::string ClientAreaBmp(HWND hwnd) { return Settled(hwnd, ClientArea); }

std::string PixelsOf(const std::string& bmp, const RECT& part) {
    if (bmp.size() < sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER)) return {};
    BITMAPINFOHEADER bih{};
    bmp.copy(reinterpret_cast<char*>(&bih), sizeof bih, sizeof(BITMAPFILEHEADER));
    const LONG w = bih.biWidth, h = bih.biHeight;  // bottom-up rows
    const size_t stride = size_t((w * 3 + 3) & ~3), base = sizeof(BITMAPFILEHEADER) + sizeof bih;
    std::string out;
    for (LONG y = std::max(part.top, LONG(0)); y < std::min(part.bottom, h); ++y) {
        const LONG left = std::max(part.left, LONG(0)), right = std::min(part.right, w);
        if (left < right)
            out += bmp.substr(base + size_t(h - 1 - y) * stride + size_t(left) * 3,
                              size_t(right - left) * 3);
    }
    return out;
}

void CheckControlsLookTheSame(HWND parent, const std::string& before, const std::string& after,
                              int skipId) {
    for (const Control& c : ChildrenOf(parent)) {
        if (!c.visible || c.id == skipId) continue;
        check::Context row("control " + std::to_string(c.id) + " " + check::Show(c.text));
        CHECK(PixelsOf(after, c.rect) == PixelsOf(before, c.rect));
    }
}

bool SaveArtefact(const std::string& name, const std::string& bmp) {
    return WriteBytes(std::string(kArtefactFolder) + name + ".bmp", bmp);
}

bool SaveQuorvanScreenshot(const char* path) {
    HWND main = nullptr;
    WaitUntil(kShowTimeoutMs, [&] {
        main = FindWindowA("QuorvanMainWindow", nullptr);
        return main && IsWindowVisible(main);
    }, 50);
    if (!main || !IsWindowVisible(main)) {
        std::fprintf(stderr, "no visible Quorvan window\n");
        return false;
    }
    return WriteBytes(path, Settled(main, WindowArea));
}

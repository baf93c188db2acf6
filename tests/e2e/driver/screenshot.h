#pragma once

#include <windows.h>

#include <string>

// A 24-bit bottom-up DIB's header and pixels as the bytes of a BMP file.
std::string BmpFile(const BITMAPINFOHEADER& header, const void* bits);
// What the screen shows in a rectangle (screen coordinates), as the bytes
// of a 24-bit BMP file.
std::string ScreenBmp(const RECT& area);
// The window's client area as shown, once the window has handled what was
// queued for it (its pending paints included).
std::string ClientAreaBmp(HWND hwnd);
// The pixels of a part of a BMP from ScreenBmp or ClientAreaBmp, the part
// given in the BMP's own coordinates (top-left origin).
std::string PixelsOf(const std::string& bmp, const RECT& part);
// Checks that every visible child of the window shows the same pixels in
// both client-area pictures, except the control `skipId` (the one that had
// the focus, whose focus cue may come and go).
void CheckControlsLookTheSame(HWND parent, const std::string& before, const std::string& after,
                              int skipId);
// Keeps a picture for a person to look at: run-scenario.sh copies it, as
// PNG, to build/e2e-artefacts/SCENARIO/NAME.png.
bool SaveArtefact(const std::string& name, const std::string& bmp);
// Waits for the program's main window (any process) and saves the screen
// area it covers.
bool SaveQuorvanScreenshot(const char* path);

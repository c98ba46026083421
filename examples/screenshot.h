// What the examples share for their --screenshot mode: reading the path
// from the command line, letting the window settle, and saving the window
// with any open drop-down as a PNG file.
#pragma once

#include <windows.h>

#include <vector>

// The path after "--screenshot " on the command line (quotes removed) into
// `path`; false when there is none.
bool ScreenshotPath(const char* commandLine, char* path, int size);

// Dispatches messages for about `milliseconds`, so that the windows paint.
void PumpFor(DWORD milliseconds);

// Saves `window` (its client area, or the whole window with its frame when
// `frame` is set) together with the open drop-downs of `controls`, which are
// separate popups, as one picture.
bool SaveScreenshot(HWND window, bool frame, const std::vector<HWND>& controls, const char* path);

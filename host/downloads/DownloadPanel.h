// A download's panel on the home page: title, status line, progress bar and
// Cancel button, drawn from the host's named images. The settings module
// creates the window with our procedure; the download object travels in the
// record's producer data.
#pragma once

#include <windows.h>

namespace zelva::downloads {

class CDownload;

constexpr int kCancelButtonId = 1001;
constexpr UINT_PTR kPanelTimer = 1;
constexpr UINT kPanelTimerMs = 750;

LRESULT CALLBACK DownloadPanelProcedure(HWND window, UINT message, WPARAM w, LPARAM l);

// Repaints the panel and its button, if the download has one.
void RedrawPanel(CDownload& download);

}  // namespace zelva::downloads

// The host's named images the Livery Downloader draws with, loaded at page
// start and released at its end; any that the host lacks is drawn plainly.
#pragma once

#include "PngResource.h"

namespace zelva::module {

struct DownloaderSkin {
  images::PngImage headerBar, largeButton, redButton, greenButton, grayButton, collapse, expand;
  images::PngImage barLeft, barCenter, barRight, progressStart, progressLight, progressDark, progressEnd;
  images::PngImage title, configAccurate;

  void Load();
};

}  // namespace zelva::module

#include "DownloaderSkin.h"

#include "ModuleContext.h"

namespace zelva::module {
namespace {

void LoadNamed(images::PngImage& image, const char* name) {
  const HostContext* host = Host();
  if (host == nullptr) return;
  INT_PTR resource = CallHost(kHostFindImage, name);
  if (resource > 0) image.Load(int(resource), host->hostInstance);
}

}  // namespace

void DownloaderSkin::Load() {
  LoadNamed(headerBar, "Blue Header Bar");
  LoadNamed(largeButton, "Large Button");
  LoadNamed(redButton, "Red Button");
  LoadNamed(greenButton, "Green Button");
  LoadNamed(grayButton, "Gray Button");
  LoadNamed(collapse, "Header Collapse Button");
  LoadNamed(expand, "Header Expand Button");
  LoadNamed(barLeft, "Progress Bar Background Left");
  LoadNamed(barCenter, "Progress Bar Background Center");
  LoadNamed(barRight, "Progress Bar Background Right");
  LoadNamed(progressStart, "Progress Bar Progress Start");
  LoadNamed(progressLight, "Progress Bar Progress Light");
  LoadNamed(progressDark, "Progress Bar Progress Dark");
  LoadNamed(progressEnd, "Progress Bar Progress End");
  LoadNamed(title, "Livery Downloader Title");
  LoadNamed(configAccurate, "Livery Config Accurate");
}

}  // namespace zelva::module

#include "NamedImages.h"

#include <windows.h>

namespace zelva::skin {
namespace {

struct NamedImage {
  int resource;
  char name[52];
};

const NamedImage kNamedImages[] = {
    {125, "Gray Header Bar"},
    {131, "Blue Header Bar"},
    {123, "PDF Bullet Icon"},
    {124, "PDF Folder Icon"},
    {127, "Mini Airplane Icon"},
    {129, "ZLP Icon"},
    {138, "Medium Button"},
    {165, "Medium Gray Button"},
    {137, "Large Button"},
    {164, "Large Gray Button"},
    {139, "Gray Button"},
    {140, "Green Button"},
    {141, "Red Button"},
    {143, "Header Collapse Button"},
    {142, "Header Expand Button"},
    {145, "Progress Bar Background Left"},
    {144, "Progress Bar Background Center"},
    {146, "Progress Bar Background Right"},
    {150, "Progress Bar Progress Start"},
    {149, "Progress Bar Progress Light"},
    {147, "Progress Bar Progress Dark"},
    {148, "Progress Bar Progress End"},
    {155, "Menu Icon Settings"},
    {156, "Menu Icon Version"},
    {126, "Menu Icon Expansions"},
    {152, "Menu Icon Documentation"},
    {154, "Menu Icon Liveries"},
    {160, "Menu Icon Display Settings"},
    {171, "Menu Icon Sound Settings"},
    {158, "Checkmark"},
    {159, "Livery Downloader Title"},
    {162, "Radio Button Off"},
    {161, "Radio Button On"},
    {163, "Livery Config Accurate"},
    {167, "Light Info Balloon"},
    {166, "Dark Info Balloon"},
    {0, ""},
};

}  // namespace

int FindNamedImage(const char* name) {
  if (name == nullptr) return -1;
  for (const NamedImage* entry = kNamedImages; entry->resource != 0; ++entry) {
    if (lstrcmpiA(entry->name, name) == 0) return entry->resource;
  }
  return -1;
}

}  // namespace zelva::skin

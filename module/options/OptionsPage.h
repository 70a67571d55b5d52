// The Aircraft Specific Settings page: pick a variant and one of its
// liveries, and edit the settings file of that livery's airframe, which every
// livery with the same registration shares.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "AirframeSettings.h"
#include "Gdi.h"
#include "ObjectWindow.h"
#include "Page.h"
#include "PngResource.h"
#include "PropertyList.h"

namespace zelva::module {

class OptionsPage : public Page, public ui::ObjectWindow<OptionsPage>, private PropertyListEvents {
 public:
  static std::unique_ptr<Page> Create(int page, int dialogTemplate, HWND area, HWND productWindow);
  ~OptionsPage() override;
  HWND window() const override { return ObjectWindow::window(); }

 private:
  friend class ui::ObjectWindow<OptionsPage>;
  struct LiveryRecord {
    std::string name;  // ui_variation
    uint16_t entry;
  };

  OptionsPage() = default;
  INT_PTR OnMessage(UINT message, WPARAM w, LPARAM l);
  void OnInitDialog();
  void OnCommand(WORD id, WORD code);
  INT_PTR OnNotify(NMHDR& header);
  void OnDrawItem(const DRAWITEMSTRUCT& item);
  INT_PTR OnControlColour(HDC dc, HWND control);

  void CreateVariantSelector();
  void AddTooltip(HWND control, const char* text);
  void LoadSkin();

  void OnVariantChosen();
  void ChangeVariant(int variant);
  void SelectVariantInSelector(int variant);
  void ReadLiveryTable();
  void ApplyFilter();
  void SelectLiveryInList(int entry);
  void OnLiveryChosen();
  void LoadFile(int entry, const std::string& fileName);
  void ShowLoadedFile();
  void FillUsersList();
  bool ConfirmReplacingFile();
  void AskBeforeLeaving();
  bool Save();
  void Cancel();
  void UpdateButtons();
  void ShowTitle(const std::string& title, const std::string& description);

  void ShowProperty(const options::AircraftOption* option, const options::SettingsEntry& entry) override;
  void ValueTaken() override;

  HWND Item(int id) const { return GetDlgItem(window(), id); }

  int variant_ = -1;
  int liveryEntry_ = -1;  // the livery whose settings file is loaded
  std::vector<LiveryRecord> liveries_;
  options::AirframeSettings model_;
  std::unique_ptr<PropertyList> properties_;
  HWND variantSelector_ = nullptr;
  HWND tooltip_ = nullptr;  // owned by the page, which destroys it with itself
  win::BrushHandle background_{CreateSolidBrush(kPageColour)};
  win::BrushHandle white_{CreateSolidBrush(RGB(255, 255, 255))};
  win::FontHandle titleFont_;
  images::PngImage buttonFace_, grayButtonFace_;
};

}  // namespace zelva::module

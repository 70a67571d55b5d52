// The property list of the options page: one collapsible group per shown
// section of the settings model, the Property and Value columns drawn from
// texts asked for on demand, and at most one editor over a Value cell.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <memory>

#include "AirframeSettings.h"
#include "Gdi.h"
#include "ValueEditors.h"

namespace zelva::module {

class PropertyListEvents {
 public:
  // A row was chosen: show its title and description.
  virtual void ShowProperty(const options::AircraftOption* option, const options::SettingsEntry& entry) = 0;
  // A commit changed the model.
  virtual void ValueTaken() = 0;

 protected:
  ~PropertyListEvents() = default;
};

class PropertyList : private EditorEvents {
 public:
  PropertyList(HWND list, options::AirframeSettings& model, PropertyListEvents& events);
  ~PropertyList();
  PropertyList(const PropertyList&) = delete;
  PropertyList& operator=(const PropertyList&) = delete;

  HWND window() const { return list_; }
  // Shows the model anew; the editor closes.
  void Fill();
  // Takes what the user changed in the open editor and closes it; false when
  // the value was rejected (its message shown, the editor kept).
  bool CommitAndClose();
  void CloseEditor();
  // LVN_GETDISPINFO from the list, which its parent hands on.
  void FillDisplayInfo(NMLVDISPINFOA& info) const;
  void FillDisplayInfo(NMLVDISPINFOW& info) const;

 private:
  static LRESULT CALLBACK SubclassProcedure(HWND window, UINT message, WPARAM w, LPARAM l, UINT_PTR id, DWORD_PTR self);
  LRESULT OnMessage(UINT message, WPARAM w, LPARAM l);
  LRESULT OnLeftButtonDown(WPARAM w, LPARAM l);
  void OnEditorCommand(WPARAM w, LPARAM l);
  void SelectProperty(int item);
  // Whether a value is taken: the editor's text after the range check and
  // the product's check. Unless forced, an editor the user did not touch
  // gives nothing.
  bool TakeEditorValue(bool forced);
  void FollowEditedRow();
  bool ValueCell(int item, RECT& cell) const;
  const options::SettingsEntry* EntryOf(LPARAM data) const;
  std::string CellText(LPARAM data, int column) const;

  void CommitFromEditor(bool closeAfter) override;
  void CancelFromEditor() override;
  void ReturnFocusFromEditor() override;

  HWND list_;
  options::AirframeSettings& model_;
  PropertyListEvents& events_;
  win::FontHandle dropDownFont_;
  std::unique_ptr<ValueEditor> editor_;
  int editedItem_ = -1;
  LPARAM editedData_ = 0;
  RECT editedCell_ = {};
};

}  // namespace zelva::module

// The editors over the Value cell of the property list: an edit box, a
// drop-down list of labels, and an editable drop-down of labels. Each is a
// child of the list view; the notifications they send reach it there and are
// handed back through OnNotification.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "AircraftOption.h"
#include "Handles.h"

namespace zelva::module {

// What an editor asks of the list it sits in.
class EditorEvents {
 public:
  // Take the editor's value; close the editor when it was taken and closeAfter is set.
  virtual void CommitFromEditor(bool closeAfter) = 0;
  // Close the editor and drop what it holds.
  virtual void CancelFromEditor() = 0;
  // The editor is done for now; the list takes the focus.
  virtual void ReturnFocusFromEditor() = 0;

 protected:
  ~EditorEvents() = default;
};

class ValueEditor {
 public:
  virtual ~ValueEditor() = default;
  ValueEditor(const ValueEditor&) = delete;
  ValueEditor& operator=(const ValueEditor&) = delete;

  HWND window() const { return window_.get(); }
  // Whether the user changed what the editor holds since it opened.
  bool edited() const { return edited_; }
  // The text a commit takes: "0" or "1", a choice's stored value, or what
  // was typed, whole.
  virtual std::string Read() const = 0;
  virtual void OnNotification(WORD code) = 0;
  // Keys that reach the editor; true when the editor acted on them.
  virtual bool OnKey(WPARAM key) = 0;
  // Over the cell, whose rectangle is in the list's coordinates.
  void Place(const RECT& cell);

 protected:
  explicit ValueEditor(EditorEvents& events) : events_(events) {}
  // Makes the control, child of list, and hands keys of keyWindow (the control
  // itself when null) to OnKey.
  bool Create(const char* className, DWORD style, const char* text, HWND list, const RECT& cell, HWND keyWindow = nullptr);
  void Subclass(HWND keyWindow);
  bool IsDroppedDown() const;
  // The data of a drop-down's selected item; -1 when none is selected.
  LRESULT SelectedData() const;
  // Enter commits and closes, Escape closes; true for either. The editor may
  // be gone on return.
  bool CommitOrCancel(WPARAM key);

  win::WindowHandle window_;
  EditorEvents& events_;
  bool edited_ = false;
  int dropHeight_ = 0;  // below the cell, for the list of a drop-down
};

// The editor for an option of the given row (null: an entry without one),
// holding its stored value; null when the control cannot be made.
std::unique_ptr<ValueEditor> OpenValueEditor(const options::AircraftOption* option, const std::string& stored, HWND list,
                                             const RECT& cell, HFONT dropDownFont, EditorEvents& events);

}  // namespace zelva::module

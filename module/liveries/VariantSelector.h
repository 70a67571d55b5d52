// The page's variant selector: an owner-drawn drop-down list whose face and
// items the page draws, with a decoration item above and below the variants
// that can never stay chosen. It takes no keyboard input and no wheel turns.
#pragma once

#include <windows.h>

#include "PngResource.h"

namespace zelva::module {

constexpr LPARAM kDecorationItem = 999;

class VariantSelector {
 public:
  VariantSelector() = default;
  ~VariantSelector() { Detach(); }
  VariantSelector(const VariantSelector&) = delete;
  VariantSelector& operator=(const VariantSelector&) = delete;

  // Takes over the combo box's drawing and fills it: the decorations around
  // each variant installed while the base variant is installed too.
  void Attach(HWND combo, const images::PngImage& face, const images::PngImage& highlight);
  void Detach();

  // The variant of the chosen item; -1 for none or a decoration.
  int ChosenVariant() const;
  // Chooses the variant's item; false when it has none.
  bool Choose(int variant);
  void ChooseItem(int item);

  void Measure(MEASUREITEMSTRUCT& item) const;
  void Draw(const DRAWITEMSTRUCT& item) const;

 private:
  static LRESULT CALLBACK ComboProcedure(HWND window, UINT message, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR self);
  static LRESULT CALLBACK ListProcedure(HWND window, UINT message, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR self);
  void PaintFace(HDC dc) const;
  void AddItem(const char* text, LPARAM data);

  HWND combo_ = nullptr;
  HWND list_ = nullptr;
  const images::PngImage* face_ = nullptr;
  const images::PngImage* highlight_ = nullptr;
};

}  // namespace zelva::module

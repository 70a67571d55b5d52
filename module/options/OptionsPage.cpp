#include "OptionsPage.h"

#include <commctrl.h>

#include "ControlText.h"
#include "LiveryFiles.h"
#include "LiveryPaths.h"
#include "LiveryText.h"
#include "ModuleContext.h"
#include "ModuleImages.h"
#include "OptionValues.h"
#include "OptionsDrawing.h"
#include "OptionsResources.h"
#include "ProductOptionHook.h"
#include "ProfileSection.h"
#include "SettingsFile.h"

namespace zelva::module {
namespace {

constexpr size_t kLiveryTableCapacity = 500;
constexpr size_t kLiveryNameChars = 100;
constexpr int kSelectorHeight = 27;
constexpr const char kNoVariant[] = "Please select a variant";

std::string Registration(int variant, int entry) {
  char path[kPathChars];
  if (!VariantConfigFile(variant, path)) return std::string();
  return ReadProfileValue(path, EntrySection(entry).c_str(), "atc_id", kRegistrationChars);
}

}  // namespace

std::unique_ptr<Page> OptionsPage::Create(int, int dialogTemplate, HWND area, HWND) {
  std::unique_ptr<OptionsPage> page(new OptionsPage);
  if (CreateDialogParamA(ModuleInstance(), MAKEINTRESOURCEA(dialogTemplate), area, &OptionsPage::DialogProcedure,
                         reinterpret_cast<LPARAM>(page.get())) == nullptr)
    return nullptr;
  return page;
}

OptionsPage::~OptionsPage() {
  if (window() != nullptr) AskBeforeLeaving();
  properties_.reset();
  DestroyWindowNow();
}

INT_PTR OptionsPage::OnMessage(UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_INITDIALOG:
      OnInitDialog();
      return FALSE;
    case WM_COMMAND:
      OnCommand(LOWORD(w), HIWORD(w));
      return TRUE;
    case WM_NOTIFY:
      return OnNotify(*reinterpret_cast<NMHDR*>(l));
    case WM_DRAWITEM:
      OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(l));
      return TRUE;
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
      return OnControlColour(reinterpret_cast<HDC>(w), reinterpret_cast<HWND>(l));
  }
  return FALSE;
}

void OptionsPage::OnInitDialog() {
  titleFont_.reset(CreateFontA(-17, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                               CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH, "Arial"));
  SendMessageA(Item(IDC_OPTIONS_TITLE), WM_SETFONT, reinterpret_cast<WPARAM>(titleFont_.get()), FALSE);
  LoadSkin();
  CreateVariantSelector();
  SendMessageW(Item(IDC_OPTIONS_FILTER), EM_SETCUEBANNER, TRUE, reinterpret_cast<LPARAM>(L"Filter..."));
  tooltip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window(), nullptr, ModuleInstance(), nullptr);
  AddTooltip(variantSelector_, "Select the aircraft variant to view its properties.");
  AddTooltip(Item(IDC_OPTIONS_FILTER), "Type to filter installed aircraft.");
  PropertyListEvents& events = *this;
  properties_ = std::make_unique<PropertyList>(Item(IDC_OPTIONS_PROPERTIES), model_, events);
  ShowTitle(std::string(), std::string());

  if (SendMessageA(variantSelector_, CB_GETCOUNT, 0, 0) > 0) {
    SendMessageA(variantSelector_, CB_SETCURSEL, 0, 0);
    ChangeVariant(int(SendMessageA(variantSelector_, CB_GETITEMDATA, 0, 0)));
  }
}

void OptionsPage::LoadSkin() {
  const HostContext* host = Host();
  if (host == nullptr) return;
  INT_PTR face = CallHost(kHostFindImage, "Large Button");
  INT_PTR gray = CallHost(kHostFindImage, "Large Gray Button");
  if (face > 0) buttonFace_.Load(int(face), host->hostInstance);
  if (gray > 0) grayButtonFace_.Load(int(gray), host->hostInstance);
}

// The host's skinned list frames the variants with its "Header" and
// "Footer" items and never reports them chosen; a plain drop-down list
// stands in where the host has no such class.
void OptionsPage::CreateVariantSelector() {
  HWND place = Item(IDC_OPTIONS_VARIANT);
  RECT r = {};
  GetWindowRect(place, &r);
  MapWindowPoints(nullptr, window(), reinterpret_cast<POINT*>(&r), 2);
  DestroyWindow(place);
  SkinComboBoxParameters parameters = {kSkinComboBoxDark, kNoVariant};
  HMENU id = reinterpret_cast<HMENU>(INT_PTR(IDC_OPTIONS_VARIANT));
  variantSelector_ = CreateWindowExA(0, kSkinComboBoxClass, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, r.left, r.top,
                                     r.right - r.left, kSelectorHeight, window(), id, ModuleInstance(), &parameters);
  if (variantSelector_ == nullptr) {
    variantSelector_ = CreateWindowExA(0, "COMBOBOX", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST,
                                       r.left, r.top, r.right - r.left, 200, window(), id, ModuleInstance(), nullptr);
    SendMessageA(variantSelector_, WM_SETFONT, SendMessageA(window(), WM_GETFONT, 0, 0), FALSE);
  }
  const ProductInfo& product = Product();
  for (int variant = 0; variant < product.variantCount && variant < kMaxVariants; ++variant) {
    const VariantEntry& entry = product.variants[variant];
    if (entry.installed == 0 || entry.name == nullptr) continue;
    // The skinned list answers with its inner index: the new item is the last one either way.
    if (SendMessageA(variantSelector_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.name)) < 0) continue;
    LRESULT last = SendMessageA(variantSelector_, CB_GETCOUNT, 0, 0) - 1;
    SendMessageA(variantSelector_, CB_SETITEMDATA, WPARAM(last), LPARAM(variant));
  }
}

void OptionsPage::AddTooltip(HWND control, const char* text) {
  if (tooltip_ == nullptr || control == nullptr) return;
  TOOLINFOA tool = {};
  tool.cbSize = sizeof(tool);
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = window();
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = const_cast<char*>(text);
  SendMessageA(tooltip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void OptionsPage::OnCommand(WORD id, WORD code) {
  switch (id) {
    case IDC_OPTIONS_VARIANT:
      if (code == CBN_SELENDOK) OnVariantChosen();
      break;
    case IDC_OPTIONS_FILTER:
      if (code == EN_CHANGE) ApplyFilter();
      break;
    case IDC_OPTIONS_LIVERIES:
      if (code == LBN_SELCHANGE) OnLiveryChosen();
      break;
    case IDC_OPTIONS_SAVE:
      if (code == BN_CLICKED) Save();
      break;
    case IDC_OPTIONS_CANCEL:
      if (code == BN_CLICKED) Cancel();
      break;
  }
}

INT_PTR OptionsPage::OnNotify(NMHDR& header) {
  if (properties_ == nullptr || header.hwndFrom != properties_->window()) return FALSE;
  if (header.code == LVN_GETDISPINFOA) properties_->FillDisplayInfo(reinterpret_cast<NMLVDISPINFOA&>(header));
  if (header.code == LVN_GETDISPINFOW) properties_->FillDisplayInfo(reinterpret_cast<NMLVDISPINFOW&>(header));
  return FALSE;
}

void OptionsPage::OnDrawItem(const DRAWITEMSTRUCT& item) {
  switch (item.CtlID) {
    case IDC_OPTIONS_FILE_NAME:
      DrawFileName(item);
      break;
    case IDC_OPTIONS_BANNER:
      DrawOptionsBanner(item, SharedImages().emblem);
      break;
    case IDC_OPTIONS_SAVE:
    case IDC_OPTIONS_CANCEL:
      DrawSkinButton(item, buttonFace_, grayButtonFace_);
      break;
  }
}

INT_PTR OptionsPage::OnControlColour(HDC dc, HWND control) {
  if (control != nullptr && control == Item(IDC_OPTIONS_DESCRIPTION)) {
    SetBkColor(dc, RGB(255, 255, 255));
    return reinterpret_cast<INT_PTR>(white_.get());
  }
  SetBkColor(dc, kPageColour);
  return reinterpret_cast<INT_PTR>(background_.get());
}

void OptionsPage::OnVariantChosen() {
  LRESULT selected = SendMessageA(variantSelector_, CB_GETCURSEL, 0, 0);
  if (selected < 0) return;
  int variant = int(SendMessageA(variantSelector_, CB_GETITEMDATA, WPARAM(selected), 0));
  if (variant == variant_) return;
  if (!ConfirmReplacingFile()) {
    SelectVariantInSelector(variant_);
    return;
  }
  ChangeVariant(variant);
}

void OptionsPage::SelectVariantInSelector(int variant) {
  LRESULT count = SendMessageA(variantSelector_, CB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    if (SendMessageA(variantSelector_, CB_GETITEMDATA, WPARAM(i), 0) == variant) {
      SendMessageA(variantSelector_, CB_SETCURSEL, WPARAM(i), 0);
      return;
    }
  }
  SendMessageA(variantSelector_, CB_SETCURSEL, WPARAM(-1), 0);
}

void OptionsPage::ChangeVariant(int variant) {
  properties_->CloseEditor();
  variant_ = variant;
  // The rows of the variant exist before its first file is read.
  if (ProductOptionHook hook = CurrentProductOptionHook()) hook(kHookVariantChanged, variant, nullptr, nullptr);
  // A file of the variant before stays out of sight under this one.
  model_.Clear();
  liveryEntry_ = -1;
  ShowLoadedFile();
  ShowTitle(std::string(), std::string());
  ReadLiveryTable();
  SetWindowTextA(Item(IDC_OPTIONS_FILTER), "");
  ApplyFilter();
  SelectLiveryInList(0);
  if (!liveries_.empty()) OnLiveryChosen();
}

void OptionsPage::ReadLiveryTable() {
  liveries_.clear();
  char path[kPathChars];
  if (!VariantConfigFile(variant_, path)) return;
  // Entries past the table's capacity stay in the file, unlisted.
  while (liveries_.size() < kLiveryTableCapacity) {
    uint16_t entry = uint16_t(liveries_.size());
    std::string name = ReadProfileValue(path, EntrySection(entry).c_str(), "ui_variation", kLiveryNameChars);
    if (name.empty()) break;
    liveries_.push_back({std::move(name), entry});
  }
}

void OptionsPage::ApplyFilter() {
  HWND list = Item(IDC_OPTIONS_LIVERIES);
  std::string filter = ControlText(Item(IDC_OPTIONS_FILTER));
  SendMessageA(list, WM_SETREDRAW, FALSE, 0);
  SendMessageA(list, LB_RESETCONTENT, 0, 0);
  for (const LiveryRecord& livery : liveries_) {
    if (!livery::ContainsWithoutCase(livery.name, filter)) continue;
    LRESULT index = SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(livery.name.c_str()));
    if (index >= 0) SendMessageA(list, LB_SETITEMDATA, WPARAM(index), LPARAM(livery.entry));
  }
  SendMessageA(list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list, nullptr, TRUE);
  SelectLiveryInList(liveryEntry_);
}

void OptionsPage::SelectLiveryInList(int entry) {
  HWND list = Item(IDC_OPTIONS_LIVERIES);
  LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    if (entry >= 0 && SendMessageA(list, LB_GETITEMDATA, WPARAM(i), 0) == entry) {
      SendMessageA(list, LB_SETCURSEL, WPARAM(i), 0);
      return;
    }
  }
  SendMessageA(list, LB_SETCURSEL, WPARAM(-1), 0);
}

void OptionsPage::OnLiveryChosen() {
  HWND list = Item(IDC_OPTIONS_LIVERIES);
  LRESULT selected = SendMessageA(list, LB_GETCURSEL, 0, 0);
  if (variant_ < 0 || selected < 0) {
    properties_->CloseEditor();
    return;
  }
  int entry = int(SendMessageA(list, LB_GETITEMDATA, WPARAM(selected), 0));
  std::string registration = Registration(variant_, entry);
  if (registration.empty()) {
    // Nothing names a file: the one shown stays.
    properties_->CloseEditor();
    return;
  }
  std::string fileName = registration + ".ini";
  if (!model_.path().empty() && options::EqualsWithoutCase(fileName, model_.fileName())) {
    liveryEntry_ = entry;  // another livery of the same airframe
    return;
  }
  if (!ConfirmReplacingFile()) {
    SelectLiveryInList(liveryEntry_);
    return;
  }
  properties_->CloseEditor();
  LoadFile(entry, fileName);
}

void OptionsPage::LoadFile(int entry, const std::string& fileName) {
  LoadAirframeSettings(model_, fileName);
  liveryEntry_ = entry;
  ShowLoadedFile();
  SetFocus(properties_->window());
  ShowTitle(std::string(), std::string());
}

void OptionsPage::ShowLoadedFile() {
  std::string label = model_.path().empty() ? std::string() : "(" + model_.fileName() + ")";
  SetWindowTextA(Item(IDC_OPTIONS_FILE_NAME), label.c_str());
  InvalidateRect(Item(IDC_OPTIONS_FILE_NAME), nullptr, FALSE);
  properties_->Fill();
  FillUsersList();
  UpdateButtons();
}

// Every livery of every variant, installed or not, whose registration names
// the loaded file; each variant's entries are read up to the first without
// a ui_variation, so a livery without a registration ends nothing.
void OptionsPage::FillUsersList() {
  HWND users = Item(IDC_OPTIONS_USERS);
  SendMessageA(users, LB_RESETCONTENT, 0, 0);
  if (model_.path().empty()) return;
  const std::string fileName = model_.fileName();
  const ProductInfo& product = Product();
  for (int variant = 0; variant < product.variantCount && variant < kMaxVariants; ++variant) {
    char path[kPathChars];
    if (!VariantConfigFile(variant, path)) continue;
    for (size_t entry = 0; entry < kLiveryTableCapacity; ++entry) {
      std::string section = EntrySection(int(entry));
      std::string name = ReadProfileValue(path, section.c_str(), "ui_variation", kLiveryNameChars);
      if (name.empty()) break;
      std::string registration = ReadProfileValue(path, section.c_str(), "atc_id", kRegistrationChars);
      if (!options::NamesSettingsFile(registration, fileName)) continue;
      std::string line = std::string(product.variants[variant].name) + " - " + name;
      SendMessageA(users, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
    }
  }
}

// Asked before the loaded file gives way to another while it has unsaved
// changes; false: the user keeps it.
bool OptionsPage::ConfirmReplacingFile() {
  if (!model_.HasChanges()) return true;
  std::string question = "The settings in " + model_.fileName() +
                         " have changes that are not saved.\n\nDo you want to save them?\n\n"
                         "Yes saves them, No discards them, Cancel keeps them here.";
  switch (AskUser(question.c_str(), "Unsaved Changes", MB_YESNOCANCEL | MB_ICONQUESTION)) {
    case IDYES:
      return Save();
    case IDNO:
      return true;
    default:
      return false;
  }
}

// The page is going whatever the answer; what it may still do is save.
void OptionsPage::AskBeforeLeaving() {
  if (!model_.HasChanges()) return;
  std::string question = "The settings in " + model_.fileName() +
                         " have changes that are not saved.\n\nDo you want to save them?";
  if (AskUser(question.c_str(), "Unsaved Changes", MB_YESNO | MB_ICONQUESTION) == IDYES) SaveAirframeSettings(model_);
}

bool OptionsPage::Save() {
  if (!properties_->CommitAndClose()) return false;
  bool saved = SaveAirframeSettings(model_);
  UpdateButtons();
  InvalidateRect(properties_->window(), nullptr, FALSE);
  return saved;
}

void OptionsPage::Cancel() {
  properties_->CloseEditor();
  RevertAirframeSettings(model_);
  properties_->Fill();
  ShowTitle(std::string(), std::string());
  UpdateButtons();
}

void OptionsPage::UpdateButtons() {
  BOOL changes = model_.HasChanges() ? TRUE : FALSE;
  for (int id : {IDC_OPTIONS_SAVE, IDC_OPTIONS_CANCEL}) {
    EnableWindow(Item(id), changes);
    InvalidateRect(Item(id), nullptr, FALSE);
  }
}

void OptionsPage::ShowTitle(const std::string& title, const std::string& description) {
  SetWindowTextA(Item(IDC_OPTIONS_TITLE), title.c_str());
  SetWindowTextA(Item(IDC_OPTIONS_DESCRIPTION), description.c_str());
}

void OptionsPage::ShowProperty(const options::AircraftOption* option, const options::SettingsEntry& entry) {
  if (option != nullptr) {
    ShowTitle(option->displayName, option->description);
  } else {
    ShowTitle(entry.key, "No description found.");
  }
}

void OptionsPage::ValueTaken() { UpdateButtons(); }

}  // namespace zelva::module

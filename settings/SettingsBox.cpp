#include "SettingsBox.h"

#include "Drawing.h"

namespace zelva::settings {
namespace {

constexpr int kTitleBar = 38;
constexpr int kPadding = 16;
constexpr int kCheckHeight = 38;
constexpr int kRowGap = 6;
constexpr int kDot = 10;

const wchar_t kAssociated[] = L"Package files (.zlp) open with ZELVA Hangardesk";
const wchar_t kNotAssociated[] = L"Package files (.zlp) are not associated with ZELVA Hangardesk";

}  // namespace

SettingsBox::SettingsBox(const PageStyle& style, const HostLink& host) : style_(style), host_(host) {}

SettingsBox::~SettingsBox() { DestroyWindowNow(); }

bool SettingsBox::Create(HWND page, int id) {
  if (CreateWindowFor(WS_EX_CONTROLPARENT | WS_EX_NOPARENTNOTIFY, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN,
                      RECT{0, 0, 100, 100}, page, id) == nullptr)
    return false;
  openPdfExternally_ = CreateControl(L"BUTTON", L"Open PDF manuals in an external viewer",
                                     BS_AUTOCHECKBOX | BS_MULTILINE | WS_TABSTOP, kOpenPdfExternally);
  checkForUpdates_ = CreateControl(L"BUTTON", L"Check for updates at start-up",
                                   BS_AUTOCHECKBOX | BS_MULTILINE | WS_TABSTOP, kCheckForUpdates);
  association_ = CreateControl(L"STATIC", L"", SS_LEFT | SS_NOPREFIX, kAssociation);
  Refresh();
  return openPdfExternally_ != nullptr && checkForUpdates_ != nullptr && association_ != nullptr;
}

HWND SettingsBox::CreateControl(const wchar_t* className, const wchar_t* text, DWORD style, int id) {
  HWND control = CreateWindowExW(WS_EX_NOPARENTNOTIFY, className, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 10, 10,
                                 window(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), win::ThisModule(),
                                 nullptr);
  if (control != nullptr) SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(style_.controlFont()), FALSE);
  return control;
}

void SettingsBox::Refresh() {
  const HostContext& context = host_.context();
  SendMessageW(openPdfExternally_, BM_SETCHECK, context.openPdfExternally != 0 ? BST_CHECKED : BST_UNCHECKED, 0);
  SendMessageW(checkForUpdates_, BM_SETCHECK, context.checkForUpdates != 0 ? BST_CHECKED : BST_UNCHECKED, 0);
  associated_ = context.fileAssociation == 1;
  SetWindowTextW(association_, associated_ ? kAssociated : kNotAssociated);
  InvalidateRect(window(), nullptr, FALSE);
}

int SettingsBox::PreferredHeight() const {
  return style_.Px(kTitleBar + kPadding + 2 * (kCheckHeight + kRowGap) + 1 + kRowGap + kCheckHeight + kPadding);
}

void SettingsBox::Layout() {
  RECT client;
  GetClientRect(window(), &client);
  const int pad = style_.Px(kPadding);
  const int width = client.right - 2 * pad;
  int y = style_.Px(kTitleBar + kPadding);
  SetWindowPos(openPdfExternally_, nullptr, pad, y, width, style_.Px(kCheckHeight), SWP_NOZORDER | SWP_NOACTIVATE);
  y += style_.Px(kCheckHeight + kRowGap);
  SetWindowPos(checkForUpdates_, nullptr, pad, y, width, style_.Px(kCheckHeight), SWP_NOZORDER | SWP_NOACTIVATE);
  y += style_.Px(kCheckHeight + kRowGap) + 1 + style_.Px(kRowGap);
  const int textLeft = pad + style_.Px(kDot + 8);
  SetWindowPos(association_, nullptr, textLeft, y + style_.Px(2), client.right - textLeft - pad,
               style_.Px(kCheckHeight), SWP_NOZORDER | SWP_NOACTIVATE);
}

void SettingsBox::Paint(HDC dc) {
  RECT client;
  GetClientRect(window(), &client);
  BufferedSurface surface(dc, client);
  Gdiplus::Graphics& g = surface.graphics();
  const float w = float(client.right);
  const float radius = style_.PxF(6.0f);
  const Gdiplus::RectF card = FillCard(g, client, radius);
  FinishCard(g, card, radius, palette::kAccent, Gdiplus::RectF(0.0f, 0.0f, w, style_.PxF(kTitleBar)));
  const float pad = style_.PxF(kPadding);
  DrawTextBlock(g, L"Settings", style_.caption(), palette::kOnAccent,
                Gdiplus::RectF(pad, 0.0f, w - 2 * pad, style_.PxF(kTitleBar)), TextAlign::kNear, true);

  const float separator = style_.PxF(kTitleBar + kPadding + 2 * (kCheckHeight + kRowGap));
  Gdiplus::Pen line{Gdiplus::Color(palette::kCardBorder), 1.0f};
  g.DrawLine(&line, pad, separator, w - pad, separator);

  // A status dot beside the association text: green when packages open here.
  const float dot = style_.PxF(kDot);
  const float dotTop = separator + 1.0f + style_.PxF(kRowGap) + style_.PxF(5.0f);
  Gdiplus::SolidBrush dotBrush{Gdiplus::Color(associated_ ? palette::kPositive : palette::kNeutral)};
  g.FillEllipse(&dotBrush, pad, dotTop, dot, dot);
}

void SettingsBox::OnCheckChanged(int id) {
  HWND check = id == kOpenPdfExternally ? openPdfExternally_ : checkForUpdates_;
  const int32_t value = SendMessageW(check, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
  HostContext& context = host_.context();
  int32_t& field = id == kOpenPdfExternally ? context.openPdfExternally : context.checkForUpdates;
  if (field == value) return;
  field = value;
  host_.Log("%s set to %d", id == kOpenPdfExternally ? "Open PDF externally" : "Check for updates",
            static_cast<int>(value));
  host_.SaveSettings();
}

LRESULT SettingsBox::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT painted = 0;
  if (HandlePaintMessage(message, wParam, painted)) return painted;
  switch (message) {
    case WM_SIZE:
      Layout();
      return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
      HDC dc = reinterpret_cast<HDC>(wParam);
      SetTextColor(dc, palette::kTextColor);
      SetBkColor(dc, palette::kCardColor);
      return reinterpret_cast<LRESULT>(style_.cardBrush());
    }
    case WM_COMMAND:
      if (HIWORD(wParam) == BN_CLICKED && (LOWORD(wParam) == kOpenPdfExternally || LOWORD(wParam) == kCheckForUpdates))
        OnCheckChanged(LOWORD(wParam));
      return 0;
    default:
      return Default(message, wParam, lParam);
  }
}

}  // namespace zelva::settings

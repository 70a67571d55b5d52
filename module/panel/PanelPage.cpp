#include "PanelPage.h"

#include <cstdio>

#include "ScreenRatios.h"
#include "ControlText.h"
#include "ModuleContext.h"
#include "PageDrawing.h"
#include "PanelResources.h"
#include "WideText.h"

namespace zelva::module {
namespace {

constexpr COLORREF kWarning = RGB(170, 32, 24);
constexpr COLORREF kHeading = RGB(16, 46, 92);
constexpr const char kUnknownText[] =
    "Unable to determine the current aspect ratio.  The panel.cfg will be reset when you select a new aspect ratio.";

win::FontHandle MakeFont(int pixels, int weight) {
  return win::FontHandle(CreateFontA(-pixels, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                     CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH, "Arial"));
}

}  // namespace

std::unique_ptr<Page> PanelPage::Create(int, int dialogTemplate, HWND area, HWND) {
  std::unique_ptr<PanelPage> page(new PanelPage);
  if (CreateDialogParamA(ModuleInstance(), MAKEINTRESOURCEA(dialogTemplate), area, &PanelPage::DialogProcedure,
                         reinterpret_cast<LPARAM>(page.get())) == nullptr)
    return nullptr;
  return page;
}

INT_PTR PanelPage::OnMessage(UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_INITDIALOG:
      OnInitDialog();
      return FALSE;
    case WM_COMMAND:
      OnCommand(LOWORD(w), HIWORD(w));
      return TRUE;
    case WM_DRAWITEM:
      DrawRatioCard(*reinterpret_cast<const DRAWITEMSTRUCT*>(l));
      return TRUE;
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
      return OnControlColour(reinterpret_cast<HDC>(w), reinterpret_cast<HWND>(l));
  }
  return FALSE;
}

void PanelPage::OnInitDialog() {
  titleFont_ = MakeFont(20, FW_BOLD);
  ratioFont_ = MakeFont(17, FW_BOLD);
  for (int id : {IDC_PANEL_TITLE, IDC_PANEL_SCREEN_TITLE, IDC_PANEL_SCREEN_RATIO}) {
    HFONT font = id == IDC_PANEL_TITLE ? titleFont_.get() : ratioFont_.get();
    SendMessageA(Item(id), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  }
  if (const HostContext* host = Host()) {
    INT_PTR on = CallHost(kHostFindImage, "Radio Button On"), off = CallHost(kHostFindImage, "Radio Button Off");
    if (on > 0) radioOn_.Load(int(on), host->hostInstance);
    if (off > 0) radioOff_.Load(int(off), host->hostInstance);
  }
  SendMessageA(Item(IDC_PANEL_WIDTH), EM_LIMITTEXT, 9, 0);
  SendMessageA(Item(IDC_PANEL_HEIGHT), EM_LIMITTEXT, 9, 0);
  path_ = PanelConfigFile();
  ReadSetting();
  // Filling the boxes classifies the screen through their change notices.
  SetDlgItemInt(window(), IDC_PANEL_WIDTH, UINT(GetSystemMetrics(SM_CXSCREEN)), FALSE);
  SetDlgItemInt(window(), IDC_PANEL_HEIGHT, UINT(GetSystemMetrics(SM_CYSCREEN)), FALSE);
  ClassifyScreen();
}

void PanelPage::OnCommand(WORD id, WORD code) {
  if (id >= IDC_PANEL_RATIO_FIRST && id <= IDC_PANEL_RATIO_LAST && code == BN_CLICKED) {
    ChooseRatio(id - IDC_PANEL_RATIO_FIRST);
  } else if ((id == IDC_PANEL_WIDTH || id == IDC_PANEL_HEIGHT) && code == EN_CHANGE) {
    ClassifyScreen();
  }
}

INT_PTR PanelPage::OnControlColour(HDC dc, HWND control) {
  SetBkColor(dc, kPageColour);
  if (control != nullptr && control == Item(IDC_PANEL_CURRENT) &&
      (setting_.state != PanelState::kRead || setting_.ratio == panel::kUnknownRatio)) {
    SetTextColor(dc, kWarning);
  } else if (control != nullptr && (control == Item(IDC_PANEL_TITLE) || control == Item(IDC_PANEL_SCREEN_TITLE) ||
                                    control == Item(IDC_PANEL_SCREEN_RATIO))) {
    SetTextColor(dc, kHeading);
  }
  return reinterpret_cast<INT_PTR>(background_.get());
}

void PanelPage::ReadSetting() {
  setting_ = ReadPanelSetting(path_);
  std::string text;
  switch (setting_.state) {
    case PanelState::kMissing:
      text = "The panel.cfg of the ZELVA K50-200LR was not found, so its aspect ratio can be neither shown nor "
             "changed:\n" + path_;
      break;
    case PanelState::kUnreadable:
      text = "The panel.cfg of the ZELVA K50-200LR could not be read:\n" + path_;
      break;
    case PanelState::kRead:
      if (setting_.ratio == panel::kUnknownRatio) {
        text = kUnknownText;
      } else {
        const panel::AspectRatio& ratio = panel::kRatios[setting_.ratio];
        char line[160];
        std::snprintf(line, sizeof(line), "The panel is laid out for %s (%d x %d). Choose another ratio to lay it out "
                      "for a different screen.", ratio.label, ratio.width, ratio.height);
        text = line;
      }
      break;
  }
  SetWindowTextA(Item(IDC_PANEL_CURRENT), text.c_str());
  for (int id = IDC_PANEL_RATIO_FIRST; id <= IDC_PANEL_RATIO_LAST; ++id) InvalidateRect(Item(id), nullptr, FALSE);
}

void PanelPage::ChooseRatio(int ratio) {
  WritePanelRatio(path_, ratio);
  ReadSetting();
}

void PanelPage::ClassifyScreen() {
  unsigned width = 0, height = 0;
  panel::ScreenMatch match;
  if (panel::ReadScreenSize(ControlText(Item(IDC_PANEL_WIDTH)), width) &&
      panel::ReadScreenSize(ControlText(Item(IDC_PANEL_HEIGHT)), height))
    match = panel::MatchScreen(width, height);
  screenRatio_ = match.ratio;
  bool known = match.ratio != panel::kUnknownRatio;
  SetWindowTextA(Item(IDC_PANEL_SCREEN_RATIO), known ? panel::kRatios[match.ratio].label : "");
  ShowWindow(Item(IDC_PANEL_NOTE), known && !match.exact ? SW_SHOW : SW_HIDE);
  for (int id = IDC_PANEL_RATIO_FIRST; id <= IDC_PANEL_RATIO_LAST; ++id) InvalidateRect(Item(id), nullptr, FALSE);
}

// A white card with the radio mark, the ratio and its reference resolution;
// the current one framed in the accent colour, the screen's one tagged.
void PanelPage::DrawRatioCard(const DRAWITEMSTRUCT& item) {
  int ratio = int(item.CtlID) - IDC_PANEL_RATIO_FIRST;
  if (ratio < 0 || ratio >= panel::kRatioCount) return;
  const panel::AspectRatio& shown = panel::kRatios[ratio];
  bool current = setting_.state == PanelState::kRead && setting_.ratio == ratio;

  Gdiplus::Graphics graphics(item.hDC);
  Prepare(graphics);
  FillPageColour(graphics, item.rcItem);
  Gdiplus::RectF box = RectOf(item.rcItem);
  box.Inflate(-1.5f, -1.5f);
  Gdiplus::GraphicsPath card;
  AddRoundedRectangle(card, box, 6.0f);
  Gdiplus::SolidBrush white{Gdiplus::Color(item.itemState & ODS_SELECTED ? 0xFFE8EEF6 : 0xFFFFFFFF)};
  graphics.FillPath(&white, &card);
  Gdiplus::Pen frame(Gdiplus::Color(current ? kAccent : 0xFFC4CCD8), current ? 3.0f : 1.0f);
  graphics.DrawPath(&frame, &card);

  const images::PngImage& radio = current ? radioOn_ : radioOff_;
  float mark = 20.0f, x = box.X + 12.0f, y = box.Y + 14.0f;
  if (radio) {
    graphics.DrawImage(radio.get(), Gdiplus::RectF(x, y, mark, mark));
  } else {
    Gdiplus::Pen ring(Gdiplus::Color(kMakerBlue), 1.5f);
    graphics.DrawEllipse(&ring, x + 2, y + 2, mark - 4, mark - 4);
    Gdiplus::SolidBrush dot{Gdiplus::Color(kMakerBlue)};
    if (current) graphics.FillEllipse(&dot, x + 6, y + 6, mark - 12, mark - 12);
  }
  std::unique_ptr<Gdiplus::Font> large = PageFont(24.0f, Gdiplus::FontStyleBold);
  std::unique_ptr<Gdiplus::Font> small = PageFont(13.0f, Gdiplus::FontStyleRegular);
  Gdiplus::SolidBrush blue{Gdiplus::Color(kMakerBlue)};
  Gdiplus::SolidBrush grey{Gdiplus::Color(0xFF5A6478)};
  float textX = x + mark + 10.0f;
  std::wstring label = win::WideFromAnsi(shown.label);
  graphics.DrawString(label.c_str(), -1, large.get(), Gdiplus::PointF(textX, box.Y + 7.0f), &blue);
  wchar_t reference[40];
  std::swprintf(reference, 40, L"%d \x00D7 %d", shown.width, shown.height);
  graphics.DrawString(reference, -1, small.get(), Gdiplus::PointF(textX + 1.0f, box.Y + 40.0f), &grey);
  if (ratio == screenRatio_) {
    const wchar_t kTag[] = L"your screen";
    Gdiplus::RectF tag;
    graphics.MeasureString(kTag, -1, small.get(), Gdiplus::PointF(0, 0), &tag);
    tag.X = textX + 4.0f;
    tag.Y = box.Y + box.Height - tag.Height - 8.0f;
    Gdiplus::GraphicsPath pill;
    Gdiplus::RectF back(tag.X - 5.0f, tag.Y - 1.0f, tag.Width + 10.0f, tag.Height + 2.0f);
    AddRoundedRectangle(pill, back, back.Height / 2);
    Gdiplus::SolidBrush fill{Gdiplus::Color(0xFF24416B)};
    graphics.FillPath(&fill, &pill);
    Gdiplus::SolidBrush text{Gdiplus::Color(0xFFFFFFFF)};
    graphics.DrawString(kTag, -1, small.get(), Gdiplus::PointF(tag.X, tag.Y), &text);
  }
  if (item.itemState & ODS_FOCUS) {
    RECT focus = item.rcItem;
    InflateRect(&focus, -4, -4);
    DrawFocusRect(item.hDC, &focus);
  }
}

}  // namespace zelva::module

#include "DocumentationPage.h"

#include <commctrl.h>

#include <string>

#include "DocumentationResources.h"
#include "ManualOpening.h"
#include "ModuleContext.h"
#include "PageDrawing.h"
#include "WideText.h"

namespace zelva::module {
namespace {

constexpr int kRowHeight = 40;
constexpr int kColumnWidth = 720;

bool ExpansionInstalled(const char* name) {
  const ProductInfo& product = Product();
  for (int i = 0; i < product.expansionCount && i < kMaxExpansions; ++i) {
    const ExpansionEntry& expansion = product.expansions[i];
    if (expansion.shortName != nullptr && lstrcmpiA(expansion.shortName, name) == 0) return expansion.installed != 0;
  }
  return false;
}

void DrawImage(Gdiplus::Graphics& graphics, const images::PngImage& image, float x, float y, float w, float h) {
  if (image) graphics.DrawImage(image.get(), Gdiplus::RectF(x, y, w, h));
}

}  // namespace

DocumentationPage::DocumentationPage() : list_(manuals::kManuals, &ExpansionInstalled) {}

std::unique_ptr<Page> DocumentationPage::Create(int, int dialogTemplate, HWND area, HWND) {
  std::unique_ptr<DocumentationPage> page(new DocumentationPage);
  if (CreateDialogParamA(ModuleInstance(), MAKEINTRESOURCEA(dialogTemplate), area, &DocumentationPage::DialogProcedure,
                         reinterpret_cast<LPARAM>(page.get())) == nullptr)
    return nullptr;
  return page;
}

INT_PTR DocumentationPage::OnMessage(UINT message, WPARAM, LPARAM l) {
  switch (message) {
    case WM_INITDIALOG:
      OnInitDialog();
      return FALSE;
    case WM_NOTIFY:
      return OnNotify(*reinterpret_cast<const NMHDR*>(l));
    case WM_MEASUREITEM:
      OnMeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(l));
      return TRUE;
    case WM_DRAWITEM:
      OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(l));
      return TRUE;
    case WM_CTLCOLORDLG:
      return reinterpret_cast<INT_PTR>(background_.get());
  }
  return FALSE;
}

void DocumentationPage::OnInitDialog() {
  LoadSkin();
  RECT client;
  GetClientRect(window(), &client);
  // Created here rather than from the template, so its measure request reaches this object.
  view_ = CreateWindowExA(0, WC_LISTVIEWA, "",
                          WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_NOCOLUMNHEADER | LVS_SINGLESEL |
                              LVS_OWNERDRAWFIXED | LVS_SHOWSELALWAYS,
                          10, 10, client.right - 20, client.bottom - 20, window(),
                          reinterpret_cast<HMENU>(INT_PTR(IDC_DOCS_LIST)), ModuleInstance(), nullptr);
  if (view_ == nullptr) return;
  ListView_SetExtendedListViewStyle(view_, LVS_EX_DOUBLEBUFFER | LVS_EX_FULLROWSELECT);
  ListView_SetBkColor(view_, kPageColour);
  LVCOLUMNA column = {};
  column.mask = LVCF_WIDTH;
  column.cx = kColumnWidth;
  SendMessageA(view_, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
  FillList();
}

void DocumentationPage::LoadSkin() {
  const HostContext* host = Host();
  if (host == nullptr) return;
  struct Named {
    images::PngImage& image;
    const char* name;
  } named[] = {{bullet_, "PDF Bullet Icon"},    {folder_, "PDF Folder Icon"},
               {airplane_, "Mini Airplane Icon"}, {headerBar_, "Blue Header Bar"},
               {collapse_, "Header Collapse Button"}, {expand_, "Header Expand Button"}};
  for (Named& entry : named) {
    INT_PTR resource = CallHost(kHostFindImage, entry.name);
    if (resource > 0) entry.image.Load(int(resource), host->hostInstance);
  }
}

void DocumentationPage::FillList() {
  lines_ = list_.Lines();
  SendMessageA(view_, WM_SETREDRAW, FALSE, 0);
  ListView_DeleteAllItems(view_);
  for (size_t i = 0; i < lines_.size(); ++i) {
    const manuals::ListLine& line = lines_[i];
    std::string text = line.manual < 0 ? list_.groupName(line.group) : list_.manual(line.manual).title;
    LVITEMA item = {};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = int(i);
    item.pszText = const_cast<char*>(text.c_str());
    item.lParam = LPARAM(i);
    SendMessageA(view_, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
  }
  SendMessageA(view_, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(view_, nullptr, TRUE);
}

void DocumentationPage::Activate(int item) {
  if (item < 0 || size_t(item) >= lines_.size()) return;
  const manuals::ListLine line = lines_[size_t(item)];
  if (line.manual < 0) {
    list_.Toggle(line.group);
    FillList();
    ListView_SetItemState(view_, item, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    return;
  }
  OpenManual(list_.manual(line.manual));
}

INT_PTR DocumentationPage::OnNotify(const NMHDR& header) {
  if (header.hwndFrom != view_) return FALSE;
  switch (header.code) {
    case NM_CLICK:
      Activate(reinterpret_cast<const NMITEMACTIVATE&>(header).iItem);
      return TRUE;
    case LVN_KEYDOWN: {
      WORD key = reinterpret_cast<const NMLVKEYDOWN&>(header).wVKey;
      if (key == VK_RETURN || key == VK_SPACE) Activate(ListView_GetNextItem(view_, -1, LVNI_FOCUSED));
      return TRUE;
    }
  }
  return FALSE;
}

void DocumentationPage::OnMeasureItem(MEASUREITEMSTRUCT& item) {
  if (item.CtlType == ODT_LISTVIEW) item.itemHeight = kRowHeight;
}

void DocumentationPage::OnDrawItem(const DRAWITEMSTRUCT& item) {
  if (item.hwndItem != view_ || item.itemID >= lines_.size()) return;
  RECT row = item.rcItem;
  row.right = row.left + kColumnWidth;
  // Drawn off screen and copied in one step, so a row never flickers.
  int width = row.right - row.left, height = row.bottom - row.top;
  Gdiplus::Bitmap buffer(width, height, PixelFormat32bppARGB);
  {
    Gdiplus::Graphics graphics(&buffer);
    Prepare(graphics);
    RECT local = {0, 0, width, height};
    FillPageColour(graphics, local);
    Gdiplus::RectF box(0.0f, 0.0f, float(width), float(height));
    const manuals::ListLine& line = lines_[item.itemID];
    if (line.manual < 0)
      DrawHeader(graphics, box, line);
    else
      DrawManual(graphics, box, line, (item.itemState & ODS_SELECTED) != 0);
  }
  Gdiplus::Graphics screen(item.hDC);
  screen.DrawImage(&buffer, row.left, row.top, width, height);
  RECT rest = item.rcItem;
  rest.left = row.right;
  if (rest.right > rest.left) FillRect(item.hDC, &rest, background_.get());
}

void DocumentationPage::DrawHeader(Gdiplus::Graphics& graphics, const Gdiplus::RectF& box,
                                   const manuals::ListLine& line) {
  Gdiplus::RectF bar(box.X, box.Y + 6, box.Width, box.Height - 8);
  if (headerBar_) {
    graphics.DrawImage(headerBar_.get(), bar);
  } else {
    Gdiplus::SolidBrush blue{Gdiplus::Color(kPanelTop)};
    graphics.FillRectangle(&blue, bar);
  }
  DrawImage(graphics, folder_, bar.X + 10, bar.Y + (bar.Height - 16) / 2, 16, 16);
  std::unique_ptr<Gdiplus::Font> font = PageFont(15.0f, Gdiplus::FontStyleBold);
  Gdiplus::SolidBrush white{Gdiplus::Color(0xFFFFFFFF)};
  std::wstring name = win::WideFromAnsi(list_.groupName(line.group).c_str());
  Gdiplus::StringFormat middle;
  middle.SetLineAlignment(Gdiplus::StringAlignmentCenter);
  graphics.DrawString(name.c_str(), -1, font.get(), Gdiplus::RectF(bar.X + 34, bar.Y, bar.Width - 80, bar.Height),
                      &middle, &white);
  const images::PngImage& button = list_.collapsed(line.group) ? expand_ : collapse_;
  float size = 20.0f, x = bar.X + bar.Width - size - 10, y = bar.Y + (bar.Height - size) / 2;
  if (button) {
    graphics.DrawImage(button.get(), Gdiplus::RectF(x, y, size, size));
  } else {
    std::unique_ptr<Gdiplus::Font> sign = PageFont(18.0f, Gdiplus::FontStyleBold);
    graphics.DrawString(list_.collapsed(line.group) ? L"+" : L"\x2212", -1, sign.get(), Gdiplus::PointF(x, y - 2), &white);
  }
}

void DocumentationPage::DrawManual(Gdiplus::Graphics& graphics, const Gdiplus::RectF& box,
                                   const manuals::ListLine& line, bool hot) {
  const manuals::ManualRow& manual = list_.manual(line.manual);
  Gdiplus::RectF card(box.X + 1, box.Y + 2, box.Width - 2, box.Height - 4);
  Gdiplus::GraphicsPath shape;
  AddRoundedRectangle(shape, card, 4.0f);
  Gdiplus::SolidBrush fill{Gdiplus::Color(hot ? 0xFFE6EDF7 : 0xFFFFFFFF)};
  graphics.FillPath(&fill, &shape);
  Gdiplus::Pen edge(Gdiplus::Color(hot ? kMakerBlue : 0xFFD4DAE3), 1.0f);
  graphics.DrawPath(&edge, &shape);
  DrawImage(graphics, bullet_, card.X + 12, card.Y + (card.Height - 16) / 2, 16, 16);
  std::unique_ptr<Gdiplus::Font> title = PageFont(14.0f, Gdiplus::FontStyleBold);
  std::unique_ptr<Gdiplus::Font> small = PageFont(12.0f, Gdiplus::FontStyleRegular);
  Gdiplus::SolidBrush blue{Gdiplus::Color(kMakerBlue)}, grey{Gdiplus::Color(0xFF5A6478)};
  Gdiplus::StringFormat clipped;
  clipped.SetTrimming(Gdiplus::StringTrimmingEllipsisCharacter);
  clipped.SetFormatFlags(Gdiplus::StringFormatFlagsNoWrap);
  float textX = card.X + 40, textWidth = card.Width - 40 - 90;
  std::wstring titleText = win::WideFromAnsi(manual.title);
  std::wstring description = win::WideFromAnsi(manual.description);
  graphics.DrawString(titleText.c_str(), -1, title.get(), Gdiplus::RectF(textX, card.Y + 3, textWidth, 18), &clipped,
                      &blue);
  graphics.DrawString(description.c_str(), -1, small.get(), Gdiplus::RectF(textX, card.Y + 19, textWidth, 16),
                      &clipped, &grey);
  // The open hint on the right.
  float hintX = card.X + card.Width - 80;
  DrawImage(graphics, airplane_, hintX, card.Y + (card.Height - 16) / 2, 16, 16);
  graphics.DrawString(L"Open", -1, title.get(), Gdiplus::PointF(hintX + 22, card.Y + (card.Height - 17) / 2),
                      hot ? &blue : &grey);
}

}  // namespace zelva::module

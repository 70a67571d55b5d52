// The Documentation page of the real module on a simulated FSX: the grouped
// list of manuals, and opening a manual in the host's document window.
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <string>
#include <vector>

#include "DocumentService.h"
#include "DocumentationResources.h"
#include "HostState.h"
#include "PageFixture.h"

using namespace zelva::testing;

namespace {

constexpr int kDocumentationPage = 3;

class DocumentationPageTest : public PageFixture {
 protected:
  void SetUp() override {
    PageFixture::SetUp();
    k50_.RegisterProduct();
    k50_.InstallVariant("ZELVA K50-200LR");
    manuals_ = k50_.fsxRoot() + "ZELVA\\ZELVA K50X\\Flight Manuals\\";
    SHCreateDirectoryExA(nullptr, manuals_.c_str(), nullptr);
  }
  void TearDown() override {
    zelva::document::CloseDocument();
    zelva::host::Context().openPdfExternally = 1;
    PageFixture::TearDown();
  }
  HWND List() const { return Control(IDC_DOCS_LIST); }
  std::vector<std::string> Rows() const {
    std::vector<std::string> rows;
    int count = ListView_GetItemCount(List());
    for (int i = 0; i < count; ++i) {
      char text[260] = {};
      ListView_GetItemText(List(), i, 0, text, sizeof(text));
      rows.push_back(text);
    }
    return rows;
  }
  // The user's Enter on a row of the list.
  void Press(int row) {
    SetFocus(List());
    ListView_SetItemState(List(), row, LVIS_FOCUSED | LVIS_SELECTED, LVIS_FOCUSED | LVIS_SELECTED);
    SendMessageA(List(), WM_KEYDOWN, VK_RETURN, 0);
  }
  std::wstring DocumentTitle() const {
    wchar_t title[256] = {};
    HWND document = zelva::document::DocumentWindowHandle();
    if (document != nullptr) GetWindowTextW(document, title, 256);
    return title;
  }

  std::string manuals_;
};

TEST_F(DocumentationPageTest, SixManualsInOneCollapsedGroupOpenInsideTheHostUnderTheirTitles) {
  WriteWholeFile(manuals_ + "ZELVA-K50-FCTM.pdf", "%PDF-1.4\n%%EOF\n");
  zelva::host::Context().openPdfExternally = 0;
  ASSERT_TRUE(Open(kDocumentationPage));
  EXPECT_EQ(Rows(), std::vector<std::string>{"ZELVA K50 Documentation"});

  Press(0);  // the group's header opens it
  const std::vector<std::string> expanded = {"ZELVA K50 Documentation",
                                             "ZELVA K50 Introduction",
                                             "ZELVA K50 Tutorial #1",
                                             "Flight Crew Operations Manual (FCOM) Vol. 1",
                                             "Flight Crew Operations Manual (FCOM) Vol. 2",
                                             "Flight Crew Training Manual (FCTM)",
                                             "Quick Reference Handbook (QRH)"};
  ASSERT_EQ(Rows(), expanded);

  Press(5);
  EXPECT_EQ(DocumentTitle(), L"Flight Crew Training Manual (FCTM)");
  EXPECT_TRUE(k50_.Logged("Flight Manuals\\ZELVA-K50-FCTM.pdf")) << k50_.Log();

  Press(0);  // and closes it again
  EXPECT_EQ(Rows().size(), 1u);
}

TEST_F(DocumentationPageTest, AMissingManualIsReportedInsteadOfOpened) {
  zelva::host::Context().openPdfExternally = 0;
  ASSERT_TRUE(Open(kDocumentationPage));
  Press(0);
  ASSERT_EQ(Rows().size(), 7u);
  DialogAnswerer answerer("Documentation", IDOK, 5000);
  Press(6);
  ASSERT_TRUE(answerer.WaitPumping());
  EXPECT_NE(answerer.text().find("\"Quick Reference Handbook (QRH)\" was not found"), std::string::npos)
      << answerer.text();
  EXPECT_NE(answerer.text().find("ZELVA-K50-QRH.pdf"), std::string::npos);
  EXPECT_EQ(zelva::document::DocumentWindowHandle(), nullptr);
}

}  // namespace

// Dialog and control identifiers of the Documentation page.
#pragma once

#define IDD_DOCS_PAGE 152

#define IDC_DOCS_LIST 1530

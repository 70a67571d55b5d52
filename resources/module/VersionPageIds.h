// Identifiers of the Version page.
#pragma once

#define IDD_PAGE_VERSION 150

#define IDC_VERSION_LIST 1500
// One of each per version list entry: base + entry index.
#define IDC_VERSION_CHANGELOG 1510
#define IDC_VERSION_DOWNLOAD 1520
#define IDC_VERSION_COLLAPSE 1530

// The texts a download shows while it runs: amounts, bind-status reports and
// the form of its URL in the platform's internet cache. The host's panels and
// the module's working-dialog line word them slightly differently.
#pragma once

#include <cstdint>
#include <string>

namespace zelva::downloads {

enum class TextStyle { kHostPanel, kModuleDialog };

// Bytes as "%01.1fKB" below 1,000 KB, else as megabytes: "%01.2fMB" on the
// host's panels, "%01.1fMB" in the module's working dialog.
std::string FormatAmount(uint32_t bytes, TextStyle style);

// "%s of %s downloaded" ("...downloaded..." in the module's dialog).
std::string ProgressText(uint32_t received, uint32_t expected, TextStyle style);

// The text of a bind-status report (URLMON's BINDSTATUS codes); data
// progress (5) reads as ProgressText. Empty when the report has no text of
// its own in that style.
std::string StatusReportText(uint32_t status, uint32_t received, uint32_t expected, TextStyle style);

// The URL as the cache knows it: every blank written as "%20", cut to at most
// 199 characters.
std::string CacheEntryUrl(const char* url);

}  // namespace zelva::downloads

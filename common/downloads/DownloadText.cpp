#include "DownloadText.h"

#include <cstdio>

namespace zelva::downloads {
namespace {

constexpr size_t kCacheUrlChars = 199;

// The bind-status codes with a fixed text.
const char* FixedStatusText(uint32_t status, TextStyle style) {
  switch (status) {
    case 1: return "Finding resource...";
    case 2: return "Connecting...";
    case 3: return "Redirecting to new location...";
    case 4: return "Beginning download...";
    case 6: return "Download complete!";
    case 11: return "Sending request...";
    case 13: return style == TextStyle::kHostPanel ? "Processing request..." : "";
    case 14: return "Preparing cache file...";
    case 32: return "Detecting proxy...";
    default: return nullptr;
  }
}

}  // namespace

std::string FormatAmount(uint32_t bytes, TextStyle style) {
  char text[32];
  double kilobytes = bytes / 1024.0;
  if (kilobytes < 1000.0) {
    std::snprintf(text, sizeof(text), "%01.1fKB", kilobytes);
  } else {
    std::snprintf(text, sizeof(text), style == TextStyle::kHostPanel ? "%01.2fMB" : "%01.1fMB", kilobytes / 1024.0);
  }
  return text;
}

std::string ProgressText(uint32_t received, uint32_t expected, TextStyle style) {
  return FormatAmount(received, style) + " of " + FormatAmount(expected, style) +
         (style == TextStyle::kHostPanel ? " downloaded" : " downloaded...");
}

std::string StatusReportText(uint32_t status, uint32_t received, uint32_t expected, TextStyle style) {
  if (status == 5) return ProgressText(received, expected, style);
  if (const char* fixed = FixedStatusText(status, style)) return fixed;
  return "Unknown status: " + std::to_string(status);
}

std::string CacheEntryUrl(const char* url) {
  std::string result;
  for (const char* c = url != nullptr ? url : ""; *c != '\0'; ++c) {
    if (*c == ' ')
      result += "%20";
    else
      result += *c;
    if (result.size() >= kCacheUrlChars) break;
  }
  if (result.size() > kCacheUrlChars) result.resize(kCacheUrlChars);
  return result;
}

}  // namespace zelva::downloads

// The summary archives of "Cache\Liveries\": per catalogue entry a small
// package of the server package's "Settings.dat" and "thumbnail.jpg", so
// that dates and pictures need not be fetched on every visit.
#pragma once

#include <memory>
#include <string>

#include "FetchCancel.h"
#include "GdiplusInclude.h"
#include "LiveryCatalogue.h"

namespace zelva::module {

// The files of a summary archive, read into memory; empty when absent.
struct SummaryContent {
  std::string settings;
  std::string thumbnail;
};
SummaryContent ReadSummary(const std::string& fileName);

// The Date of the cached "Settings.dat"; empty without a summary.
std::string CachedDate(const std::string& fileName);

// Reads "Settings.dat", "Config.cfg" and the thumbnail out of the package on
// the server (ranged reads, not the whole package) and writes the summary
// archive. The archive appears complete or not at all. cancel may be null.
bool FetchEntryData(const livery::CatalogueRecord& record, FetchCancel* cancel);

// A bitmap that owns its pixels; null for bytes that are no picture.
std::unique_ptr<Gdiplus::Bitmap> ThumbnailFromBytes(const std::string& bytes);

}  // namespace zelva::module

// Runs one extraction over a package file or URL, with the package key when
// the package is enciphered.
#pragma once

#include <string>

#include "ExtractTypes.h"
#include "ZlpTool.h"

namespace zlptool {

struct RunResult {
  bool ok = false;
  bool enciphered = false;
  Cabinet::ExtractError error = {};
};

RunResult RunExtraction(const Options& options, const std::wstring& package, const std::wstring& target,
                        const Cabinet::ExtractCallbacks& callbacks, INT_PTR user);

// Prints "error: code C, system error S, HTTP status H" and returns kFailed.
int ReportFailure(const char* what, const Cabinet::ExtractError& error);

}  // namespace zlptool

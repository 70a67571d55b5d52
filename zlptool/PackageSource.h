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

// "error: code C, system error S, HTTP status H".
std::string ErrorText(const Cabinet::ExtractError& error);
// Prints what failed (at which entry, when one was being written) and the
// error triple; returns kFailed.
int ReportFailure(const char* what, const Cabinet::ExtractError& error, const std::wstring& entry = std::wstring());

}  // namespace zlptool

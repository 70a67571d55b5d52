// zlptool: lists, extracts, packs and verifies package files from the
// command line, with the same reader and writer the deliverables use.
#pragma once

#include <string>
#include <vector>

namespace zlptool {

struct Options {
  std::vector<std::wstring> arguments;  // everything that is not an option
  bool plain = false;                   // pack: no enciphering
  bool stats = false;                   // print requests and bytes of a URL source
  unsigned blockSize = 40000;           // URL sources: 0 downloads whole
};

int List(const Options& options);
int Extract(const Options& options);
int Verify(const Options& options);
int Pack(const Options& options);
int UpdateList(const Options& options);
int Catalogue(const Options& options);

// Exit codes.
constexpr int kSucceeded = 0;
constexpr int kUsage = 1;
constexpr int kFailed = 2;

// UTF-8 for the console.
std::string Utf8(const std::wstring& text);

}  // namespace zlptool

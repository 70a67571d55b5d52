// Error codes of the cabinet reader and writer (the first value of their
// error records). Reader codes 1 to 11 are the decoder's own error numbers.
#pragma once

#include <cstdint>

namespace Cabinet {

enum ExtractCode : uint32_t {
  kExtractOk = 0,
  kNotACabinet = 2,
  kCorruptCabinet = 4,            // the decoder's number; also an inconsistent header or a file cut short
  kTargetNotCreated = 8,          // folder (system error set), file, or whole-download file
  kDecoderMissing = 1000,
  kInternetMissing = 1001,
  kPathTooShort = 1002,
  kDownloadReadFailed = 1003,
  kNetworkFailed = 1006,          // system error and HTTP status set
  kKeyButPlain = 1007,
  kEncipheredWithoutKey = 1008,
  kMemoryFileOverflow = 1009,
  kOffline = 1010,
  kWrongThread = 1011,
  kThreadTaken = 1012,
  kUnsafeEntryName = 1013,        // entry would land outside the target folder
  kUnsafeCabinetName = 1014,      // cabinet path names a device, or a next cabinet lies outside its folder
};

enum WriterCode : uint32_t {
  kWriterOk = 0,
  kCompressorMissing = 1000,
  kWriterBadName = 1001,          // writer already open, or folder/name empty or under 3 characters
  kCabinetNameNeedsEscape = 1002,
  kNoWideFileFunctions = 1003,    // never raised on NT systems, which all have them
  kFolderNotCreated = 1004,
  kNameTooLong = 1005,
};

// System error numbers the network source produces itself.
enum NetworkError : uint32_t {
  kNoOpenConnection = 6,
  kWrongProtocol = 87,
  kCancelled = 1223,
  kUnknownScheme = 12006,
  kUnexpectedStatus = 12152,
};

constexpr uint32_t kOutOfMemory = 14;
constexpr const char* kOutOfMemoryText = "Fatal error: Out of memory!";

}  // namespace Cabinet

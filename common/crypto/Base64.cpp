#include "Base64.h"

namespace zelva::crypto {

const char kBase64Alphabet[65] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

int Base64Value(char c) {
  if (c >= 'A' && c <= 'Z') return c - 'A';
  if (c >= 'a' && c <= 'z') return c - 'a' + 26;
  if (c >= '0' && c <= '9') return c - '0' + 52;
  if (c == '+') return 62;
  if (c == '/') return 63;
  return -1;
}

std::string Base64Encode(const void* data, size_t length) {
  const auto* bytes = static_cast<const uint8_t*>(data);
  std::string text;
  text.reserve((length + 2) / 3 * 4);
  for (size_t i = 0; i < length; i += 3) {
    uint32_t group = uint32_t(bytes[i]) << 16;
    if (i + 1 < length) group |= uint32_t(bytes[i + 1]) << 8;
    if (i + 2 < length) group |= bytes[i + 2];
    text += kBase64Alphabet[(group >> 18) & 63];
    text += kBase64Alphabet[(group >> 12) & 63];
    text += i + 1 < length ? kBase64Alphabet[(group >> 6) & 63] : '=';
    text += i + 2 < length ? kBase64Alphabet[group & 63] : '=';
  }
  return text;
}

bool Base64Decode(std::string_view text, std::vector<uint8_t>& out) {
  out.clear();
  if (text.size() % 4 != 0) return false;
  for (size_t i = 0; i < text.size(); i += 4) {
    bool last = i + 4 == text.size();
    int padding = 0;
    uint32_t group = 0;
    for (size_t j = 0; j < 4; ++j) {
      char c = text[i + j];
      if (c == '=') {
        // Padding only at the end, only in the last two places, and nothing after it.
        if (!last || j < 2) return false;
        ++padding;
        group <<= 6;
        continue;
      }
      int v = Base64Value(c);
      if (v < 0 || padding > 0) return false;
      group = (group << 6) | uint32_t(v);
    }
    out.push_back(uint8_t(group >> 16));
    if (padding < 2) out.push_back(uint8_t(group >> 8));
    if (padding < 1) out.push_back(uint8_t(group));
  }
  return true;
}

}  // namespace zelva::crypto

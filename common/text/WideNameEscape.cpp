#include "WideNameEscape.h"

#include "../crypto/Base64.h"

namespace zelva::text {
namespace {
constexpr char16_t kFirstWide = 256;

void AppendRun(std::u16string_view run, std::string& out) {
  out += '<';
  uint32_t bits = 0;
  int bitCount = 0;
  for (char16_t unit : run) {
    bits = (bits << 16) | unit;
    bitCount += 16;
    while (bitCount >= 6) {
      bitCount -= 6;
      out += crypto::kBase64Alphabet[(bits >> bitCount) & 63];
    }
    bits &= (1u << bitCount) - 1;
  }
  if (bitCount > 0) out += crypto::kBase64Alphabet[(bits << (6 - bitCount)) & 63];
  out += '>';
}

bool DecodeRun(std::string_view digits, std::u16string& out) {
  size_t units = digits.size() * 6 / 16;
  if (units == 0 || (units * 16 + 5) / 6 != digits.size()) return false;
  uint32_t bits = 0;
  int bitCount = 0;
  for (char c : digits) {
    int v = crypto::Base64Value(c);
    if (v < 0) return false;
    bits = (bits << 6) | uint32_t(v);
    bitCount += 6;
    if (bitCount >= 16 && units > 0) {
      bitCount -= 16;
      out += char16_t((bits >> bitCount) & 0xFFFF);
      bits &= (1u << bitCount) - 1;
      --units;
    }
  }
  return true;
}
}  // namespace

bool NeedsWideEscape(std::u16string_view name) {
  for (char16_t c : name)
    if (c >= kFirstWide) return true;
  return false;
}

std::string EscapeWideName(std::u16string_view name) {
  std::string out;
  size_t i = 0;
  while (i < name.size()) {
    if (name[i] >= kFirstWide) {
      size_t end = i;
      while (end < name.size() && name[end] >= kFirstWide) ++end;
      AppendRun(name.substr(i, end - i), out);
      i = end;
      continue;
    }
    out += static_cast<char>(name[i]);
    if (name[i] == u'<') out += '>';
    ++i;
  }
  return out;
}

bool UnescapeWideName(std::string_view text, std::u16string& name) {
  name.clear();
  size_t i = 0;
  while (i < text.size()) {
    char c = text[i];
    if (c != '<') {
      name += char16_t(static_cast<unsigned char>(c));
      ++i;
      continue;
    }
    size_t close = text.find('>', i + 1);
    if (close == std::string_view::npos) return false;
    if (close == i + 1) {
      name += u'<';
    } else if (!DecodeRun(text.substr(i + 1, close - i - 1), name)) {
      return false;
    }
    i = close + 1;
  }
  return true;
}

}  // namespace zelva::text

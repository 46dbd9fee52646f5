#include "platform/encoding.h"

#include <iconv.h>
#include <langinfo.h>

#include <cerrno>
#include <cstring>
#include <string>

namespace platform {
namespace {

std::string convert(std::string_view in, const char* to, const char* from) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::string(in);
  std::string out;
  out.resize(in.size() * 2 + 8);
  char* src = const_cast<char*>(in.data());
  size_t src_left = in.size();
  size_t done = 0;
  while (src_left > 0) {
    char* dst = out.data() + done;
    size_t dst_left = out.size() - done;
    const size_t r = iconv(cd, &src, &src_left, &dst, &dst_left);
    done = out.size() - dst_left;
    if (r != static_cast<size_t>(-1)) break;
    if (errno == E2BIG) {
      out.resize(out.size() * 2);
    } else {
      // An invalid or incomplete sequence: skip one byte and go on.
      ++src;
      --src_left;
    }
  }
  out.resize(done);
  iconv_close(cd);
  return out;
}

bool is_utf8_or_ascii(const char* codeset) {
  return std::strcmp(codeset, "UTF-8") == 0 || std::strcmp(codeset, "utf8") == 0 ||
         std::strcmp(codeset, "ANSI_X3.4-1968") == 0 || std::strcmp(codeset, "ASCII") == 0;
}

}  // namespace

std::string to_sjis(std::string_view utf8) { return convert(utf8, "CP932", "UTF-8"); }

std::string from_sjis(std::string_view sjis) { return convert(sjis, "UTF-8", "CP932"); }

std::string to_console(std::string_view utf8) {
  const char* codeset = nl_langinfo(CODESET);
  if (codeset == nullptr || is_utf8_or_ascii(codeset)) return std::string(utf8);
  std::string target = codeset;
  if (target == "SHIFT_JIS" || target == "SJIS" || target == "Shift_JIS") target = "CP932";
  return convert(utf8, target.c_str(), "UTF-8");
}

}  // namespace platform

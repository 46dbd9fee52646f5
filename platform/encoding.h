#pragma once
// Text conversions. Sources hold every text as UTF-8; the window font reads
// Shift-JIS, and the console wants whatever the user's locale uses.
#include <string>
#include <string_view>

namespace platform {

// UTF-8 to Shift-JIS (the CP932 variant, which keeps ASCII '\' and '~').
// Characters with no Shift-JIS form are dropped.
std::string to_sjis(std::string_view utf8);

// Shift-JIS (CP932) back to UTF-8; bytes that do not decode are dropped.
std::string from_sjis(std::string_view sjis);

// UTF-8 to the encoding of the current LC_CTYPE locale. UTF-8 and plain
// ASCII ("C") locales get the UTF-8 bytes unchanged: a C locale usually
// means a UTF-8 terminal that nobody configured.
std::string to_console(std::string_view utf8);

}  // namespace platform

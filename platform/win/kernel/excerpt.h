// Outside text (a stored value, a line of a script) as an error message
// quotes it: every byte outside printable ASCII written as \xNN, so that a
// NUL cannot end the message early and no control byte reaches a terminal,
// and a long text cut to its first `limit` bytes with the whole length said.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace win {

inline constexpr std::size_t kExcerptBytes = 80;

std::string printable_excerpt(std::string_view text, std::size_t limit = kExcerptBytes);

}  // namespace win

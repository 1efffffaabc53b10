#pragma once
// The section-name list that the private-profile API fills: names each ended
// by a zero byte, then one more zero.
#include <cstddef>
#include <string>
#include <vector>

// Splits the first a_length bytes of a_buffer (the count the API returned,
// the final zero not included) at the zero bytes. Names are kept as written,
// an empty one included: the count, not the first empty name, ends the
// list, so an empty name can't hide the sections after it. A name cut off
// by a full buffer is kept as far as it goes.
std::vector<std::string> SplitSectionNames(const char* a_buffer, std::size_t a_length);

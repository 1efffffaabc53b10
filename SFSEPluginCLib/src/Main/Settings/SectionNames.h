#pragma once
// The section-name list that the private-profile API fills: names each ended
// by a zero byte, then one more zero. No Windows calls.
#include <algorithm>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Splits the first a_length bytes of a_buffer (the count the API returned,
// the final zero not included) at the zero bytes. Names are kept as written,
// an empty one included: the count, not the first empty name, ends the
// list, so an empty name can't hide the sections after it. A name cut off
// by a full buffer is kept as far as it goes.
std::vector<std::string> SplitSectionNames(const char* a_buffer, std::size_t a_length);

// The platform call: fills a_buffer of a_size bytes and returns the count
// written without the final zero; a list that doesn't fit is cut and the
// count is then a_size - 2.
using SectionListReader = std::function<std::size_t(char* a_buffer, std::size_t a_size)>;

struct SectionList
{
	std::vector<std::string> names;
	bool complete;  // false: longer than MaxSectionListSize, the rest left out
};

// Bytes at the first read, and the most ever read: a list of that size
// would come from an INI file of more than 64 MiB.
inline constexpr std::size_t FirstSectionListSize = 10000;
inline constexpr std::size_t MaxSectionListSize = std::size_t{ 64 } << 20;

// Reads the whole list, growing the buffer while the count says the list
// may have been cut (a count of a_size - 2 is also an exact fit; one more
// read settles it). So no name is cut short into a section that isn't
// there. Past MaxSectionListSize the names read so far are kept, the cut
// last one dropped.
SectionList ReadSectionNames(const SectionListReader& a_read, std::size_t a_firstSize = FirstSectionListSize);

// The same reads for a list of any character type, sizes and counts in
// characters: the list's characters up to the final zero, and whether that
// is all of it (false: cut at MaxSectionListSize characters).
template <class Char, class Reader>
std::pair<std::basic_string<Char>, bool> ReadWholeList(const Reader& a_read, std::size_t a_firstSize = FirstSectionListSize)
{
	std::size_t size = std::clamp<std::size_t>(a_firstSize, 3, MaxSectionListSize);
	std::basic_string<Char> buffer;
	for (;;) {
		buffer.assign(size, Char{});
		const std::size_t length = std::min<std::size_t>(a_read(buffer.data(), size), size - 1);
		const bool complete = length < size - 2;
		if (complete || size == MaxSectionListSize) {
			buffer.resize(length);
			return { std::move(buffer), complete };
		}
		size = std::min(size * 2, MaxSectionListSize);
	}
}

// The section of the settings for the whole plugin; every other section is a
// profile. The INI functions find it in any case ("global", "GLOBAL"), and
// so does the profile list.
inline constexpr std::string_view GlobalSectionName = "Global";
bool IsGlobalSectionName(std::string_view a_name) noexcept;

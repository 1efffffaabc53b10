#include "TextList.h"

#include <array>
#include <charconv>

namespace addrlib
{
	namespace
	{
		constexpr std::string_view kBlanks = " \t\r";

		std::string_view Trim(std::string_view a_text)
		{
			const auto first = a_text.find_first_not_of(kBlanks);
			if (first == std::string_view::npos) {
				return {};
			}
			const auto last = a_text.find_last_not_of(kBlanks);
			return a_text.substr(first, last - first + 1);
		}

		// The next field: up to a blank or a comma; the separator is eaten.
		std::string_view TakeField(std::string_view& a_text)
		{
			a_text = Trim(a_text);
			const auto end = std::min(a_text.find_first_of(" \t,"), a_text.size());
			const auto field = a_text.substr(0, end);
			a_text.remove_prefix(end);
			a_text = Trim(a_text);
			if (!a_text.empty() && a_text.front() == ',') {
				a_text.remove_prefix(1);
			}
			return field;
		}

		std::string Quoted(std::string_view a_text)
		{
			std::string quoted;
			quoted.reserve(a_text.size() + 2);
			quoted += '"';
			quoted += a_text;
			quoted += '"';
			return quoted;
		}
	}

	std::optional<std::uint64_t> ParseNumber(std::string_view a_text)
	{
		int base = 10;
		if (a_text.size() > 2 && a_text[0] == '0' && (a_text[1] == 'x' || a_text[1] == 'X')) {
			a_text.remove_prefix(2);
			base = 16;
		}
		std::uint64_t value = 0;
		const auto* end = a_text.data() + a_text.size();
		const auto [stop, error] = std::from_chars(a_text.data(), end, value, base);
		if (a_text.empty() || error != std::errc() || stop != end) {
			return std::nullopt;
		}
		return value;
	}

	std::optional<std::vector<REL::database::mapping_t>> ParseIdList(std::istream& a_in, ListError& a_error)
	{
		std::vector<REL::database::mapping_t> entries;
		std::string line;
		std::size_t number = 0;
		const auto fail = [&](std::string a_message) {
			a_error = { number, std::move(a_message) };
			return std::nullopt;
		};

		while (std::getline(a_in, line)) {
			++number;
			std::string_view rest(line);
			rest = Trim(rest.substr(0, rest.find('#')));
			if (rest.empty()) {
				continue;
			}
			const auto idText = TakeField(rest);
			const auto offsetText = TakeField(rest);
			if (offsetText.empty()) {
				return fail("expected \"<id> <offset>\"");
			}
			if (!rest.empty()) {
				return fail("unexpected " + Quoted(rest) + " after the offset");
			}
			const auto id = ParseNumber(idText);
			if (!id) {
				return fail(Quoted(idText) + " is not an ID (a decimal or 0x number)");
			}
			const auto offset = ParseNumber(offsetText);
			if (!offset) {
				return fail(Quoted(offsetText) + " is not an offset (a decimal or 0x number)");
			}
			entries.push_back({ *id, *offset });
		}
		return entries;
	}

	std::optional<REL::Version> ParseVersion(std::string_view a_text)
	{
		std::array<REL::Version::value_type, 4> parts{};
		std::size_t count = 0;
		while (true) {
			const auto end = std::min(a_text.find_first_of(".-"), a_text.size());
			const auto piece = a_text.substr(0, end);
			unsigned value = 0;
			const auto [stop, error] = std::from_chars(piece.data(), piece.data() + piece.size(), value);
			if (piece.empty() || error != std::errc() || stop != piece.data() + piece.size() || value > 0xFFFF || count == parts.size()) {
				return std::nullopt;
			}
			parts[count++] = static_cast<REL::Version::value_type>(value);
			if (end == a_text.size()) {
				break;
			}
			a_text.remove_prefix(end + 1);
		}
		return REL::Version(parts[0], parts[1], parts[2], parts[3]);
	}

	std::optional<LibraryName> ParseLibraryName(std::string_view a_fileName)
	{
		constexpr std::string_view kPrefix = "versionlib-";
		constexpr std::string_view kSuffix = ".bin";
		if (!a_fileName.starts_with(kPrefix) || !a_fileName.ends_with(kSuffix)) {
			return std::nullopt;
		}
		auto middle = a_fileName.substr(kPrefix.size(), a_fileName.size() - kPrefix.size() - kSuffix.size());

		LibraryName name;
		std::size_t dashes = 0;
		for (const char c : middle) {
			dashes += c == '-' ? 1 : 0;
		}
		if (dashes == 4) {
			if (!middle.ends_with("-1")) {
				return std::nullopt;
			}
			middle.remove_suffix(2);
		} else if (dashes == 3) {
			name.steam = true;
		} else {
			return std::nullopt;
		}
		if (middle.find('.') != std::string_view::npos) {
			return std::nullopt;
		}
		const auto version = ParseVersion(middle);
		if (!version) {
			return std::nullopt;
		}
		name.version = *version;
		return name;
	}
}

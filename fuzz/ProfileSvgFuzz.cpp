// Fuzzes the camera page the INI checker draws (tarmacor-ini --svg), whose
// texts come from the player's files: a profile's name, its file, a view's
// label.
// - Every input as such a text: what the page writes for it holds no markup
//   and only characters XML may hold, in UTF-8; a text made of those alone
//   comes back whole once its entities are read.
// - One input in 64, chosen by its bytes so that a finding reproduces: the
//   whole page for a profile and a view of it, named, sourced and labelled by
//   the bytes, with the values the bytes give every field, has exactly the
//   markup of the same page with empty texts, no "nan" or "inf" among its
//   numbers, and nothing that isn't UTF-8 or that XML can't hold. Two pages
//   cost what a hundred escapes do (under the sanitizers): drawing them for
//   every input would leave the fuzzer a few hundred inputs a second.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "ProfileSvg.h"
#include "Settings/ProfileFields.h"
#include "Settings/ValueText.h"
#include "XmlText.h"

namespace
{
	void check(bool a_condition)
	{
		if (!a_condition) {
			std::abort();
		}
	}

	std::size_t Count(std::string_view a_text, char a_char)
	{
		return static_cast<std::size_t>(std::count(a_text.begin(), a_text.end(), a_char));
	}

	// Nothing XML can't hold, and UTF-8's lead bytes only where they may be.
	void CheckXmlBytes(std::string_view a_text)
	{
		for (const char c : a_text) {
			const auto byte = static_cast<std::uint8_t>(c);
			check(byte >= 0x20 || byte == '\n' || byte == '\t' || byte == '\r');
			check(byte != 0xC0 && byte != 0xC1 && byte < 0xF5);
		}
	}

	// The five entities read back; anything else as it is. Only an '&' is
	// looked at twice: the fuzzer's speed rests on this walk.
	std::string ReadEntities(std::string_view a_text)
	{
		static constexpr std::pair<std::string_view, char> kEntities[] = { { "&lt;", '<' }, { "&gt;", '>' }, { "&amp;", '&' }, { "&quot;", '"' },
			{ "&apos;", '\'' } };
		std::string text;
		text.reserve(a_text.size());
		std::size_t i = 0;
		while (i < a_text.size()) {
			if (a_text[i] != '&') {
				const auto next = std::min(a_text.find('&', i), a_text.size());
				text.append(a_text, i, next - i);
				i = next;
				continue;
			}
			const auto rest = a_text.substr(i);
			const auto entity = std::find_if(std::begin(kEntities), std::end(kEntities), [&](const auto& a_entity) { return rest.starts_with(a_entity.first); });
			check(entity != std::end(kEntities));
			text += entity->second;
			i += entity->first.size();
		}
		return text;
	}

	void FuzzEscape(std::string_view a_text)
	{
		const auto escaped = EscapeXml(a_text);
		check(escaped.find_first_of("<>\"'") == std::string::npos);
		CheckXmlBytes(escaped);
		// The replacement character marks what was dropped: without one, the
		// text was all XML characters and must come back whole.
		const auto read = ReadEntities(escaped);
		if (read.find("\xEF\xBF\xBD") == std::string::npos) {
			check(read == a_text);
		}
	}

	void FuzzPage(std::string_view a_text)
	{
		Profile profile;
		for (const auto& field : ProfileFields) {
			ApplyProfileFieldText(profile, field, a_text);
		}
		FillValueTexts(profile);
		profile.sProfileName = a_text;
		const SvgProfile named[] = { { &profile, a_text, {} }, { &profile, a_text, a_text } };
		const std::string page = DrawProfilesSvg(named);
		Profile unnamed = profile;
		unnamed.sProfileName.clear();
		const SvgProfile plain[] = { { &unnamed, {}, {} }, { &unnamed, {}, std::string_view() } };
		const std::string plainPage = DrawProfilesSvg(plain);
		for (const char markup : { '<', '>', '"', '\'' }) {
			check(Count(page, markup) == Count(plainPage, markup));
		}
		check(plainPage.find("nan") == std::string::npos && plainPage.find("inf") == std::string::npos);
		CheckXmlBytes(page);
	}

	bool IsPageInput(const std::uint8_t* a_data, std::size_t a_size)
	{
		std::uint32_t sum = static_cast<std::uint32_t>(a_size);
		for (std::size_t i = 0; i < a_size; ++i) {
			sum = sum * 31 + a_data[i];
		}
		return sum % 64 == 0;
	}
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* a_data, std::size_t a_size)
{
	const std::string_view text(reinterpret_cast<const char*>(a_data), a_size);
	FuzzEscape(text);
	if (IsPageInput(a_data, a_size)) {
		FuzzPage(text);
	}
	return 0;
}

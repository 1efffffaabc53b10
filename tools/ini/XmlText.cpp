#include "XmlText.h"

#include <cstdint>

namespace
{
	// One code point at the start of a_text, when it is valid UTF-8 that XML
	// may hold: its length in bytes, or 0.
	std::size_t MeasureXmlCharacter(std::string_view a_text) noexcept
	{
		const auto byte = [&](std::size_t a_index) { return static_cast<std::uint8_t>(a_text[a_index]); };
		const std::uint8_t lead = byte(0);
		if (lead < 0x80) {
			// Of the control characters, XML holds only tab, line feed and carriage return.
			return lead >= 0x20 || lead == '\t' || lead == '\n' || lead == '\r' ? 1 : 0;
		}
		std::size_t length = 0;
		std::uint32_t codePoint = 0;
		if (lead >= 0xC2 && lead <= 0xDF) {
			length = 2;
			codePoint = lead & 0x1Fu;
		} else if (lead >= 0xE0 && lead <= 0xEF) {
			length = 3;
			codePoint = lead & 0x0Fu;
		} else if (lead >= 0xF0 && lead <= 0xF4) {
			length = 4;
			codePoint = lead & 0x07u;
		} else {
			return 0;
		}
		if (a_text.size() < length) {
			return 0;
		}
		for (std::size_t i = 1; i < length; ++i) {
			if ((byte(i) & 0xC0u) != 0x80u) {
				return 0;
			}
			codePoint = (codePoint << 6) | (byte(i) & 0x3Fu);
		}
		const bool overlong = (length == 3 && codePoint < 0x800) || (length == 4 && codePoint < 0x10000);
		const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
		const bool xmlForbids = codePoint == 0xFFFE || codePoint == 0xFFFF;
		if (overlong || surrogate || xmlForbids || codePoint > 0x10FFFF) {
			return 0;
		}
		return length;
	}
}

std::string EscapeXml(std::string_view a_text)
{
	std::string escaped;
	escaped.reserve(a_text.size());
	while (!a_text.empty()) {
		const std::size_t length = MeasureXmlCharacter(a_text);
		if (length == 0) {
			escaped += "\xEF\xBF\xBD";
			a_text.remove_prefix(1);
			continue;
		}
		switch (a_text[0]) {
		case '<': escaped += "&lt;"; break;
		case '>': escaped += "&gt;"; break;
		case '&': escaped += "&amp;"; break;
		case '"': escaped += "&quot;"; break;
		case '\'': escaped += "&apos;"; break;
		default: escaped.append(a_text.substr(0, length)); break;
		}
		a_text.remove_prefix(length);
	}
	return escaped;
}

#include "ValueCheck.h"

#include "Settings/ValueParsing.h"

namespace
{
	// A number read from the start of a_text: a_accepted says whether the
	// setting takes the value the reader gave (a value that doesn't fit has
	// none and is out of range too).
	template <class T, class Accepts>
	ValueCheck CheckNumber(std::string_view a_text, const PrefixReading<T>& a_reading, Accepts a_accepts) noexcept
	{
		if (a_reading.iLength == 0) {
			return { ValueReading::kNotANumber, {}, {} };
		}
		if (!a_reading.value || !a_accepts(*a_reading.value)) {
			return { ValueReading::kOutOfRange, {}, {} };
		}
		const auto read = a_text.substr(0, a_reading.iLength);
		const auto ignored = a_text.substr(a_reading.iLength);
		return { ignored.empty() ? ValueReading::kRead : ValueReading::kLeadingPartOnly, read, ignored };
	}
}

ValueCheck CheckValueText(IniValueKind a_kind, std::string_view a_text) noexcept
{
	if (a_text.empty()) {
		return { ValueReading::kEmpty, {}, {} };
	}
	switch (a_kind) {
	case IniValueKind::kHotkey:
		return CheckNumber(a_text, ReadHotkeyPrefix(a_text), [](std::uint32_t a_value) { return IsInAcceptedRange(a_value); });
	case IniValueKind::kInteger:
		return CheckNumber(a_text, ReadIntegerPrefix(a_text), [](std::int32_t a_value) { return a_value == 0 || IsInAcceptedRange(a_value); });
	case IniValueKind::kFloat:
		return CheckNumber(a_text, ReadFloatPrefix(a_text), [](float) { return true; });
	case IniValueKind::kSwitch:
		if (a_text == "0" || a_text == "1") {
			return { ValueReading::kRead, a_text, a_text.substr(a_text.size()) };
		}
		return { ValueReading::kSwitchOff, {}, {} };
	}
	return { ValueReading::kNotANumber, {}, {} };
}

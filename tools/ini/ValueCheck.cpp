#include "ValueCheck.h"

#include "ValueParsing.h"

ValueCheck CheckValueText(IniValueKind a_kind, std::string_view a_text) noexcept
{
	if (a_text.empty()) {
		return { ValueReading::kEmpty, {}, {} };
	}
	switch (a_kind) {
	case IniValueKind::kHotkey: {
		const auto value = ParseHotkeyValue(a_text);
		if (!value) {
			return { ValueReading::kNotANumber, {}, {} };
		}
		return { IsInAcceptedRange(*value) ? ValueReading::kRead : ValueReading::kOutOfRange, {}, {} };
	}
	case IniValueKind::kInteger: {
		const auto value = ParseIntegerValue(a_text);
		if (!value) {
			return { ValueReading::kNotANumber, {}, {} };
		}
		return { IsInAcceptedRange(*value) || *value == 0 ? ValueReading::kRead : ValueReading::kOutOfRange, {}, {} };
	}
	case IniValueKind::kFloat:
		return { ParseFloatValue(a_text) ? ValueReading::kRead : ValueReading::kNotANumber, {}, {} };
	case IniValueKind::kSwitch:
		return { a_text == "0" || a_text == "1" ? ValueReading::kRead : ValueReading::kSwitchOff, {}, {} };
	}
	return { ValueReading::kRead, {}, {} };
}

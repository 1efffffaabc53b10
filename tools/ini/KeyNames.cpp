#include "KeyNames.h"

#include <array>

#include <fmt/format.h>

namespace
{
	using NameTable = std::array<std::string_view, 256>;

	// The codes of the Windows virtual-key list; reserved, unassigned and
	// OEM-specific codes stay empty. The punctuation keys go by the character
	// they type on a US keyboard.
	constexpr NameTable MakeNameTable()
	{
		NameTable names{};
		constexpr std::string_view letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
		constexpr std::string_view digits = "0123456789";
		constexpr std::array<std::string_view, 10> numpad{ "Numpad 0", "Numpad 1", "Numpad 2", "Numpad 3", "Numpad 4",
			"Numpad 5", "Numpad 6", "Numpad 7", "Numpad 8", "Numpad 9" };
		constexpr std::array<std::string_view, 24> functionKeys{ "F1", "F2", "F3", "F4", "F5", "F6", "F7", "F8",
			"F9", "F10", "F11", "F12", "F13", "F14", "F15", "F16", "F17", "F18", "F19", "F20", "F21", "F22", "F23",
			"F24" };
		for (std::size_t i = 0; i < letters.size(); ++i) {
			names[0x41 + i] = letters.substr(i, 1);
		}
		for (std::size_t i = 0; i < digits.size(); ++i) {
			names[0x30 + i] = digits.substr(i, 1);
			names[0x60 + i] = numpad[i];
		}
		for (std::size_t i = 0; i < functionKeys.size(); ++i) {
			names[0x70 + i] = functionKeys[i];
		}

		names[0x01] = "Left Mouse Button";
		names[0x02] = "Right Mouse Button";
		names[0x03] = "Break";
		names[0x04] = "Middle Mouse Button";
		names[0x05] = "Mouse Button 4";
		names[0x06] = "Mouse Button 5";
		names[0x08] = "Backspace";
		names[0x09] = "Tab";
		names[0x0C] = "Clear";
		names[0x0D] = "Enter";
		names[0x10] = "Shift";
		names[0x11] = "Ctrl";
		names[0x12] = "Alt";
		names[0x13] = "Pause";
		names[0x14] = "Caps Lock";
		names[0x15] = "IME Kana/Hangul";
		names[0x16] = "IME On";
		names[0x17] = "IME Junja";
		names[0x18] = "IME Final";
		names[0x19] = "IME Hanja/Kanji";
		names[0x1A] = "IME Off";
		names[0x1B] = "Escape";
		names[0x1C] = "IME Convert";
		names[0x1D] = "IME Nonconvert";
		names[0x1E] = "IME Accept";
		names[0x1F] = "IME Mode Change";
		names[0x20] = "Space";
		names[0x21] = "Page Up";
		names[0x22] = "Page Down";
		names[0x23] = "End";
		names[0x24] = "Home";
		names[0x25] = "Left Arrow";
		names[0x26] = "Up Arrow";
		names[0x27] = "Right Arrow";
		names[0x28] = "Down Arrow";
		names[0x29] = "Select";
		names[0x2A] = "Print";
		names[0x2B] = "Execute";
		names[0x2C] = "Print Screen";
		names[0x2D] = "Insert";
		names[0x2E] = "Delete";
		names[0x2F] = "Help";
		names[0x5B] = "Left Windows";
		names[0x5C] = "Right Windows";
		names[0x5D] = "Applications";
		names[0x5F] = "Sleep";
		names[0x6A] = "Numpad *";
		names[0x6B] = "Numpad +";
		names[0x6C] = "Numpad Separator";
		names[0x6D] = "Numpad -";
		names[0x6E] = "Numpad .";
		names[0x6F] = "Numpad /";
		names[0x90] = "Num Lock";
		names[0x91] = "Scroll Lock";
		names[0xA0] = "Left Shift";
		names[0xA1] = "Right Shift";
		names[0xA2] = "Left Ctrl";
		names[0xA3] = "Right Ctrl";
		names[0xA4] = "Left Alt";
		names[0xA5] = "Right Alt";
		names[0xA6] = "Browser Back";
		names[0xA7] = "Browser Forward";
		names[0xA8] = "Browser Refresh";
		names[0xA9] = "Browser Stop";
		names[0xAA] = "Browser Search";
		names[0xAB] = "Browser Favorites";
		names[0xAC] = "Browser Home";
		names[0xAD] = "Volume Mute";
		names[0xAE] = "Volume Down";
		names[0xAF] = "Volume Up";
		names[0xB0] = "Next Track";
		names[0xB1] = "Previous Track";
		names[0xB2] = "Stop Media";
		names[0xB3] = "Play/Pause Media";
		names[0xB4] = "Start Mail";
		names[0xB5] = "Select Media";
		names[0xB6] = "Start Application 1";
		names[0xB7] = "Start Application 2";
		names[0xBA] = ";";
		names[0xBB] = "=";
		names[0xBC] = ",";
		names[0xBD] = "-";
		names[0xBE] = ".";
		names[0xBF] = "/";
		names[0xC0] = "`";
		names[0xDB] = "[";
		names[0xDC] = "\\";
		names[0xDD] = "]";
		names[0xDE] = "'";
		names[0xDF] = "OEM 8";
		names[0xE2] = "OEM 102";  // the extra key beside Left Shift on 102-key keyboards
		names[0xE5] = "IME Process";
		names[0xF6] = "Attn";
		names[0xF7] = "CrSel";
		names[0xF8] = "ExSel";
		names[0xF9] = "Erase EOF";
		names[0xFA] = "Play";
		names[0xFB] = "Zoom";
		names[0xFD] = "PA1";
		names[0xFE] = "OEM Clear";
		return names;
	}

	constexpr NameTable KeyNames = MakeNameTable();
}

std::string_view GetVirtualKeyName(std::int32_t a_code) noexcept
{
	if (a_code < 0 || a_code >= static_cast<std::int32_t>(KeyNames.size())) {
		return {};
	}
	return KeyNames[static_cast<std::size_t>(a_code)];
}

std::string DescribeHotkey(std::int32_t a_code)
{
	const auto name = GetVirtualKeyName(a_code);
	return fmt::format("0x{:02X} ({})", static_cast<std::uint32_t>(a_code), name.empty() ? std::string_view("no key") : name);
}

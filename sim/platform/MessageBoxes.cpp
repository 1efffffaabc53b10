#include "sim/platform/MessageBoxes.h"

#include <cstdio>
#include <string>

#include "sim/platform/ImportHook.h"
#include "SFSE/Unicode.h"

namespace sim
{
	namespace
	{
		void report(const std::string& a_caption, const std::string& a_text)
		{
			std::fprintf(stderr, "message box [%s]: %s\n", a_caption.c_str(), a_text.c_str());
			std::fflush(stderr);
		}

		std::string narrow(const wchar_t* a_text)
		{
			if (!a_text) {
				return "(null)";
			}
			return SFSE::stl::utf16_to_utf8(a_text).value_or("<not UTF-16>");
		}

		int WINAPI message_box_w(HWND, LPCWSTR a_text, LPCWSTR a_caption, UINT)
		{
			report(narrow(a_caption), narrow(a_text));
			return IDOK;
		}

		int WINAPI message_box_a(HWND, LPCSTR a_text, LPCSTR a_caption, UINT)
		{
			report(a_caption ? a_caption : "(null)", a_text ? a_text : "(null)");
			return IDOK;
		}
	}

	void capture_message_boxes(HMODULE a_module)
	{
		patch_import(a_module, "user32.dll", "MessageBoxW", reinterpret_cast<void*>(&message_box_w));
		patch_import(a_module, "user32.dll", "MessageBoxA", reinterpret_cast<void*>(&message_box_a));
	}
}

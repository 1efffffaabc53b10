#pragma once
// The game's settings: named values in one collection, found by name through
// the game's lookup function. The plugin touches nothing of a setting but its
// value, which a float setting keeps as a 32-bit float at byte 8.
#include <cstddef>

namespace RE
{
	// Only ever handed back to the game.
	class SettingCollection;

	class Setting
	{
	public:
		Setting() = delete;
		Setting(const Setting&) = delete;
		Setting& operator=(const Setting&) = delete;

		float GetFloat() const noexcept { return _floatValue; }
		// A plain 32-bit store: the game reads its settings unlocked.
		void SetFloat(float a_value) noexcept { _floatValue = a_value; }

	private:
		friend struct SettingLayout;

		const void* _vtable;  // 0x00
		float _floatValue;    // 0x08
	};

	struct SettingLayout
	{
		static_assert(offsetof(Setting, _floatValue) == 0x8);
	};
}

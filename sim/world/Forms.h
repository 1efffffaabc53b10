#pragma once
// The game's forms, references and actors, their names and extra data, and
// its interned strings, laid out at the byte offsets the game uses. Objects
// live at fixed addresses until the world is reset.
#include <cstddef>
#include <cstdint>
#include <deque>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace sim
{
	struct Form;

	// A game string entry: length (or the entry forwarded to) at 8, flags at
	// 0x14 (bit 1: forwards), characters from 0x18.
	struct StringEntry
	{
		static constexpr std::uint8_t kForwards = 0x02;
		static constexpr std::size_t kCapacity = 64;

		std::uint64_t reserved00{ 0 };
		union Link
		{
			std::uint32_t length;
			const StringEntry* forward;
		} link{ .forward = nullptr };  // 0x08
		std::uint32_t reserved10{ 0 };
		std::uint8_t flags{ 0 };  // 0x14
		std::uint8_t reserved15[3]{};
		char text[kCapacity]{};  // 0x18
	};
	static_assert(offsetof(StringEntry, link) == 0x08);
	static_assert(offsetof(StringEntry, flags) == 0x14);
	static_assert(offsetof(StringEntry, text) == 0x18);

	// The name component a form carries; its virtual table has the name query
	// at byte 0x60.
	struct FullNameComponent
	{
		const void* const* vtable{ nullptr };
		const char* name{ nullptr };
	};

	// A reference's extra data: the list the search by type walks at 8, the
	// lock at 0x20.
	struct ExtraDataList
	{
		Form* owner{ nullptr };         // the simulation's own back link
		std::byte entries[0x18]{};      // 0x08
		std::uint64_t lock{ 0 };        // 0x20
	};
	static_assert(offsetof(ExtraDataList, entries) == 0x08);
	static_assert(offsetof(ExtraDataList, lock) == 0x20);

	// Extra data of type 0x96: the reference's display name at 0x18.
	struct ExtraTextDisplayData
	{
		static constexpr std::uint32_t kType = 0x96;
		std::byte reserved00[0x10]{};
		std::uint32_t type{ kType };                  // 0x10
		std::uint32_t reserved14{ 0 };
		const StringEntry* displayName{ nullptr };    // 0x18
	};
	static_assert(offsetof(ExtraTextDisplayData, displayName) == 0x18);

	// What the game sees of a form, a reference or an actor.
	struct FormData
	{
		const void* const* vtable{ nullptr };  // 0x00: the type query at byte 0x110
		Form* owner{ nullptr };                 // 0x08: the simulation's own back link
		std::byte reserved10[0x18]{};
		std::uint32_t formID{ 0 };              // 0x28
		std::byte reserved2C[0x98 - 0x2C]{};
		FormData* baseObject{ nullptr };        // 0x98
		std::byte reservedA0[0xC8 - 0xA0]{};
		ExtraDataList* extraData{ nullptr };    // 0xC8
		std::byte reservedD0[0x30]{};
	};
	static_assert(offsetof(FormData, formID) == 0x28);
	static_assert(offsetof(FormData, baseObject) == 0x98);
	static_assert(offsetof(FormData, extraData) == 0xC8);

	inline constexpr std::uint8_t kActorFormType = 0x4B;
	inline constexpr std::uint8_t kActivatorFormType = 0x25;
	inline constexpr std::uint8_t kNpcFormType = 0x2D;
	inline constexpr std::uint32_t kPlayerRefFormID = 0x14;

	// One form of the world: the game's bytes first, then what the
	// simulation keeps about it.
	struct Form
	{
		FormData data;
		std::uint8_t formType{ 0 };
		bool loaded{ true };                  // unloaded references aren't found by ID
		std::string nativeName;               // what the game's own name query gives
		bool hasNativeName{ false };
		std::string componentName;            // the name component's text
		bool hasNameComponent{ false };
		FullNameComponent nameComponent;
		ExtraDataList extraList;
		std::vector<ExtraTextDisplayData> extras;
		// Dialogue state the game's questions answer from.
		bool inScene{ false };
		bool talking{ false };
		std::uint32_t dialogueWithPlayer{ 0 };
		int references{ 0 };                  // counted references handed out, not yet released

		FormData* game() noexcept { return &data; }
		std::uint32_t id() const noexcept { return data.formID; }
	};

	struct FormsArea
	{
		std::deque<Form> forms;
		std::deque<StringEntry> strings;

		// Calls the plugin made, for tests to count.
		int lookupsByID{ 0 };
		int locks{ 0 };
		int unlocks{ 0 };
		int searchesUnderLock{ 0 };
		int searchesWithoutLock{ 0 };
		int stringsBuilt{ 0 };
		int stringsReleased{ 0 };
		int casts{ 0 };

		// A base object (form type NPC unless given) with a name component.
		Form& add_base(std::uint32_t a_formID, std::string_view a_name, std::uint8_t a_formType = kNpcFormType);
		// A reference of a_formType to a_base (may be null).
		Form& add_reference(std::uint32_t a_formID, std::uint8_t a_formType, Form* a_base);
		// "an actor named Mira": an actor reference whose base carries the name.
		Form& add_actor(std::string_view a_name, std::uint32_t a_formID);
		// Gives a_ref extra data with a display name entry (null: an entry
		// without a string).
		void set_display_name(Form& a_ref, const StringEntry* a_entry);

		// A plain entry of a_text; with a_length the stored length instead of
		// the text's.
		StringEntry& add_string(std::string_view a_text);
		StringEntry& add_string(std::string_view a_text, std::uint32_t a_length);
		// An entry that forwards to a_target (may be null).
		StringEntry& add_forwarding(const StringEntry* a_target);
		// The interned entry of a_text, made on first use.
		const StringEntry& intern(std::string_view a_text);

		Form* find(std::uint32_t a_formID) noexcept;
		static Form* owner_of(const void* a_formData) noexcept;
	};

	// The text an entry leads to, as the game reads it.
	std::string_view string_text(const StringEntry* a_entry) noexcept;
}

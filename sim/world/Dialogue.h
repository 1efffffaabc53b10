#pragma once
// Who is in dialogue: the open menus, the reference handle list, and the
// idle lines the game's dialogue function asks for.
#include <cstddef>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace sim
{
	struct Form;

	// The game's UI object (its menu event source lies at 0x10).
	struct UserInterface
	{
		std::byte reserved00[0x40]{};
	};

	// The handle list: count at 8, elements at 0x10, handle in each
	// element's upper 32 bits.
	struct HandleList
	{
		std::uint64_t reserved00{ 0 };
		std::uint32_t count{ 0 };       // 0x08
		std::uint32_t reserved0C{ 0 };
		std::uint64_t* elements{ nullptr };  // 0x10
	};
	static_assert(offsetof(HandleList, count) == 0x08);
	static_assert(offsetof(HandleList, elements) == 0x10);

	// One call that reached one of the game's idle-line functions.
	struct IdleLineCall
	{
		int function{ 0 };                 // 1 or 2
		std::uint64_t args[9]{};           // as received, narrow ones widened
		std::uint64_t entryAlignment{ 0 }; // rsp modulo 16 at the function's entry
	};

	struct DialogueArea
	{
		UserInterface ui;
		std::set<std::string> openMenus;
		std::vector<std::string> menuQuestions;   // menu names asked about, in order

		HandleList handleList;
		std::vector<std::uint64_t> handleElements;
		std::map<std::uint32_t, Form*> handles;
		std::vector<std::uint32_t> handleLookups;  // handles looked up, in order
		int releases{ 0 };

		// Questions asked, by the reference they were about (form IDs).
		std::vector<std::uint32_t> sceneQuestions;
		std::vector<std::uint32_t> talkingQuestions;
		std::vector<std::uint32_t> dialogueQuestions;

		// The game's idle-line functions: what they answer and who reached them.
		std::uint64_t firstResult{ 0 };
		std::uint64_t secondResult{ 0 };
		std::vector<IdleLineCall> idleLines;

		// A handle for a_ref in the handle list (a null a_ref: a handle the
		// game knows no reference for).
		void add_handle(std::uint32_t a_handle, Form* a_ref);
	};
}

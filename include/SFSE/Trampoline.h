#pragma once
// A block of executable memory within reach of the game's code, from which
// 5-byte call hooks get their 14-byte stubs: the game's call leads to the
// stub, the stub jumps to the plugin's function through a 64-bit address.
// One stub per destination, handed out from the block's start and never
// freed singly.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <string>

namespace SFSE
{
	class Trampoline
	{
	public:
		using deleter_type = std::function<void(void* a_mem, std::size_t a_size)>;

		Trampoline() = default;
		explicit Trampoline(std::string a_name);
		~Trampoline();
		Trampoline(const Trampoline&) = delete;
		Trampoline& operator=(const Trampoline&) = delete;

		// a_size bytes of our own next to the end of the game's executable
		// code; none in reach is fatal.
		void create(std::size_t a_size);

		// a_size bytes at a_memory become the block, filled with int3 (0xCC);
		// the previous block is released and its stubs forgotten. a_release
		// (may be empty) frees the block when it is replaced.
		void take_block(void* a_memory, std::size_t a_size, deleter_type a_release);

		// Free memory within 2 GiB of a_address, committed and executable;
		// null when there is none.
		void* do_create(std::size_t a_size, std::uintptr_t a_address);

		// The next a_size bytes of the block; more than it has left is fatal.
		void* do_allocate(std::size_t a_size);

		// Writes a_opcode and a 32-bit displacement at a_site, leading to the
		// stub of a_destination. A stub out of reach is fatal.
		void write_5branch(std::uintptr_t a_site, std::uintptr_t a_destination, std::uint8_t a_opcode);

		// Hooks the relative call at a_site: hands the call's previous target
		// to a_keep_previous (when given) before the site changes, so that a
		// thread reaching the call the instant after finds it kept; then
		// makes the call lead to a_destination. Returns the previous target;
		// 0, with nothing written, when a_site holds no relative call or it
		// leads to a_destination's stub already (a second installation must
		// not take the hook for the game's function).
		std::uintptr_t write_call5(std::uintptr_t a_site, std::uintptr_t a_destination,
			const std::function<void(std::uintptr_t)>& a_keep_previous = {});

		// "<name> => <size>B / <capacity>B (<percent>%)" at debug level.
		void log_stats() const;

		const std::string& name() const noexcept { return _name; }
		std::byte* data() const noexcept { return _data; }
		std::size_t capacity() const noexcept { return _capacity; }
		std::size_t size() const noexcept { return _size; }
		std::size_t free_size() const noexcept { return _capacity - _size; }
		// The stub that leads to a_destination; 0 when there is none yet.
		std::uintptr_t stub_of(std::uintptr_t a_destination) const noexcept;

	private:
		void release();

		std::map<std::uintptr_t, std::byte*> _5branches;
		std::map<std::uintptr_t, std::byte*> _6branches;
		std::string _name{ "Default Trampoline" };
		deleter_type _deleter;
		std::byte* _data{ nullptr };
		std::size_t _capacity{ 0 };
		std::size_t _size{ 0 };
	};

	// The plugin's one trampoline, "Default Trampoline"; made at first use
	// and kept until the process ends (its stubs stay in use by the game).
	Trampoline& DefaultTrampoline();
}

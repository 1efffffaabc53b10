#include "SFSE/Trampoline.h"

#include <algorithm>
#include <cstring>

#include "REL/Module.h"
#include "SFSE/BranchCode.h"
#include "SFSE/FatalError.h"
#include "SFSE/Logger.h"
#include "SFSE/Memory.h"

namespace SFSE
{
	Trampoline::Trampoline(std::string a_name) :
		_name(std::move(a_name))
	{}

	Trampoline::~Trampoline()
	{
		release();
	}

	void Trampoline::release()
	{
		if (_data && _deleter) {
			_deleter(_data, _capacity);
		}
		_5branches.clear();
		_6branches.clear();
		_data = nullptr;
		_capacity = 0;
		_size = 0;
	}

	void Trampoline::create(std::size_t a_size)
	{
		const auto text = REL::Module::get().segment(REL::Segment::textx);
		auto* memory = do_create(a_size, text.address() + text.size());
		if (!memory) {
			fatal_error("failed to create trampoline");
		}
		take_block(memory, a_size, [](void* a_mem, std::size_t) { memory::current().release(a_mem); });
	}

	void Trampoline::take_block(void* a_memory, std::size_t a_size, deleter_type a_release)
	{
		if (a_memory) {
			std::memset(a_memory, 0xCC, a_size);
		}
		release();
		_deleter = std::move(a_release);
		_data = static_cast<std::byte*>(a_memory);
		// No memory, no room: nothing may be handed out of a null block.
		_capacity = a_memory ? a_size : 0;
		_size = 0;
		log_stats();
	}

	void* Trampoline::do_create(std::size_t a_size, std::uintptr_t a_address)
	{
		const auto result = branch::find_memory_in_reach(memory::current(), a_size, a_address);
		for (const auto code : result.allocation_errors) {
			log::warn("VirtualAlloc failed with code: 0x{:08X}", code);
		}
		if (result.query_error) {
			log::error("VirtualQuery failed with code: 0x{:08X}", *result.query_error);
		}
		return result.memory;
	}

	void* Trampoline::do_allocate(std::size_t a_size)
	{
		if (_capacity - _size < a_size) {
			fatal_error("Failed to handle allocation request");
		}
		auto* result = _data + _size;
		_size += a_size;
		log_stats();
		return result;
	}

	std::uintptr_t Trampoline::stub_of(std::uintptr_t a_destination) const noexcept
	{
		const auto it = _5branches.find(a_destination);
		return it == _5branches.end() ? 0 : reinterpret_cast<std::uintptr_t>(it->second);
	}

	void Trampoline::write_5branch(std::uintptr_t a_site, std::uintptr_t a_destination, std::uint8_t a_opcode)
	{
		std::byte* stub = nullptr;
		if (const auto it = _5branches.find(a_destination); it != _5branches.end()) {
			stub = it->second;
		} else {
			stub = static_cast<std::byte*>(do_allocate(branch::kAbsoluteJumpSize));
			_5branches.emplace(a_destination, stub);
		}

		const auto displacement = branch::displacement(a_site, branch::kBranch5Size, reinterpret_cast<std::uintptr_t>(stub));
		if (!displacement) {
			fatal_error("displacement is out of range");
		}

		// The stub first, so that the site never leads into int3 bytes.
		const auto jump = branch::encode_absolute_jump(a_destination);
		std::memcpy(stub, jump.data(), jump.size());

		auto& memory = memory::current();
		std::uint32_t oldProtection = 0;
		if (memory.protect(a_site, branch::kBranch5Size, memory::kPageExecuteReadWrite, oldProtection)) {
			const auto branch = branch::encode_branch5(a_opcode, *displacement);
			std::memcpy(reinterpret_cast<void*>(a_site), branch.data(), branch.size());
			std::uint32_t ignored = 0;
			memory.protect(a_site, branch::kBranch5Size, oldProtection, ignored);
			memory.flush_instruction_cache(a_site, branch::kBranch5Size);
		}
	}

	std::uintptr_t Trampoline::write_call5(std::uintptr_t a_site, std::uintptr_t a_destination,
		const std::function<void(std::uintptr_t)>& a_keep_previous)
	{
		const auto previous = branch::decode_call5(a_site, reinterpret_cast<const std::uint8_t*>(a_site));
		if (!previous) {
			log::error("no relative call at 0x{:X} to hook", a_site);
			return 0;
		}
		if (const auto stub = stub_of(a_destination); stub != 0 && *previous == stub) {
			log::warn("the call at 0x{:X} is hooked already", a_site);
			return 0;
		}
		if (a_keep_previous) {
			a_keep_previous(static_cast<std::uintptr_t>(*previous));
		}
		write_5branch(a_site, a_destination, branch::kCallOpcode);
		return static_cast<std::uintptr_t>(*previous);
	}

	void Trampoline::log_stats() const
	{
		const double percent = _capacity == 0 ? 0.0 : 100.0 * static_cast<double>(_size) / static_cast<double>(_capacity);
		log::debug("{} => {}B / {}B ({:05.2f}%)", _name, _size, _capacity, percent);
	}

	Trampoline& DefaultTrampoline()
	{
		// Never destroyed: hooked game code leads into its block until the
		// process is gone.
		static auto* trampoline = new Trampoline("Default Trampoline");
		return *trampoline;
	}
}

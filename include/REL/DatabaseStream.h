#pragma once
// Binary input for address library files. Pure code, no Windows calls.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <span>
#include <type_traits>

namespace REL::database
{
	// Reads an address library file (shared read) or bytes already in
	// memory. Reads are buffered; reading past the end, or a failing device,
	// throws std::ios_base::failure, which is a std::system_error. So a
	// truncated file never yields half-read values.
	class istream_t
	{
	public:
		explicit istream_t(const std::filesystem::path& a_path);
		explicit istream_t(std::span<const std::byte> a_bytes) noexcept;
		istream_t(const istream_t&) = delete;
		istream_t& operator=(const istream_t&) = delete;

		bool is_open() const noexcept { return _open; }

		// Bytes not read yet.
		std::uint64_t remaining() const noexcept
		{
			return static_cast<std::uint64_t>(_end - _pos) + _unbuffered;
		}

		std::uint8_t read_u8()
		{
			if (_pos == _end) {
				refill();
			}
			return static_cast<std::uint8_t>(*_pos++);
		}

		// An unsigned little-endian number of sizeof(T) bytes.
		template <class T>
		T read_le()
		{
			static_assert(std::is_unsigned_v<T>);
			T value = 0;
			if (static_cast<std::size_t>(_end - _pos) >= sizeof(T)) {
				for (std::size_t i = 0; i < sizeof(T); ++i) {
					value |= static_cast<T>(static_cast<T>(_pos[i]) << (8 * i));
				}
				_pos += sizeof(T);
			} else {
				for (std::size_t i = 0; i < sizeof(T); ++i) {
					value |= static_cast<T>(static_cast<T>(read_u8()) << (8 * i));
				}
			}
			return value;
		}

		// Skips a_count bytes; fails without moving when fewer are left.
		void ignore(std::uint64_t a_count);

	private:
		void refill();
		[[noreturn]] static void fail(const char* a_what);

		static constexpr std::size_t kChunk = 64 * 1024;

		std::ifstream _file;
		std::unique_ptr<std::byte[]> _chunk;
		const std::byte* _pos{ nullptr };
		const std::byte* _end{ nullptr };
		std::uint64_t _unbuffered{ 0 };  // file bytes behind the buffered ones
		bool _open{ false };
	};
}

#include "REL/DatabaseStream.h"

#include <ios>
#include <system_error>

namespace REL::database
{
	istream_t::istream_t(const std::filesystem::path& a_path) :
		_file(a_path, std::ios::in | std::ios::binary)
	{
		if (!_file.is_open()) {
			return;
		}
		_file.seekg(0, std::ios::end);
		const auto size = _file.tellg();
		_file.seekg(0, std::ios::beg);
		if (size < 0 || !_file) {
			return;  // not a readable regular file
		}
		_unbuffered = static_cast<std::uint64_t>(size);
		_chunk = std::make_unique<std::byte[]>(kChunk);
		_open = true;
	}

	istream_t::istream_t(std::span<const std::byte> a_bytes) noexcept :
		_pos(a_bytes.data()),
		_end(a_bytes.data() + a_bytes.size()),
		_open(true)
	{}

	void istream_t::fail(const char* a_what)
	{
		throw std::ios_base::failure(a_what, std::make_error_code(std::io_errc::stream));
	}

	void istream_t::refill()
	{
		if (_unbuffered == 0) {
			fail("address library file ends early");
		}
		const auto count = static_cast<std::streamsize>(std::min<std::uint64_t>(_unbuffered, kChunk));
		_file.read(reinterpret_cast<char*>(_chunk.get()), count);
		if (_file.gcount() != count) {
			fail("address library file can't be read");
		}
		_unbuffered -= static_cast<std::uint64_t>(count);
		_pos = _chunk.get();
		_end = _pos + count;
	}

	void istream_t::ignore(std::uint64_t a_count)
	{
		if (a_count > remaining()) {
			fail("address library file ends early");
		}
		const auto buffered = static_cast<std::uint64_t>(_end - _pos);
		if (a_count <= buffered) {
			_pos += a_count;
			return;
		}
		// Past the buffer: only files have more, and seeking is cheaper than
		// reading what nobody looks at.
		const auto beyond = a_count - buffered;
		_pos = _end;
		_file.seekg(static_cast<std::streamoff>(beyond), std::ios::cur);
		if (!_file) {
			fail("address library file can't be read");
		}
		_unbuffered -= beyond;
	}
}

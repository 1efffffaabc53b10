#include "REL/DatabasePack.h"

#include <fstream>
#include <limits>

namespace REL::database
{
	namespace
	{
		struct encoded
		{
			std::uint8_t code;
			std::uint8_t size;  // bytes after the type byte
			std::uint64_t payload;
		};

		// The shortest code that turns a_previous into a_value.
		encoded encode(std::uint64_t a_previous, std::uint64_t a_value)
		{
			const std::uint64_t up = a_value - a_previous;    // wrapping, as the reader adds
			const std::uint64_t down = a_previous - a_value;  // wrapping, as the reader subtracts
			if (up == 1) {
				return { 1, 0, 0 };
			}
			if (up <= 0xFF) {
				return { 2, 1, up };
			}
			if (down <= 0xFF) {
				return { 3, 1, down };
			}
			if (a_value <= 0xFFFF) {
				return { 6, 2, a_value };
			}
			if (up <= 0xFFFF) {
				return { 4, 2, up };
			}
			if (down <= 0xFFFF) {
				return { 5, 2, down };
			}
			if (a_value <= std::numeric_limits<std::uint32_t>::max()) {
				return { 7, 4, a_value };
			}
			return { 0, 8, a_value };
		}

		void append_payload(bytes_t& a_out, const encoded& a_value)
		{
			for (std::size_t i = 0; i < a_value.size; ++i) {
				a_out.push_back(static_cast<std::byte>((a_value.payload >> (8 * i)) & 0xFF));
			}
		}
	}

	void append_header(bytes_t& a_out, std::uint32_t a_format, const Version& a_version, std::string_view a_name,
		std::uint32_t a_pointerSize, std::uint32_t a_addressCount)
	{
		append_le<std::uint32_t>(a_out, a_format);
		for (std::size_t i = 0; i < 4; ++i) {
			append_le<std::uint32_t>(a_out, a_version[i]);
		}
		append_le<std::uint32_t>(a_out, static_cast<std::uint32_t>(a_name.size()));
		for (const char c : a_name) {
			a_out.push_back(static_cast<std::byte>(c));
		}
		append_le<std::uint32_t>(a_out, a_pointerSize);
		append_le<std::uint32_t>(a_out, a_addressCount);
	}

	void append_entries(bytes_t& a_out, std::span<const mapping_t> a_entries, std::uint32_t a_pointerSize)
	{
		std::uint64_t previousId = 0;
		std::uint64_t previousOffset = 0;
		for (const auto& entry : a_entries) {
			const auto id = encode(previousId, entry.id);
			auto offset = encode(previousOffset, entry.offset);
			bool scaled = false;
			if (a_pointerSize != 0 && entry.offset % a_pointerSize == 0) {
				const auto inPointers = encode(previousOffset / a_pointerSize, entry.offset / a_pointerSize);
				if (inPointers.size < offset.size) {
					offset = inPointers;
					scaled = true;
				}
			}
			const auto type = static_cast<std::uint8_t>(id.code | (offset.code << 4) | (scaled ? 0x80 : 0));
			a_out.push_back(static_cast<std::byte>(type));
			append_payload(a_out, id);
			append_payload(a_out, offset);
			previousId = entry.id;
			previousOffset = entry.offset;
		}
	}

	bytes_t pack(const Version& a_version, std::span<const mapping_t> a_entries, std::string_view a_name, std::uint32_t a_pointerSize)
	{
		bytes_t bytes;
		bytes.reserve(32 + a_name.size() + a_entries.size() * 3);
		append_header(bytes, compiled_format, a_version, a_name, a_pointerSize, static_cast<std::uint32_t>(a_entries.size()));
		append_entries(bytes, a_entries, a_pointerSize);
		return bytes;
	}

	bool write_file(const std::filesystem::path& a_path, std::span<const std::byte> a_bytes)
	{
		std::ofstream file(a_path, std::ios::out | std::ios::binary | std::ios::trunc);
		if (!file) {
			return false;
		}
		file.write(reinterpret_cast<const char*>(a_bytes.data()), static_cast<std::streamsize>(a_bytes.size()));
		file.close();
		return static_cast<bool>(file);
	}
}

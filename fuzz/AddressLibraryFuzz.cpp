// Fuzzes the address library decoder two ways with every input:
// - the bytes as a library file: decoding must end in a result or a read
//   failure, never a crash, a hang, an oversized allocation or undefined
//   behaviour;
// - the bytes as a list of entries: packing them and decoding the file must
//   give back exactly the same header fields and entries.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <span>
#include <string_view>
#include <system_error>
#include <vector>

#include "REL/DatabaseFormat.h"
#include "REL/DatabasePack.h"

namespace
{
	using namespace REL::database;

	void check(bool a_condition)
	{
		if (!a_condition) {
			std::abort();
		}
	}

	void DecodeAsFile(std::span<const std::byte> a_bytes)
	{
		istream_t in(a_bytes);
		try {
			header_t header;
			if (header.read(in) != status::ok || check_entry_count(header, in) != status::ok) {
				return;
			}
			check(header.address_count <= a_bytes.size());
			std::vector<mapping_t> table(header.address_count);
			if (unpack(in, header, table) != status::ok) {
				return;
			}
			sort(table);
			for (const auto& entry : table) {
				const auto* found = find(table, entry.id);
				check(found && found->id == entry.id);
			}
			if (!table.empty()) {
				// Between and above the stored IDs.
				const auto above = table.back().id + 1;
				check(above == 0 || !find(table, above));
			}
		} catch (const std::system_error&) {
			// A truncated file: the decoder's one way to fail on a read.
		}
	}

	template <class T>
	T Take(std::span<const std::byte>& a_bytes)
	{
		T value{};
		const auto count = std::min(sizeof(T), a_bytes.size());
		std::memcpy(&value, a_bytes.data(), count);
		a_bytes = a_bytes.subspan(count);
		return value;
	}

	void RoundTrip(std::span<const std::byte> a_bytes)
	{
		const auto pointerSize = static_cast<std::uint32_t>(Take<std::uint8_t>(a_bytes) % 17);  // 0 included
		const auto version = REL::Version(Take<std::uint16_t>(a_bytes), Take<std::uint16_t>(a_bytes), 70, 0);
		const auto nameLength = std::min<std::size_t>(Take<std::uint8_t>(a_bytes) % 40, a_bytes.size());
		const std::string_view name(reinterpret_cast<const char*>(a_bytes.data()), nameLength);
		a_bytes = a_bytes.subspan(nameLength);

		std::vector<mapping_t> entries;
		while (a_bytes.size() >= 2) {
			// A small step or a full value, chosen by the input, so that both
			// the delta codes and the long forms are exercised.
			const auto shape = Take<std::uint8_t>(a_bytes);
			const auto previous = entries.empty() ? mapping_t{ 0, 0 } : entries.back();
			mapping_t entry{};
			entry.id = (shape & 1) ? Take<std::uint64_t>(a_bytes) : previous.id + static_cast<std::int8_t>(Take<std::uint8_t>(a_bytes));
			entry.offset = (shape & 2) ? Take<std::uint64_t>(a_bytes) : previous.offset + static_cast<std::uint64_t>(std::int64_t{ static_cast<std::int8_t>(Take<std::uint8_t>(a_bytes)) }) * ((shape >> 2) & 0x1F);
			entries.push_back(entry);
		}

		const auto file = pack(version, entries, name, pointerSize);
		istream_t in(file);
		header_t header;
		check(header.read(in) == status::ok);
		check(header.version == version);
		check(header.pointer_size == pointerSize);
		check(header.name_length == name.size());
		check(header.name_text() == name.substr(0, header_t::name_capacity - 1));
		check(header.address_count == entries.size());
		check(check_entry_count(header, in) == status::ok);
		std::vector<mapping_t> decoded(header.address_count);
		check(unpack(in, header, decoded) == status::ok);
		check(in.remaining() == 0);
		check(decoded == entries);
	}
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* a_data, std::size_t a_size)
{
	const std::span<const std::byte> bytes(reinterpret_cast<const std::byte*>(a_data), a_size);
	DecodeAsFile(bytes);
	RoundTrip(bytes);
	return 0;
}

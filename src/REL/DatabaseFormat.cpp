#include "REL/DatabaseFormat.h"

#include <algorithm>

namespace REL::database
{
	namespace
	{
		// One value of an entry, decoded against the previous one. Codes
		// above 7 never get here: the ID's are refused before, the offset's
		// have only three bits.
		std::uint64_t decode(istream_t& a_in, unsigned a_code, std::uint64_t a_previous)
		{
			switch (a_code) {
			case 0:
				return a_in.read_le<std::uint64_t>();
			case 1:
				return a_previous + 1;
			case 2:
				return a_previous + a_in.read_u8();
			case 3:
				return a_previous - a_in.read_u8();
			case 4:
				return a_previous + a_in.read_le<std::uint16_t>();
			case 5:
				return a_previous - a_in.read_le<std::uint16_t>();
			case 6:
				return a_in.read_le<std::uint16_t>();
			default:
				return a_in.read_le<std::uint32_t>();
			}
		}

		constexpr std::uint8_t kIdCodeMask = 0x0F;
		constexpr std::uint8_t kOffsetCodeShift = 4;
		constexpr std::uint8_t kOffsetCodeMask = 0x07;
		constexpr std::uint8_t kScaled = 0x80;
	}

	status header_t::read(istream_t& a_in)
	{
		format = a_in.read_le<std::uint32_t>();
		if (format != compiled_format) {
			return status::unsupported_format;
		}

		std::array<Version::value_type, 4> parts{};
		for (auto& part : parts) {
			part = static_cast<Version::value_type>(a_in.read_le<std::uint32_t>() & 0xFFFF);
		}
		version = Version(parts[0], parts[1], parts[2], parts[3]);

		name_length = a_in.read_le<std::uint32_t>();
		name.fill('\0');
		const auto kept = std::min<std::uint32_t>(name_length, name_capacity - 1);
		for (std::uint32_t i = 0; i < kept; ++i) {
			name[i] = static_cast<char>(a_in.read_u8());
		}
		// The label isn't used; a longer one is skipped, never stored.
		a_in.ignore(name_length - kept);

		pointer_size = a_in.read_le<std::uint32_t>();
		address_count = a_in.read_le<std::uint32_t>();
		return status::ok;
	}

	std::string_view header_t::name_text() const noexcept
	{
		return { name.data(), std::min<std::size_t>(name_length, name_capacity - 1) };
	}

	status check_entry_count(const header_t& a_header, const istream_t& a_in) noexcept
	{
		return a_header.address_count > a_in.remaining() ? status::entries_exceed_file : status::ok;
	}

	status unpack(istream_t& a_in, const header_t& a_header, std::span<mapping_t> a_out, std::size_t* a_failedEntry)
	{
		const std::uint64_t pointerSize = a_header.pointer_size;
		std::uint64_t previousId = 0;
		std::uint64_t previousOffset = 0;

		for (std::size_t i = 0; i < a_out.size(); ++i) {
			const std::uint8_t type = a_in.read_u8();
			const unsigned idCode = type & kIdCodeMask;
			const unsigned offsetCode = (type >> kOffsetCodeShift) & kOffsetCodeMask;
			const bool scaled = (type & kScaled) != 0;

			status failure = status::ok;
			if (idCode > 7) {
				failure = status::unhandled_type;
			} else if (scaled && pointerSize == 0) {
				failure = status::scaled_without_pointer_size;
			}
			if (failure != status::ok) {
				if (a_failedEntry) {
					*a_failedEntry = i;
				}
				return failure;
			}

			const std::uint64_t id = decode(a_in, idCode, previousId);
			const std::uint64_t base = scaled ? previousOffset / pointerSize : previousOffset;
			std::uint64_t offset = decode(a_in, offsetCode, base);
			if (scaled) {
				offset *= pointerSize;
			}

			a_out[i] = { id, offset };
			previousId = id;
			previousOffset = offset;
		}
		return status::ok;
	}

	void sort(std::span<mapping_t> a_table) noexcept
	{
		// Libraries come sorted; checking is far cheaper than sorting again.
		constexpr auto byId = [](const mapping_t& a_left, const mapping_t& a_right) { return a_left.id < a_right.id; };
		if (!std::is_sorted(a_table.begin(), a_table.end(), byId)) {
			std::sort(a_table.begin(), a_table.end(), byId);
		}
	}

	const mapping_t* find(std::span<const mapping_t> a_table, std::uint64_t a_id) noexcept
	{
		const auto it = std::lower_bound(a_table.begin(), a_table.end(), a_id,
			[](const mapping_t& a_entry, std::uint64_t a_wanted) { return a_entry.id < a_wanted; });
		if (it == a_table.end() || it->id != a_id) {
			return nullptr;
		}
		return &*it;
	}

	std::string_view describe(status a_status) noexcept
	{
		switch (a_status) {
		case status::ok:
			return "ok";
		case status::unsupported_format:
			return "unsupported format";
		case status::unhandled_type:
			return "unhandled type";
		case status::scaled_without_pointer_size:
			return "scaled offset with a pointer size of 0";
		case status::entries_exceed_file:
			return "more entries than the file holds";
		}
		return "unknown";
	}
}

// Measures the address library with 1,000,000 entries: loading (open, header,
// shared table, unpack, sort) and id2offset, each beside a floor measured in
// the same run: a plain read of the whole file, the same decoder into a
// vector and the same sort; a bare binary search over a vector. Prints
// figures; checks nothing.
//
// Run under Wine from any folder: addrlib_bench [entries] [runs]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include <windows.h>

#include "REL/DatabaseFormat.h"
#include "REL/DatabasePack.h"
#include "REL/IDDatabase.h"
#include "REL/Module.h"

namespace
{
	using REL::database::mapping_t;
	using Clock = std::chrono::steady_clock;

	double MillisecondsSince(Clock::time_point a_start)
	{
		return std::chrono::duration<double, std::milli>(Clock::now() - a_start).count();
	}

	struct Figures
	{
		std::vector<double> runs;
		double median() const
		{
			auto sorted = runs;
			std::sort(sorted.begin(), sorted.end());
			return sorted[sorted.size() / 2];
		}
		double min() const { return *std::min_element(runs.begin(), runs.end()); }
	};

	// IDs ascending with gaps, offsets mostly near the previous one (code
	// laid out in order) and sometimes anywhere in a 256 MiB image, as real
	// libraries look.
	std::vector<mapping_t> MakeEntries(std::size_t a_count)
	{
		std::mt19937_64 random(20240601);
		std::vector<mapping_t> entries;
		entries.reserve(a_count);
		std::uint64_t id = 1;
		std::uint64_t offset = 0x1000;
		for (std::size_t i = 0; i < a_count; ++i) {
			id += 1 + ((random() % 4 == 0) ? random() % 40 : 0);
			const auto shape = random() % 10;
			if (shape < 6) {
				offset += 8 * (1 + random() % 24);
			} else if (shape < 9) {
				offset += 1 + random() % 4000;
			} else {
				offset = 0x1000 + random() % 0x10000000;
			}
			entries.push_back({ id, offset });
		}
		return entries;
	}

	std::vector<std::byte> ReadWholeFile(const std::filesystem::path& a_path)
	{
		std::ifstream file(a_path, std::ios::binary | std::ios::ate);
		std::vector<std::byte> bytes(static_cast<std::size_t>(file.tellg()));
		file.seekg(0);
		file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
		return bytes;
	}

	// The floor of loading: everything but the shared table and the
	// buffered file reader.
	std::vector<mapping_t> LoadPlain(const std::filesystem::path& a_path)
	{
		const auto bytes = ReadWholeFile(a_path);
		REL::database::istream_t in(bytes);
		REL::database::header_t header;
		header.read(in);
		std::vector<mapping_t> table(header.address_count);
		REL::database::unpack(in, header, table);
		REL::database::sort(table);
		return table;
	}

	struct LoadFigures
	{
		Figures load;
		Figures floor;
	};

	LoadFigures MeasureLoading(const std::filesystem::path& a_folder, const std::vector<mapping_t>& a_entries, int a_runs, std::uint16_t a_versionBase)
	{
		LoadFigures figures;
		for (int run = 0; run < a_runs; ++run) {
			// A version of its own per run: every load creates its table.
			const REL::Version version(9, 9, a_versionBase, static_cast<std::uint16_t>(run));
			const auto path = a_folder / ("bench-" + version.string("-") + ".bin");
			REL::database::write_file(path, REL::database::pack(version, a_entries));

			auto start = Clock::now();
			{
				const auto table = LoadPlain(path);
				figures.floor.runs.push_back(MillisecondsSince(start));
				if (table.size() != a_entries.size()) {
					std::puts("floor decoded a different count");
				}
			}

			start = Clock::now();
			{
				REL::IDDatabase database;
				database.load_file(path.wstring(), version);
				figures.load.runs.push_back(MillisecondsSince(start));
			}
			std::filesystem::remove(path);
		}
		return figures;
	}

	void PrintRatio(const char* a_what, const Figures& a_measured, const Figures& a_floor, const char* a_unit)
	{
		std::printf("%-34s %10.3f %-3s (min %10.3f)   floor %10.3f %-3s (min %10.3f)   ratio %.2f\n", a_what,
			a_measured.median(), a_unit, a_measured.min(), a_floor.median(), a_unit, a_floor.min(),
			a_measured.median() / a_floor.median());
	}
}

int main(int argc, char** argv)
{
	const std::size_t count = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 1'000'000;
	const int runs = argc > 2 ? std::atoi(argv[2]) : 7;
	const auto folder = std::filesystem::temp_directory_path() / ("tarmacor-bench-" + std::to_string(::GetCurrentProcessId()));
	std::filesystem::create_directories(folder);

	const auto sorted = MakeEntries(count);
	auto shuffled = sorted;
	std::shuffle(shuffled.begin(), shuffled.end(), std::mt19937_64(7));
	const auto fileSize = REL::database::pack({}, sorted).size();

	std::printf("address library benchmark: %zu entries (%zu bytes packed), median of %d runs, times in ms unless said\n\n",
		count, fileSize, runs);

	const auto sortedLoad = MeasureLoading(folder, sorted, runs, 1);
	PrintRatio("load, sorted file", sortedLoad.load, sortedLoad.floor, "ms");
	const auto shuffledLoad = MeasureLoading(folder, shuffled, runs, 2);
	PrintRatio("load, shuffled file", shuffledLoad.load, shuffledLoad.floor, "ms");

	// Lookups: every run asks for the same random sequence of stored IDs.
	const REL::Version version(9, 9, 3, 0);
	const auto path = folder / "bench-lookup.bin";
	REL::database::write_file(path, REL::database::pack(version, sorted));
	REL::IDDatabase database;
	database.load_file(path.wstring(), version);
	const auto plain = LoadPlain(path);

	std::mt19937_64 random(11);
	std::vector<std::uint64_t> wanted(1'000'000);
	for (auto& id : wanted) {
		id = sorted[random() % sorted.size()].id;
	}

	Figures lookup;
	Figures bare;
	std::uint64_t sink = 0;
	for (int run = 0; run < runs; ++run) {
		auto start = Clock::now();
		for (const auto id : wanted) {
			sink += database.id2offset(id);
		}
		lookup.runs.push_back(MillisecondsSince(start) * 1e6 / static_cast<double>(wanted.size()));

		start = Clock::now();
		for (const auto id : wanted) {
			const auto it = std::lower_bound(plain.begin(), plain.end(), id,
				[](const mapping_t& a_entry, std::uint64_t a_id) { return a_entry.id < a_id; });
			sink += it->offset;
		}
		bare.runs.push_back(MillisecondsSince(start) * 1e6 / static_cast<double>(wanted.size()));
	}
	PrintRatio("id2offset, per lookup", lookup, bare, "ns");

	// What every ID resolution adds on top: the game module's description
	// is looked up anew each time (path, module handle, registry).
	Figures module;
	for (int run = 0; run < runs; ++run) {
		const auto start = Clock::now();
		for (int i = 0; i < 100'000; ++i) {
			sink += REL::Module::get().base();
		}
		module.runs.push_back(MillisecondsSince(start) * 1e6 / 100'000.0);
	}
	std::printf("%-34s %10.3f ns  (min %10.3f)\n", "REL::Module::get, per resolution", module.median(), module.min());

	std::filesystem::remove_all(folder);
	std::printf("\n(checksum %llu)\n", static_cast<unsigned long long>(sink));
	return 0;
}

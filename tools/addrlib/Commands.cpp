#include "Commands.h"

#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <span>
#include <string_view>
#include <system_error>

#include <fmt/format.h>
#include <fmt/ostream.h>

#include "RE/IDs.h"
#include "REL/DatabaseFormat.h"
#include "REL/DatabasePack.h"
#include "TextList.h"

namespace addrlib
{
	namespace
	{
		constexpr std::string_view kUsageText =
			"usage:\n"
			"  addrlib pack <list.txt> <out.bin> [--version <v>] [--name <text>] [--pointer-size <n>]\n"
			"      Packs \"<id> <offset>\" lines (decimal or 0x numbers, # comments) into an\n"
			"      address library file. The version defaults to the one in the output's\n"
			"      name (versionlib-1-14-70-0-1.bin); the pointer size to 8.\n"
			"  addrlib dump <file.bin> [--header-only]\n"
			"      Prints the header as # lines, then every entry in file order as\n"
			"      \"<id> 0x<offset>\": the form pack reads.\n"
			"  addrlib check <file.bin> [--platform steam|store]\n"
			"      Says which of the IDs Tarmacor needs the file lacks, for which game\n"
			"      version and platform. The platform defaults to the one in the file name.\n"
			"exit codes: 0 ok, 1 IDs missing or the file doesn't fit its name,\n"
			"            2 unreadable or invalid file, 64 usage\n";

		using REL::database::mapping_t;

		struct Arguments
		{
			std::vector<std::string> positional;
			std::map<std::string, std::string, std::less<>> options;  // "--name" -> value ("" for flags)
		};

		// Options taking a value, and flags.
		bool SplitArguments(std::span<const std::string> a_args, std::span<const std::string_view> a_withValue,
			std::span<const std::string_view> a_flags, Arguments& a_out, std::ostream& a_err)
		{
			for (std::size_t i = 0; i < a_args.size(); ++i) {
				const auto& arg = a_args[i];
				if (!arg.starts_with("--")) {
					a_out.positional.push_back(arg);
					continue;
				}
				if (std::find(a_withValue.begin(), a_withValue.end(), arg) != a_withValue.end()) {
					if (i + 1 == a_args.size()) {
						fmt::print(a_err, "addrlib: {} needs a value\n", arg);
						return false;
					}
					a_out.options[arg] = a_args[++i];
				} else if (std::find(a_flags.begin(), a_flags.end(), arg) != a_flags.end()) {
					a_out.options[arg] = "";
				} else {
					fmt::print(a_err, "addrlib: unknown option {}\n", arg);
					return false;
				}
			}
			return true;
		}

		std::optional<std::string> Option(const Arguments& a_args, std::string_view a_name)
		{
			const auto it = a_args.options.find(a_name);
			if (it == a_args.options.end()) {
				return std::nullopt;
			}
			return it->second;
		}

		std::filesystem::path PathFromUtf8(const std::string& a_text)
		{
			return std::filesystem::path(std::u8string(a_text.begin(), a_text.end()));
		}

		std::string FileNameOf(const std::filesystem::path& a_path)
		{
			const auto name = a_path.filename().u8string();
			return std::string(name.begin(), name.end());
		}

		std::string_view PlatformName(bool a_steam)
		{
			return a_steam ? "Steam" : "Microsoft Store";
		}

		struct Library
		{
			REL::database::header_t header;
			std::vector<mapping_t> entries;  // file order
			std::uint64_t trailingBytes{ 0 };
		};

		// The whole file decoded as the plugin decodes it; on failure says
		// why on a_err.
		std::optional<Library> ReadLibrary(const std::string& a_file, std::ostream& a_err)
		{
			REL::database::istream_t in(PathFromUtf8(a_file));
			if (!in.is_open()) {
				fmt::print(a_err, "{}: can't open the file\n", a_file);
				return std::nullopt;
			}
			Library library;
			auto& header = library.header;
			bool inEntries = false;
			try {
				if (header.read(in) != REL::database::status::ok) {
					fmt::print(a_err, "{}: unsupported format {} (this build reads format {})\n", a_file, header.format,
						REL::database::compiled_format);
					return std::nullopt;
				}
				if (REL::database::check_entry_count(header, in) != REL::database::status::ok) {
					fmt::print(a_err, "{}: the header announces {} entries, but only {} bytes follow it\n", a_file,
						header.address_count, in.remaining());
					return std::nullopt;
				}
				inEntries = true;
				library.entries.resize(header.address_count);
				std::size_t failed = 0;
				const auto result = REL::database::unpack(in, header, library.entries, &failed);
				if (result != REL::database::status::ok) {
					fmt::print(a_err, "{}: entry {} of {}: {}\n", a_file, failed + 1, header.address_count,
						REL::database::describe(result));
					return std::nullopt;
				}
				library.trailingBytes = in.remaining();
			} catch (const std::system_error&) {
				fmt::print(a_err, "{}: the file ends inside its {}\n", a_file, inEntries ? "entries" : "header");
				return std::nullopt;
			}
			return library;
		}

		int Pack(std::span<const std::string> a_args, std::ostream& a_out, std::ostream& a_err)
		{
			constexpr std::string_view withValue[] = { "--version", "--name", "--pointer-size" };
			Arguments args;
			if (!SplitArguments(a_args, withValue, {}, args, a_err) || args.positional.size() != 2) {
				a_err << kUsageText;
				return kUsage;
			}
			const auto& listFile = args.positional[0];
			const auto& outFile = args.positional[1];

			std::optional<REL::Version> version;
			if (const auto text = Option(args, "--version")) {
				version = ParseVersion(*text);
				if (!version) {
					fmt::print(a_err, "addrlib: \"{}\" is not a game version such as 1.14.70.0\n", *text);
					return kUsage;
				}
			} else if (const auto name = ParseLibraryName(FileNameOf(PathFromUtf8(outFile)))) {
				version = name->version;
			} else {
				fmt::print(a_err, "addrlib: give --version, or name the output versionlib-<version>[-1].bin\n");
				return kUsage;
			}

			std::uint32_t pointerSize = 8;
			if (const auto text = Option(args, "--pointer-size")) {
				const auto value = ParseNumber(*text);
				if (!value || *value > 0xFFFFFFFF) {
					fmt::print(a_err, "addrlib: \"{}\" is not a pointer size\n", *text);
					return kUsage;
				}
				pointerSize = static_cast<std::uint32_t>(*value);
			}
			const auto name = Option(args, "--name").value_or("");

			std::ifstream list(PathFromUtf8(listFile));
			if (!list) {
				fmt::print(a_err, "{}: can't open the file\n", listFile);
				return kBadFile;
			}
			ListError error;
			const auto entries = ParseIdList(list, error);
			if (!entries) {
				fmt::print(a_err, "{}:{}: {}\n", listFile, error.line, error.message);
				return kBadFile;
			}
			if (entries->size() > 0xFFFFFFFF) {
				fmt::print(a_err, "{}: more entries than a library can hold\n", listFile);
				return kBadFile;
			}

			const auto bytes = REL::database::pack(*version, *entries, name, pointerSize);
			if (!REL::database::write_file(PathFromUtf8(outFile), bytes)) {
				fmt::print(a_err, "{}: can't write the file\n", outFile);
				return kBadFile;
			}
			fmt::print(a_out, "{}: {} entries for version {}, {} bytes\n", outFile, entries->size(), version->string("."), bytes.size());
			return kOk;
		}

		int Dump(std::span<const std::string> a_args, std::ostream& a_out, std::ostream& a_err)
		{
			constexpr std::string_view flags[] = { "--header-only" };
			Arguments args;
			if (!SplitArguments(a_args, {}, flags, args, a_err) || args.positional.size() != 1) {
				a_err << kUsageText;
				return kUsage;
			}
			const auto library = ReadLibrary(args.positional[0], a_err);
			if (!library) {
				return kBadFile;
			}
			const auto& header = library->header;
			fmt::print(a_out, "# format: {}\n", header.format);
			fmt::print(a_out, "# version: {}\n", header.version.string("."));
			fmt::print(a_out, "# name: \"{}\" ({} bytes)\n", header.name_text(), header.name_length);
			fmt::print(a_out, "# pointer size: {}\n", header.pointer_size);
			fmt::print(a_out, "# address count: {}\n", header.address_count);
			if (library->trailingBytes != 0) {
				fmt::print(a_out, "# {} bytes after the last entry (ignored)\n", library->trailingBytes);
			}
			if (!Option(args, "--header-only")) {
				for (const auto& entry : library->entries) {
					fmt::print(a_out, "{} 0x{:X}\n", entry.id, entry.offset);
				}
			}
			return kOk;
		}

		int Check(std::span<const std::string> a_args, std::ostream& a_out, std::ostream& a_err)
		{
			constexpr std::string_view withValue[] = { "--platform" };
			Arguments args;
			if (!SplitArguments(a_args, withValue, {}, args, a_err) || args.positional.size() != 1) {
				a_err << kUsageText;
				return kUsage;
			}
			const auto& file = args.positional[0];
			const auto fileName = ParseLibraryName(FileNameOf(PathFromUtf8(file)));

			std::optional<bool> steam;
			if (const auto platform = Option(args, "--platform")) {
				if (*platform != "steam" && *platform != "store") {
					fmt::print(a_err, "addrlib: the platform is steam or store, not \"{}\"\n", *platform);
					return kUsage;
				}
				steam = *platform == "steam";
			} else if (fileName) {
				steam = fileName->steam;
			}

			auto library = ReadLibrary(file, a_err);
			if (!library) {
				return kBadFile;
			}
			const auto& version = library->header.version;
			int result = kOk;
			if (fileName && fileName->version != version) {
				fmt::print(a_err, "{}: the header is for version {}, the file name for {}: the plugin refuses it\n", file,
					version.string("."), fileName->version.string("."));
				result = kCheckFailed;
			}

			REL::database::sort(library->entries);
			std::vector<const RE::IDs::Entry*> missing;
			for (const auto& entry : RE::IDs::all) {
				if (!REL::database::find(library->entries, entry.id.id())) {
					missing.push_back(&entry);
				}
			}

			const auto platform = steam ? std::string(PlatformName(*steam)) : std::string("unknown platform");
			fmt::print(a_out, "{}: Starfield {}, {}: {} of {} IDs present\n", file, version.string("."), platform,
				RE::IDs::all.size() - missing.size(), RE::IDs::all.size());
			for (const auto* entry : missing) {
				fmt::print(a_out, "  missing {} {} ({})\n", entry->id.id(), entry->name, RE::IDs::describe(entry->kind));
			}
			return missing.empty() ? result : kCheckFailed;
		}
	}

	int RunCommand(const std::vector<std::string>& a_args, std::ostream& a_out, std::ostream& a_err)
	{
		if (a_args.empty()) {
			a_err << kUsageText;
			return kUsage;
		}
		const std::span<const std::string> rest(a_args.begin() + 1, a_args.end());
		const auto& command = a_args.front();
		if (command == "pack") {
			return Pack(rest, a_out, a_err);
		}
		if (command == "dump") {
			return Dump(rest, a_out, a_err);
		}
		if (command == "check") {
			return Check(rest, a_out, a_err);
		}
		if (command == "--help" || command == "help") {
			a_out << kUsageText;
			return kOk;
		}
		fmt::print(a_err, "addrlib: unknown command \"{}\"\n", command);
		a_err << kUsageText;
		return kUsage;
	}
}

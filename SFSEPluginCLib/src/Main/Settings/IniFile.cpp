#include "Settings/IniFile.h"

#include <array>
#include <cstring>
#include <utility>

#include <windows.h>

#include "Settings/Logging.h"
#include "Settings/SectionNames.h"

namespace
{
	constexpr DWORD ValueBufferSize = MaxIniValueLength + 1;

	using PathBuffer = std::array<char, MaxIniPathLength + 1>;

	// A zero byte would cut the text short at the platform, which would then
	// read or write another file, section or key than the one named.
	bool HasZeroByte(std::string_view a_text) noexcept
	{
		return a_text.find('\0') != std::string_view::npos;
	}

	template <class... Texts>
	bool AnyHasZeroByte(const Texts&... a_texts) noexcept
	{
		return (HasZeroByte(a_texts) || ...);
	}

	// A path that doesn't fit the buffer is refused, never cut.
	bool CopyToPathBuffer(const std::string& a_path, PathBuffer& a_buffer) noexcept
	{
		a_buffer.fill('\0');
		if (a_path.size() > MaxIniPathLength) {
			return false;
		}
		std::memcpy(a_buffer.data(), a_path.data(), a_path.size());
		return true;
	}

	std::string ReadProfileString(const std::string& a_section, const std::string& a_key, const char* a_default, const char* a_path)
	{
		std::string value(ValueBufferSize, '\0');
		::GetPrivateProfileStringA(a_section.c_str(), a_key.c_str(), a_default, value.data(), ValueBufferSize, a_path);
		value.resize(std::strlen(value.c_str()));
		return value;
	}
}

PathQuery QueryPath(const std::string& a_path)
{
	const DWORD attributes = ::GetFileAttributesA(a_path.c_str());
	if (attributes != INVALID_FILE_ATTRIBUTES) {
		return { (attributes & FILE_ATTRIBUTE_DIRECTORY) ? PathKind::kFolder : PathKind::kFile, 0 };
	}
	const DWORD error = ::GetLastError();
	switch (error) {
	case ERROR_FILE_NOT_FOUND:
	case ERROR_PATH_NOT_FOUND:
	case ERROR_BAD_NETPATH:
	case ERROR_INVALID_NAME:
		return { PathKind::kMissing, error };
	default:
		return { PathKind::kUnknown, error };
	}
}

namespace
{
	// A view of the constant until a tool sets another folder: reading it
	// builds nothing, so it can't fail.
	std::string FolderSet;
	std::string_view FolderInUse = PluginFolder;
}

std::string_view GetPluginFolder() noexcept
{
	return FolderInUse;
}

void SetPluginFolder(std::string a_folder)
{
	FolderSet = std::move(a_folder);
	FolderInUse = FolderSet;
}

std::string GetIniPath(std::string_view a_file, std::string_view a_folder)
{
	std::string path(a_folder.empty() ? GetPluginFolder() : a_folder);
	path += a_file;
	path += ".ini";
	return path;
}

std::string ReadIniValue(std::string a_file, std::string a_section, std::string a_key, std::string a_folder)
{
	if (a_file.empty() || a_section.empty() || a_key.empty() || AnyHasZeroByte(a_file, a_section, a_key, a_folder)) {
		return {};
	}
	const auto path = GetIniPath(a_file, a_folder);
	PathBuffer pathBuffer;
	if (!CopyToPathBuffer(path, pathBuffer)) {
		return {};
	}
	const auto query = QueryPath(path);
	if (query.kind == PathKind::kUnknown) {
		LOG_ERROR("could not query path [", path, "] | error ", query.error);
		return {};
	}
	if (query.kind == PathKind::kMissing) {
		return {};
	}
	return ReadProfileString(a_section, a_key, "", pathBuffer.data());
}

bool WriteIniValue(std::string a_file, std::string a_section, std::string a_key, std::string a_value, std::string a_folder)
{
	if (a_file.empty() || a_section.empty() || a_key.empty() || AnyHasZeroByte(a_file, a_section, a_key, a_value, a_folder)) {
		return false;
	}
	const auto path = GetIniPath(a_file, a_folder);
	PathBuffer pathBuffer;
	if (!CopyToPathBuffer(path, pathBuffer)) {
		return false;
	}
	// A failed write must not pass as success: the read-back has no
	// default that could stand in for the value.
	if (!::WritePrivateProfileStringA(a_section.c_str(), a_key.c_str(), a_value.c_str(), pathBuffer.data())) {
		return false;
	}
	const auto query = QueryPath(path);
	if (query.kind == PathKind::kUnknown) {
		LOG_ERROR("could not query path [", path, "] | error ", query.error);
		return false;
	}
	if (query.kind == PathKind::kMissing) {
		return false;
	}
	return ReadProfileString(a_section, a_key, "", pathBuffer.data()) == a_value;
}

bool DoesIniExist(std::string a_file, std::string a_folder)
{
	if (a_file.empty() || AnyHasZeroByte(a_file, a_folder)) {
		return false;
	}
	const auto path = GetIniPath(a_file, a_folder);
	const auto query = QueryPath(path);
	if (query.kind == PathKind::kUnknown) {
		LOG_ERROR("could not query path [", path, "] | error ", query.error);
		return false;
	}
	return query.kind != PathKind::kMissing;
}

bool DoesFileExistEx(std::string a_folder, std::string a_file)
{
	if (a_folder.empty() || a_file.empty() || AnyHasZeroByte(a_folder, a_file)) {
		return false;
	}
	if (const auto folder = QueryPath(a_folder); folder.kind == PathKind::kMissing || folder.kind == PathKind::kUnknown) {
		return false;
	}
	const auto path = a_folder + a_file;
	const auto query = QueryPath(path);
	if (query.kind == PathKind::kUnknown) {
		LOG_ERROR("could not query path [", path, "] | error ", query.error);
		return false;
	}
	return query.kind == PathKind::kFile;
}

std::vector<std::string> GetIniSectionNames(std::string a_folder, std::string a_file)
{
	if (a_folder.empty() || a_file.empty() || AnyHasZeroByte(a_folder, a_file)) {
		return {};
	}
	if (const auto folder = QueryPath(a_folder); folder.kind == PathKind::kMissing || folder.kind == PathKind::kUnknown) {
		return {};
	}
	const auto path = a_folder + a_file;
	const auto query = QueryPath(path);
	if (query.kind == PathKind::kUnknown) {
		LOG_ERROR("could not query path [", path, "] | error ", query.error);
		return {};
	}
	if (query.kind != PathKind::kFile) {
		return {};
	}
	auto list = ReadSectionNames([&path](char* a_buffer, std::size_t a_size) -> std::size_t {
		return ::GetPrivateProfileSectionNamesA(a_buffer, static_cast<DWORD>(a_size), path.c_str());
	});
	if (!list.complete) {
		LOG_ERROR("could not read every section name of [", path, "] | the list is longer than ", MaxSectionListSize,
			" bytes; ", list.names.size(), " sections read");
	}
	return std::move(list.names);
}

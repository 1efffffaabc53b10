#include "Lifecycle/WholeFileRead.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include <windows.h>

#include "Settings/Logging.h"

namespace
{
	constexpr DWORD kLookEveryMs = 50;
	constexpr DWORD kRetryEveryMs = 100;

	// Waits a_ms; false when asked to stop meanwhile.
	bool WaitOrStop(const WholeReadWaits& a_waits, DWORD a_ms)
	{
		return ::WaitForSingleObject(a_waits.stop, a_ms) == WAIT_TIMEOUT;
	}

	// Whether neither file was written within the last a_ms.
	bool WereWrittenLongAgo(const IniFileStamps& a_stamps, DWORD a_ms)
	{
		FILETIME now{};
		::GetSystemTimeAsFileTime(&now);
		const auto nowTicks = (static_cast<std::uint64_t>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
		constexpr std::uint64_t kTicksPerMs = 10'000;  // file times count 100 ns
		for (const auto& stamp : a_stamps) {
			if (stamp.bExists && (stamp.iLastWrite > nowTicks || nowTicks - stamp.iLastWrite < a_ms * kTicksPerMs)) {
				return false;
			}
		}
		return true;
	}

	struct Blocked
	{
		std::size_t iFile;
		IniFileAccess eAccess;
		unsigned long iError;
	};

	// The first file that exists but can't be opened for reading.
	std::optional<Blocked> FindBlockedFile()
	{
		for (std::size_t i = 0; i < IniFileBaseNames.size(); ++i) {
			unsigned long error = 0;
			const auto access = GetIniFileAccess(IniFileBaseNames[i], &error);
			if (access == IniFileAccess::kHeld || access == IniFileAccess::kUnreadable) {
				return Blocked{ i, access, error };
			}
		}
		return std::nullopt;
	}

	std::string DescribeBlocked(const Blocked& a_blocked)
	{
		std::string text(IniFileBaseNames[a_blocked.iFile]);
		text += a_blocked.eAccess == IniFileAccess::kHeld ? ".ini is held open by another program" : ".ini can't be read (error " + std::to_string(a_blocked.iError) + ")";
		return text;
	}

	// Whether a file that was there when the set in force was read is gone,
	// for less than the absence time so far. a_goneSince: when each was
	// first seen gone.
	bool IsAFileComingBack(const WholeReadWaits& a_waits, const IniFileStamps& a_inForce, std::array<ULONGLONG, 2>& a_goneSince)
	{
		bool bComingBack = false;
		const auto now = GetIniFileStamps();
		for (std::size_t i = 0; i < now.size(); ++i) {
			if (now[i].bExists || !a_inForce[i].bExists) {
				a_goneSince[i] = 0;
				continue;
			}
			const auto tick = ::GetTickCount64();
			a_goneSince[i] = a_goneSince[i] ? a_goneSince[i] : tick;
			bComingBack = bComingBack || tick - a_goneSince[i] < a_waits.iAbsentForMs;
		}
		return bComingBack;
	}
}

bool WaitUntilIniFilesAreStill(const WholeReadWaits& a_waits)
{
	auto last = GetIniFileStamps();
	if (WereWrittenLongAgo(last, a_waits.iStillForMs)) {
		return true;
	}
	for (DWORD still = 0; still < a_waits.iStillForMs; still += kLookEveryMs) {
		if (!WaitOrStop(a_waits, kLookEveryMs)) {
			return false;
		}
		if (const auto now = GetIniFileStamps(); now != last) {
			last = now;
			still = 0;
		}
	}
	return true;
}

bool IsAnIniFileBlocked()
{
	return FindBlockedFile().has_value();
}

WholeRead ReadWholeIniFiles(const WholeReadWaits& a_waits, const IniFileStamps& a_inForce)
{
	const auto start = ::GetTickCount64();
	std::array<ULONGLONG, 2> goneSince{};
	bool bWarned = false;
	for (;;) {
		if (const auto blocked = FindBlockedFile()) {
			if (!bWarned) {
				LOG_WARNING_AS(IniThreadLogName, "can't reload yet | ", DescribeBlocked(*blocked), "; the settings in force stay until it can be read");
				bWarned = true;
			}
			if (::GetTickCount64() - start >= a_waits.iHeldForAtMostMs) {
				LOG_ERROR_AS(IniThreadLogName, "can't reload | ", DescribeBlocked(*blocked), "; the settings in force stay");
				return { WholeReadEnd::kHeldTooLong, std::nullopt };
			}
			if (!WaitOrStop(a_waits, kRetryEveryMs) || !WaitUntilIniFilesAreStill(a_waits)) {
				return { WholeReadEnd::kStopped, std::nullopt };
			}
			continue;
		}
		if (IsAFileComingBack(a_waits, a_inForce, goneSince)) {
			if (!WaitOrStop(a_waits, kRetryEveryMs) || !WaitUntilIniFilesAreStill(a_waits)) {
				return { WholeReadEnd::kStopped, std::nullopt };
			}
			continue;
		}
		auto reload = ReadProfilesAndSettings(ReloadKind::kRefresh);
		if (GetIniFileStamps() == reload.stamps && !FindBlockedFile()) {
			return { WholeReadEnd::kRead, std::move(reload) };
		}
		// Written or taken while we read: what we read may be half of it.
		if (!WaitUntilIniFilesAreStill(a_waits)) {
			return { WholeReadEnd::kStopped, std::nullopt };
		}
	}
}

// Linked into every test executable: its output goes out as it is written,
// not when a buffer fills or the process ends. So a test process that was
// ended before its output is flushed still shows how far it got, and one
// that shows nothing at all never reached its tests (tools/wine/run-test
// starts only those once more).
#include <cstdio>

namespace
{
	const bool bUnbufferedOutput = [] {
		std::setvbuf(stdout, nullptr, _IONBF, 0);
		return true;
	}();
}

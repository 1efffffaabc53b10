#pragma once
// Message boxes in the simulated game: no display is needed. A box's caption
// and text are written to stderr as one line,
//   message box [<caption>]: <text>
// ("(null)" for a null caption), and the box reports OK at once. Death tests
// match that line in the child's output.
#include <windows.h>

namespace sim
{
	void capture_message_boxes(HMODULE a_module);
}

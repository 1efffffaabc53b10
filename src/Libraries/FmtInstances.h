#pragma once
// Included ahead of every file that builds against the compiled fmt (the
// build passes it with -include): the instances of fmt's templates that
// FmtLibrary.cpp builds once, declared here so that no other file builds its
// own copy. The formatting core behind every format_to and every log line
// is by far the largest of them.
#include <fmt/format.h>

// fmt 10 and later declare this instance themselves.
#if FMT_VERSION < 100000
FMT_BEGIN_NAMESPACE
namespace detail
{
	extern template FMT_API void vformat_to<char>(buffer<char>& a_buffer, basic_string_view<char> a_format, basic_format_args<FMT_BUFFER_CONTEXT(char)> a_args, locale_ref a_locale);
}
FMT_END_NAMESPACE
#endif

// fmt in its compiled mode: without FMT_HEADER_ONLY its headers declare the
// formatting core and leave the definitions to one translation unit. This is
// that unit, built once from the installed fmt/format-inl.h, so that no other
// file compiles fmt's implementation again.
#include <fmt/format-inl.h>

FMT_BEGIN_NAMESPACE
namespace detail
{
	// Declared in format.h, defined in format-inl.h: the instances the
	// headers' own templates call.
	template FMT_API auto dragonbox::to_decimal(float a_value) noexcept -> dragonbox::decimal_fp<float>;
	template FMT_API auto dragonbox::to_decimal(double a_value) noexcept -> dragonbox::decimal_fp<double>;

	template FMT_API locale_ref::locale_ref(const std::locale& a_locale);
	template FMT_API auto locale_ref::get<std::locale>() const -> std::locale;

	// The formatting core, declared for every other file in FmtInstances.h.
	template FMT_API void vformat_to<char>(buffer<char>& a_buffer, basic_string_view<char> a_format, basic_format_args<FMT_BUFFER_CONTEXT(char)> a_args, locale_ref a_locale);

	// The extern templates of format.h.
	template FMT_API auto thousands_sep_impl<char>(locale_ref a_locale) -> thousands_sep_result<char>;
	template FMT_API auto thousands_sep_impl<wchar_t>(locale_ref a_locale) -> thousands_sep_result<wchar_t>;
	template FMT_API auto decimal_point_impl<char>(locale_ref a_locale) -> char;
	template FMT_API auto decimal_point_impl<wchar_t>(locale_ref a_locale) -> wchar_t;
}
FMT_END_NAMESPACE

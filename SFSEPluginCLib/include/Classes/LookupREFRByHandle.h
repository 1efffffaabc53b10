#pragma once
// A reference by its handle, as a counted pointer.
#include <cstdint>

#include "RE/NiPointer.h"
#include "RE/TESObjectREFR.h"

namespace RE
{
	// Fills an empty a_refrOut from a nonzero a_handle (it stays empty when
	// the game knows no such reference). A zero handle or a filled pointer
	// changes nothing and is logged as a parameter error.
	void LookupREFRByHandle(const std::uint32_t& a_handle, NiPointer<TESObjectREFR>& a_refrOut);
}

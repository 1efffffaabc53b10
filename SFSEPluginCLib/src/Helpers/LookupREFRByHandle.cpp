#include "Classes/LookupREFRByHandle.h"

#include "RE/Natives.h"
#include "Settings/Logging.h"

namespace RE
{
	void LookupREFRByHandle(const std::uint32_t& a_handle, NiPointer<TESObjectREFR>& a_refrOut)
	{
		if (a_handle == 0 || a_refrOut) {
			LOG_ERROR("function parameter error");
			return;
		}
		LookupREFRByHandleNative(a_handle, a_refrOut);
	}
}

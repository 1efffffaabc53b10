#pragma once
// Scene nodes: only compared by address and handed back to the game.
namespace RE
{
	class NiAVObject
	{
	public:
		NiAVObject() = delete;
		NiAVObject(const NiAVObject&) = delete;
		NiAVObject& operator=(const NiAVObject&) = delete;
	};

	// A node that fades in and out; the game asks each one, through slot 61
	// of its virtual table, which visibility state it wants.
	class BSFadeNode : public NiAVObject
	{
	public:
		static constexpr std::size_t kVisibilitySlot = 61;
	};
}

#include "sim/functions/Areas.h"
#include "sim/functions/Rows.h"
#include "sim/world/World.h"

namespace sim
{
	std::span<const GameItem> camera_rows()
	{
		static const std::array rows{
			data_row(RE::IDs::PlayerCamera, world().camera.cameraGlobal),
		};
		return rows;
	}
}

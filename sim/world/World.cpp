#include "sim/world/World.h"

#include <algorithm>
#include <iterator>

#include "sim/functions/VTables.h"

namespace sim
{
	namespace
	{
		template <class T>
		void renew(T& a_area)
		{
			a_area.~T();
			new (&a_area) T{};
		}
	}

	World::World()
	{
		reset();
	}

	void World::reset()
	{
		// Areas are remade in place: the data items keep their addresses.
		renew(settings);
		renew(forms);
		renew(references);
		renew(dialogue);
		renew(menus);
		renew(camera);
		renew(time);
		renew(strings);
		renew(scene);
		renew(events);
		renew(input);
		calls.clear();
		calls.fail_next({});

		settings.collectionGlobal = &settings.collection;
		settings.add_game_settings();
		forms.dataHandlerGlobal = &forms.dataHandler;
		dialogue.firstLineResult = &dialogue.topicInfo;
		menus.uiGlobal = &menus.ui;
		events.saveLoadSource = &events.saveLoad;
		camera.camera.currentState = &camera.vehicleState;
		camera.cameraGlobal = &camera.camera;

		auto& player = references.player;
		player.ref.form.vtable = actor_vtable();
		player.ref.form.formID = game::kPlayerFormID;
		player.ref.form.formType = game::kActorFormType;
		player.ref.parentCell = &references.exterior;
		player.ref.loadedData = &references.playerLoadedData;
		references.playerLoadedData.root = &scene.playerRoot;
		references.playerGlobal = &player;
		references.interior.cellFlags = 1;
		references.byHandle.assign(2, nullptr);  // handles 0 and 1 name nothing
		references.handleListGlobal = &references.handleList;

		scene.playerRoot.vtable = fade_node_vtable();
	}

	World& world()
	{
		static World instance;
		return instance;
	}

	std::vector<std::string_view> CallLog::names() const
	{
		std::vector<std::string_view> names;
		for (const auto& call : _calls) {
			names.push_back(call.function);
		}
		return names;
	}

	std::vector<Call> CallLog::of(std::string_view a_function) const
	{
		std::vector<Call> calls;
		std::copy_if(_calls.begin(), _calls.end(), std::back_inserter(calls), [&](const Call& a_call) { return a_call.function == a_function; });
		return calls;
	}
}

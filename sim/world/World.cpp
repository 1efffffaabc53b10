#include "sim/world/World.h"

#include <algorithm>
#include <cstring>

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

		settings.collectionGlobal = &settings.collection;
		settings.add_game_settings();
		forms.dataHandlerGlobal = &forms.dataHandler;
		dialogue.firstLineResult = &dialogue.topicInfo;
		menus.uiGlobal = &menus.ui;
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

	const game::StringEntry* Strings::intern(std::string_view a_text)
	{
		for (const auto& entry : pool) {
			if (!(entry.flags & game::StringEntry::kForwards) && std::string_view(entry.text, entry.length) == a_text) {
				return &entry;
			}
		}
		auto& entry = pool.emplace_back();
		entry.length = static_cast<std::uint32_t>(std::min(a_text.size(), sizeof(entry.text) - 1));
		std::memcpy(entry.text, a_text.data(), entry.length);
		return &entry;
	}

	const game::StringEntry* Strings::forwarding(const game::StringEntry* a_target)
	{
		auto& entry = pool.emplace_back();
		entry.flags = game::StringEntry::kForwards;
		entry.forward = a_target;
		return &entry;
	}

	std::string_view text_of(const game::GameString& a_string) noexcept
	{
		const auto* entry = a_string.entry;
		while (entry && (entry->flags & game::StringEntry::kForwards)) {
			entry = entry->forward;
		}
		return entry ? std::string_view(entry->text, entry->length) : std::string_view{};
	}

	game::TESPackedFile& Forms::add_file(std::string_view a_name, FileKind a_kind, std::uint8_t a_compileIndex,
		std::uint16_t a_smallOrMediumIndex)
	{
		auto& file = files.emplace_back();
		std::memcpy(file.fileName, a_name.data(), std::min(a_name.size(), sizeof(file.fileName) - 1));
		file.compileIndex = a_compileIndex;
		auto link = [&](std::vector<game::TESPackedFile*>& a_list, game::FileList& a_view) {
			a_list.push_back(&file);
			a_view.count = static_cast<std::uint32_t>(a_list.size());
			a_view.files = a_list.data();
		};
		switch (a_kind) {
		case FileKind::full:
			link(fullFiles, dataHandler.fullFiles);
			break;
		case FileKind::small:
			file.smallCompileIndex = a_smallOrMediumIndex;
			link(smallFiles, dataHandler.smallFiles);
			break;
		case FileKind::medium:
			file.mediumCompileIndex = static_cast<std::uint8_t>(a_smallOrMediumIndex);
			link(mediumFiles, dataHandler.mediumFiles);
			break;
		}
		return file;
	}

	game::TESForm& Forms::add_form(std::uint32_t a_formID, std::uint8_t a_type, const char* a_fullName)
	{
		auto& form = forms.emplace_back();
		form.vtable = form_vtable();
		form.formID = a_formID;
		form.formType = a_type;
		form.fullName = a_fullName;
		byID[a_formID] = &form;
		return form;
	}

	game::Actor& References::add_actor(std::uint32_t a_formID)
	{
		auto& actor = actors.emplace_back();
		actor.ref.form.vtable = actor_vtable();
		actor.ref.form.formID = a_formID;
		actor.ref.form.formType = game::kActorFormType;
		actor.ref.parentCell = &exterior;
		return actor;
	}

	std::uint32_t References::add_handle(game::TESObjectREFR* a_ref)
	{
		const auto handle = static_cast<std::uint32_t>(byHandle.size());
		byHandle.push_back(a_ref);
		handleElements.push_back(std::uint64_t{ handle } << 32);
		handleList.count = static_cast<std::uint32_t>(handleElements.size());
		handleList.elements = handleElements.data();
		return handle;
	}

	game::Setting& Settings::add(std::string_view a_name, float a_value)
	{
		const auto& name = names.emplace_back(a_name);
		return settings.emplace_back(game::Setting{ nullptr, a_value, {}, name.c_str() });
	}

	game::Setting* Settings::find(std::string_view a_name)
	{
		const auto it = std::find_if(settings.begin(), settings.end(), [&](const game::Setting& a_setting) { return a_name == a_setting.name; });
		return it == settings.end() ? nullptr : &*it;
	}

	void Settings::remove(std::string_view a_name)
	{
		std::erase_if(settings, [&](const game::Setting& a_setting) { return a_name == a_setting.name; });
	}

	void Settings::add_game_settings()
	{
		for (const auto& [name, value] : kGameSettings) {
			add(name, value);
		}
	}

	game::NiNode& Scene::add_fade_node(std::uint8_t a_visibilityState)
	{
		auto& node = fadeNodes.emplace_back();
		node.vtable = fade_node_vtable();
		node.visibilityState = a_visibilityState;
		return node;
	}
}

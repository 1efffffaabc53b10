// A stand-in for the Steam runtime (steam_api64.dll): the plugin only asks
// whether a module of that name is loaded, to tell a Steam game from others.
extern "C" __declspec(dllexport) bool SteamAPI_Init()
{
	return false;
}

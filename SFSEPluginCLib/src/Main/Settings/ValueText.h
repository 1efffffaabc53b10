#pragma once
// The texts the plugin makes of values: for the game's settings and the log.
#include <cstdint>
#include <string>

struct Profile;

// The "%f" form: fixed, six digits after the point, locale-free, exactly as
// printf gives it (-0.0 keeps its sign: "-0.000000").
std::string GetFloatText(float a_value);

// The game's minimum pitch for an up angle: a positive angle negated, any
// other as it is.
float GetMinimumPitch(float a_upAngle);

// The up angle as the game's minimum pitch wants it (GetMinimumPitch).
std::string GetUpAngleText(float a_angle);

// A hotkey in upper-case hex without leading zeros or prefix (0xA0 gives "A0").
std::string GetHotkeyText(std::int32_t a_hotkey);

// Sets the ten value texts of a profile from its floats.
void FillValueTexts(Profile& a_profile);

#include "ProfileSvg.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <utility>

#include <fmt/format.h>

#include "KeyNames.h"
#include "XmlText.h"

namespace
{
	constexpr double PanelWidth = 740.0;
	constexpr double PanelHeight = 330.0;
	constexpr double PanelGap = 14.0;
	constexpr double Margin = 10.0;
	// How far a view's panel is set in under its profile's.
	constexpr double ViewIndent = 30.0;
	constexpr double Radius = 90.0;
	constexpr double Pi = 3.14159265358979323846;

	constexpr std::string_view Style =
		"text{font-family:sans-serif;font-size:12px;fill:#222}"
		".title{font-size:15px;font-weight:bold}"
		".panel{fill:#f6f6f4;stroke:#bbb}"
		".view{fill:#eef3f8;stroke:#9ab}"
		".car{fill:#8a8f99;stroke:#444}"
		".axis{stroke:#999;stroke-dasharray:3 3}"
		".look{fill:#3b82c4;fill-opacity:0.35;stroke:#3b82c4}"
		".aim{fill:#d9822b;fill-opacity:0.35;stroke:#d9822b}"
		".pitch{fill:#4c9a5a;fill-opacity:0.35;stroke:#4c9a5a}"
		".head{fill:#9b59b6;fill-opacity:0.3;stroke:#9b59b6}"
		".rear{fill:none;stroke:#c0392b;stroke-width:2;stroke-dasharray:6 4}"
		"text.rear{fill:#c0392b;stroke:none;font-size:11px}";

	// A setting's value as a label: the shortest text that reads back as it.
	std::string GetValueLabel(float a_value)
	{
		return fmt::format("{}", a_value);
	}

	class Page
	{
	public:
		template <class... Args>
		void Write(fmt::format_string<Args...> a_format, Args&&... a_args)
		{
			fmt::format_to(std::back_inserter(sText), a_format, std::forward<Args>(a_args)...);
		}

		void WriteText(double a_x, double a_y, std::string_view a_class, std::string_view a_text)
		{
			if (a_class.empty()) {
				Write("<text x=\"{:.1f}\" y=\"{:.1f}\">{}</text>\n", a_x, a_y, EscapeXml(a_text));
			} else {
				Write("<text x=\"{:.1f}\" y=\"{:.1f}\" class=\"{}\">{}</text>\n", a_x, a_y, a_class, EscapeXml(a_text));
			}
		}

		std::string sText;
	};

	// An angle limit for drawing: the part of a half turn it spans.
	double ClampHalfTurn(float a_degrees)
	{
		return std::clamp(static_cast<double>(a_degrees), 0.0, 180.0);
	}

	// A wedge around a_direction (radians, counter-clockwise from the +x axis
	// of the screen, y pointing up) reaching a_before degrees clockwise and
	// a_after counter-clockwise of it.
	void DrawWedge(Page& a_page, double a_cx, double a_cy, double a_radius, double a_direction, double a_before, double a_after, std::string_view a_class)
	{
		const double span = a_before + a_after;
		if (span >= 360.0) {
			a_page.Write("<circle cx=\"{:.1f}\" cy=\"{:.1f}\" r=\"{:.1f}\" class=\"{}\"/>\n", a_cx, a_cy, a_radius, a_class);
			return;
		}
		const double from = a_direction - a_before * Pi / 180.0;
		const double to = a_direction + a_after * Pi / 180.0;
		// Screen y points down: counter-clockwise on the page is sweep 0.
		a_page.Write("<path d=\"M {:.1f} {:.1f} L {:.1f} {:.1f} A {:.1f} {:.1f} 0 {} 0 {:.1f} {:.1f} Z\" class=\"{}\"/>\n",
			a_cx, a_cy, a_cx + a_radius * std::cos(from), a_cy - a_radius * std::sin(from), a_radius, a_radius,
			span > 180.0 ? 1 : 0, a_cx + a_radius * std::cos(to), a_cy - a_radius * std::sin(to), a_class);
	}

	// Look-around and aiming yaw, from above, the car's nose up the page.
	void DrawYaw(Page& a_page, const Profile& a_profile, double a_top)
	{
		const double cx = 135.0;
		const double cy = a_top + 160.0;
		const double look = ClampHalfTurn(a_profile.fPlayerFirstPersonCameraPanoramicAngleLeftRight);
		const double aim = ClampHalfTurn(a_profile.fPlayerFirstPersonCameraPanoramicAngleLeftRightAimMode);
		a_page.WriteText(cx - 95.0, a_top + 58.0, "", "Yaw, seen from above");
		if (a_profile.bRearView) {
			a_page.Write("<circle cx=\"{:.1f}\" cy=\"{:.1f}\" r=\"{:.1f}\" class=\"rear\"/>\n", cx, cy, Radius + 6.0);
		}
		DrawWedge(a_page, cx, cy, Radius, Pi / 2.0, look, look, "look");
		DrawWedge(a_page, cx, cy, Radius * 0.7, Pi / 2.0, aim, aim, "aim");
		a_page.Write("<rect x=\"{:.1f}\" y=\"{:.1f}\" width=\"26\" height=\"50\" rx=\"7\" class=\"car\"/>\n", cx - 13.0, cy - 22.0);
		a_page.Write("<rect x=\"{:.1f}\" y=\"{:.1f}\" width=\"18\" height=\"9\" rx=\"2\" fill=\"#cfe3f3\"/>\n", cx - 9.0, cy - 14.0);
		a_page.WriteText(cx - 95.0, a_top + 282.0, "", fmt::format("Look around \u00B1{}\u00B0", GetValueLabel(a_profile.fPlayerFirstPersonCameraPanoramicAngleLeftRight)));
		a_page.WriteText(cx - 95.0, a_top + 299.0, "", fmt::format("Aiming \u00B1{}\u00B0", GetValueLabel(a_profile.fPlayerFirstPersonCameraPanoramicAngleLeftRightAimMode)));
	}

	// Pitch, from the side, the car's nose to the right.
	void DrawPitch(Page& a_page, const Profile& a_profile, double a_top)
	{
		const double cx = 355.0;
		const double cy = a_top + 160.0;
		a_page.WriteText(cx - 95.0, a_top + 58.0, "", "Pitch, seen from the side");
		DrawWedge(a_page, cx, cy, Radius, 0.0, ClampHalfTurn(a_profile.fPlayerFirstPersonCameraPanoramicAngleDown),
			ClampHalfTurn(a_profile.fPlayerFirstPersonCameraPanoramicAngleUp), "pitch");
		a_page.Write("<rect x=\"{:.1f}\" y=\"{:.1f}\" width=\"64\" height=\"18\" rx=\"6\" class=\"car\"/>\n", cx - 40.0, cy + 6.0);
		a_page.Write("<circle cx=\"{:.1f}\" cy=\"{:.1f}\" r=\"4\" fill=\"#222\"/>\n", cx, cy);
		a_page.WriteText(cx - 95.0, a_top + 282.0, "", fmt::format("Up {}\u00B0", GetValueLabel(a_profile.fPlayerFirstPersonCameraPanoramicAngleUp)));
		a_page.WriteText(cx - 95.0, a_top + 299.0, "", fmt::format("Down {}\u00B0", GetValueLabel(a_profile.fPlayerFirstPersonCameraPanoramicAngleDown)));
	}

	// The driver's head translation limits: X across and Y along the car
	// from above, Z up beside them, all at one scale around the seat (0).
	void DrawHeadBox(Page& a_page, const Profile& a_profile, double a_top)
	{
		const auto& p = a_profile;
		const double cx = 590.0;
		const double cy = a_top + 160.0;
		const double zx = 715.0;
		double extent = 1.0;
		for (const float value : { p.fPlayerFirstPersonCameraOffsetMinX, p.fPlayerFirstPersonCameraOffsetMaxX, p.fPlayerFirstPersonCameraOffsetMinY,
				 p.fPlayerFirstPersonCameraOffsetMaxY, p.fPlayerFirstPersonCameraOffsetMinZ, p.fPlayerFirstPersonCameraOffsetMaxZ }) {
			extent = std::max(extent, std::abs(static_cast<double>(value)));
		}
		const double scale = 80.0 / extent;
		const auto box = [&](float a_minX, float a_maxX, float a_minY, float a_maxY, std::string_view a_class) {
			const double left = cx + scale * std::min<double>(a_minX, a_maxX);
			const double right = cx + scale * std::max<double>(a_minX, a_maxX);
			const double top = cy - scale * std::max<double>(a_minY, a_maxY);
			const double bottom = cy - scale * std::min<double>(a_minY, a_maxY);
			a_page.Write("<rect x=\"{:.2f}\" y=\"{:.2f}\" width=\"{:.2f}\" height=\"{:.2f}\" class=\"{}\"/>\n", left, top, right - left, bottom - top, a_class);
		};

		a_page.WriteText(cx - 90.0, a_top + 58.0, "", "Head translation");
		a_page.Write("<line x1=\"{:.1f}\" y1=\"{:.1f}\" x2=\"{:.1f}\" y2=\"{:.1f}\" class=\"axis\"/>\n", cx - 85.0, cy, cx + 85.0, cy);
		a_page.Write("<line x1=\"{:.1f}\" y1=\"{:.1f}\" x2=\"{:.1f}\" y2=\"{:.1f}\" class=\"axis\"/>\n", cx, cy - 85.0, cx, cy + 85.0);
		a_page.Write("<line x1=\"{:.1f}\" y1=\"{:.1f}\" x2=\"{:.1f}\" y2=\"{:.1f}\" class=\"axis\"/>\n", zx, cy - 85.0, zx, cy + 85.0);
		box(p.fPlayerFirstPersonCameraOffsetMinX, p.fPlayerFirstPersonCameraOffsetMaxX, p.fPlayerFirstPersonCameraOffsetMinY, p.fPlayerFirstPersonCameraOffsetMaxY, "head");
		if (p.bRearView) {
			box(0.0f, p.fPlayerFirstPersonCameraOffsetMaxX, p.fPlayerFirstPersonCameraOffsetMinY, 0.0f, "rear");
		}
		const double zTop = cy - scale * std::max<double>(p.fPlayerFirstPersonCameraOffsetMinZ, p.fPlayerFirstPersonCameraOffsetMaxZ);
		const double zBottom = cy - scale * std::min<double>(p.fPlayerFirstPersonCameraOffsetMinZ, p.fPlayerFirstPersonCameraOffsetMaxZ);
		a_page.Write("<rect x=\"{:.1f}\" y=\"{:.2f}\" width=\"10\" height=\"{:.2f}\" class=\"head\"/>\n", zx - 5.0, zTop, zBottom - zTop);
		a_page.Write("<circle cx=\"{:.1f}\" cy=\"{:.1f}\" r=\"3\" fill=\"#222\"/>\n", cx, cy);
		a_page.WriteText(cx + 4.0, cy - 88.0, "", "+Y");
		a_page.WriteText(cx + 88.0, cy + 4.0, "", "+X");
		a_page.WriteText(zx + 4.0, cy - 88.0, "", "+Z");

		a_page.WriteText(cx - 90.0, a_top + 265.0, "", fmt::format("X: min {}, max {}", GetValueLabel(p.fPlayerFirstPersonCameraOffsetMinX), GetValueLabel(p.fPlayerFirstPersonCameraOffsetMaxX)));
		a_page.WriteText(cx - 90.0, a_top + 282.0, "", fmt::format("Y: min {}, max {}", GetValueLabel(p.fPlayerFirstPersonCameraOffsetMinY), GetValueLabel(p.fPlayerFirstPersonCameraOffsetMaxY)));
		a_page.WriteText(cx - 90.0, a_top + 299.0, "", fmt::format("Z: min {}, max {}", GetValueLabel(p.fPlayerFirstPersonCameraOffsetMinZ), GetValueLabel(p.fPlayerFirstPersonCameraOffsetMaxZ)));
	}

	void DrawPanel(Page& a_page, const SvgProfile& a_entry, double a_top)
	{
		const bool view = a_entry.sViewLabel.has_value();
		if (view) {
			a_page.Write("<g transform=\"translate({:.1f} 0)\">\n", ViewIndent);
		} else {
			a_page.Write("<g>\n");
		}
		a_page.Write("<rect x=\"{:.1f}\" y=\"{:.1f}\" width=\"{:.1f}\" height=\"{:.1f}\" rx=\"8\" class=\"{}\"/>\n", Margin, a_top, PanelWidth,
			PanelHeight, view ? "panel view" : "panel");
		if (!a_entry.pProfile) {
			a_page.WriteText(24.0, a_top + 28.0, "title", fmt::format("(no profile) from {}", a_entry.sSource));
			a_page.Write("</g>\n");
			return;
		}
		const auto& profile = *a_entry.pProfile;
		const auto title = view ? fmt::format("[{0} #{1}] from {2}, a view of [{0}]", profile.sProfileName, *a_entry.sViewLabel, a_entry.sSource) : fmt::format("[{}] from {}", profile.sProfileName, a_entry.sSource);
		a_page.WriteText(24.0, a_top + 28.0, "title", title);
		if (profile.bRearView) {
			a_page.WriteText(24.0, a_top + 322.0, "rear",
				fmt::format("Rear view: while {} is held the camera can turn all the way back (yaw limit -180), head X min and Y max are 0",
					DescribeHotkey(profile.iRearViewHotkey)));
		} else {
			a_page.WriteText(24.0, a_top + 322.0, "", "Rear view off");
		}
		DrawYaw(a_page, profile, a_top);
		DrawPitch(a_page, profile, a_top);
		DrawHeadBox(a_page, profile, a_top);
		a_page.Write("</g>\n");
	}
}

std::string DrawProfilesSvg(std::span<const SvgProfile> a_profiles)
{
	const bool views = std::any_of(a_profiles.begin(), a_profiles.end(), [](const SvgProfile& a_entry) { return a_entry.sViewLabel.has_value(); });
	const double width = PanelWidth + 2.0 * Margin + (views ? ViewIndent : 0.0);
	const double height = a_profiles.empty() ? 60.0 : Margin + static_cast<double>(a_profiles.size()) * (PanelHeight + PanelGap);
	Page page;
	page.Write("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n");
	page.Write("<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"{0:.0f}\" height=\"{1:.0f}\" viewBox=\"0 0 {0:.0f} {1:.0f}\">\n", width,
		height);
	page.Write("<title>Tarmacor profiles</title>\n<style type=\"text/css\">{}</style>\n", Style);
	page.Write("<rect width=\"100%\" height=\"100%\" fill=\"#ffffff\"/>\n");
	if (a_profiles.empty()) {
		page.WriteText(Margin + 14.0, 36.0, "title", "No profiles");
	}
	double top = Margin;
	for (const auto& entry : a_profiles) {
		DrawPanel(page, entry, top);
		top += PanelHeight + PanelGap;
	}
	page.Write("</svg>\n");
	return std::move(page.sText);
}

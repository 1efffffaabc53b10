#include <cstddef>
#include <algorithm>
#include <limits>
#include <regex>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "KeyNames.h"
#include "ProfileSvg.h"
#include "Settings/ValueText.h"

namespace
{
	// Every '&' starts one of the five entities or a character reference.
	bool HasOnlyReferences(std::string_view a_text)
	{
		static const std::regex reference("&(lt|gt|amp|quot|apos|#[0-9]+|#x[0-9A-Fa-f]+);");
		const std::string text(a_text);
		return std::regex_replace(text, reference, "").find('&') == std::string::npos;
	}

	// Enough of XML's well-formedness for this page: one root, tags that
	// nest and close, double-quoted attributes, and no raw '<' or '&' in text
	// or attribute values. Empty when it holds, else the first bad piece.
	std::string FindMalformation(std::string_view a_xml)
	{
		static const std::regex tag(R"(^(/?)([A-Za-z][\w:.-]*)((\s+[\w:.-]+="[^"<]*")*)\s*(/?)$)");
		if (a_xml.starts_with("<?xml")) {
			a_xml.remove_prefix(std::min(a_xml.size(), a_xml.find("?>") + 2));
		}
		std::vector<std::string> open;
		int roots = 0;
		for (std::size_t pos = 0; pos < a_xml.size();) {
			const std::size_t lt = std::min(a_xml.find('<', pos), a_xml.size());
			const auto text = a_xml.substr(pos, lt - pos);
			if (!HasOnlyReferences(text) || (open.empty() && text.find_first_not_of(" \n") != std::string_view::npos)) {
				return "text: " + std::string(text);
			}
			if (lt == a_xml.size()) {
				break;
			}
			const std::size_t gt = std::min(a_xml.find('>', lt), a_xml.size());
			const std::string inside(a_xml.substr(lt + 1, gt - lt - 1));
			std::smatch parts;
			if (gt == a_xml.size() || !std::regex_match(inside, parts, tag) || !HasOnlyReferences(parts[3].str()) ||
				(parts[1].length() > 0 && (parts[5].length() > 0 || open.empty() || open.back() != parts[2].str()))) {
				return "tag: <" + inside + ">";
			}
			if (parts[1].length() > 0) {
				open.pop_back();
			} else if (open.empty() && ++roots > 1) {
				return "second root " + inside;
			} else if (parts[5].length() == 0) {
				open.push_back(parts[2].str());
			}
			pos = gt + 1;
		}
		return open.empty() && roots == 1 ? "" : "unclosed or missing root";
	}

	Profile MakeProfile(std::string_view a_name, bool a_rearView)
	{
		Profile profile;
		profile.sProfileName = a_name;
		profile.bRearView = a_rearView;
		FillValueTexts(profile);
		return profile;
	}

	TEST(ProfileSvg, TheCheckSpotsBrokenMarkup)
	{
		for (const char* xml : { "<a><b></a></b>", "<a x=1/>", "<a x=\"<\"/>", "<a>1 < 2</a>", "<a>&b</a>", "<a/><b/>", "<a>", "<>" }) {
			EXPECT_NE(FindMalformation(xml), "") << xml;
		}
		EXPECT_EQ(FindMalformation("<?xml version=\"1.0\"?>\n<a k=\"v &amp; w\"><b/>x &lt; y</a>\n"), "");
	}

	TEST(ProfileSvg, APanelCarriesTheProfilesNameAndNumbers)
	{
		const Profile profile = MakeProfile("Rover <\"Mk II\"> & 'co' \xC3\xA9\xFF", true);
		const SvgProfile entries[] = { { &profile, "Tarmacor.ini" } };
		const std::string page = DrawProfilesSvg(entries);
		EXPECT_EQ(FindMalformation(page), "");
		EXPECT_TRUE(page.starts_with("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\""));
		for (const char* expected : { "Rover &lt;&quot;Mk II&quot;&gt; &amp; &apos;co&apos; \xC3\xA9\xEF\xBF\xBD", "Tarmacor.ini", "viewBox=",
				 "Look around \xC2\xB1"
				 "90\xC2\xB0",
				 "Aiming \xC2\xB1"
				 "100\xC2\xB0",
				 "Up 90\xC2\xB0", "Down 70\xC2\xB0", "X: min -0.58, max 0",
				 "Y: min 0, max -2", "Z: min 0, max 0.55" }) {
			EXPECT_NE(page.find(expected), std::string::npos) << expected;
		}
		EXPECT_EQ(page.find("\xC3\xA9\xFF"), std::string::npos);
		EXPECT_EQ(page.find("<script"), std::string::npos);
		EXPECT_EQ(page.find("href"), std::string::npos);
	}

	TEST(ProfileSvg, TheRearViewsReachShowsOnlyWhenItIsOn)
	{
		for (const bool rearView : { true, false }) {
			Profile profile = MakeProfile("Default", rearView);
			profile.iRearViewHotkey = 0xA1;
			const SvgProfile entries[] = { { &profile, "TarmacorCustom.ini" } };
			const std::string page = DrawProfilesSvg(entries);
			EXPECT_EQ(FindMalformation(page), "");
			EXPECT_EQ(page.find("class=\"rear\"") != std::string::npos, rearView);
			EXPECT_EQ(page.find(DescribeHotkey(0xA1)) != std::string::npos, rearView);
		}
	}

	TEST(ProfileSvg, ExtremeValuesStillDrawOnePanelEach)
	{
		Profile wild = MakeProfile("Wild", true);
		wild.fPlayerFirstPersonCameraOffsetMaxZ = std::numeric_limits<float>::max();
		wild.fPlayerFirstPersonCameraOffsetMinX = -std::numeric_limits<float>::max();
		wild.fPlayerFirstPersonCameraPanoramicAngleLeftRight = 400.0f;
		wild.fPlayerFirstPersonCameraPanoramicAngleLeftRightAimMode = -30.0f;
		wild.fPlayerFirstPersonCameraPanoramicAngleUp = 180.0f;
		wild.fPlayerFirstPersonCameraPanoramicAngleDown = 180.0f;
		const Profile plain = MakeProfile("Plain", false);
		const SvgProfile entries[] = { { &wild, "Tarmacor.ini" }, { &plain, "Tarmacor.ini" } };
		const std::string page = DrawProfilesSvg(entries);
		EXPECT_EQ(FindMalformation(page), "");
		EXPECT_EQ(page.find("nan"), std::string::npos);
		EXPECT_EQ(page.find("inf"), std::string::npos);
		std::size_t panels = 0;
		for (std::size_t at = page.find("class=\"panel\""); at != std::string::npos; at = page.find("class=\"panel\"", at + 1)) {
			++panels;
		}
		EXPECT_EQ(panels, 2u);
	}

	// A view's panel follows its profile's, set in, titled with the section's
	// name (the label escaped) and drawn from the values the view makes.
	TEST(ProfileSvg, AViewIsDrawnUnderItsProfileSetIn)
	{
		const Profile profile = MakeProfile("REV-8", false);
		Profile viewed = profile;
		viewed.fPlayerFirstPersonCameraPanoramicAngleLeftRight = 150.0f;
		const SvgProfile entries[] = { { &profile, "TarmacorCustom.ini" }, { &viewed, "Tarmacor.ini", "far <&>" } };
		const std::string page = DrawProfilesSvg(entries);
		EXPECT_EQ(FindMalformation(page), "");
		const auto profileTitle = page.find(">[REV-8] from TarmacorCustom.ini<");
		const auto viewPanel = page.find("<g transform=\"translate(30.0 0)\">\n<rect x=\"10.0\" y=\"354.0\"");
		const auto viewTitle = page.find(">[REV-8 #far &lt;&amp;&gt;] from Tarmacor.ini, a view of [REV-8]<");
		EXPECT_LT(profileTitle, viewPanel);
		EXPECT_LT(viewPanel, viewTitle);
		EXPECT_NE(viewTitle, std::string::npos);
		EXPECT_NE(page.find("Look around \u00B1150\u00B0", viewTitle), std::string::npos);
		EXPECT_NE(page.find("width=\"790\""), std::string::npos);
	}

	TEST(ProfileSvg, AnEmptyListIsStillAPage)
	{
		const std::string page = DrawProfilesSvg({});
		EXPECT_EQ(FindMalformation(page), "");
		EXPECT_NE(page.find("<svg xmlns=\"http://www.w3.org/2000/svg\""), std::string::npos);
	}
}

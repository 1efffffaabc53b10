#pragma once
// Texts from the INI files (profile names, labels, file names) in the
// checker's XML: markup escaped, valid UTF-8 kept. No Windows calls.
#include <string>
#include <string_view>

// a_text as XML character data or an attribute value: the five markup
// characters as entities, valid UTF-8 of characters XML may hold kept,
// every other byte replaced by U+FFFD.
std::string EscapeXml(std::string_view a_text);

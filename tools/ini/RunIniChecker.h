#pragma once
// The checker's command line, apart from the process: the tests drive it
// with arguments and streams of their own.
#include <ostream>
#include <span>
#include <string>

// A line to a_err comes before anything written to a_out or after all of
// it: a caller may hold both back and write them out in that order.
// Exit status: 0 nothing to warn about, 1 warnings, 2 the files (or the SVG
// file) could not be read or written, or the command line is wrong.
int RunIniChecker(std::span<const std::string> a_arguments, std::ostream& a_out, std::ostream& a_err);

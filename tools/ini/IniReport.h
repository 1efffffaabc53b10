#pragma once
// The checker's report for a player: the files, the global settings and what
// they mean, every profile with each value and where it comes from, then the
// warnings, one line each.
#include <ostream>

#include "IniCheck.h"

void PrintIniReport(const IniCheck& a_check, std::ostream& a_out);

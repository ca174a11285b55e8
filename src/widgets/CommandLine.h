#pragma once
// A command line as the system reads it: the program in its first word (quoted when it holds
// spaces), then the arguments.

#include <functional>
#include <string>

struct TCommandLine {
    std::string Program;
    std::string Arguments;
};

// An unquoted program may hold spaces: as the system does, the shortest run of words that names
// a file (isFile, with or without ".exe") is the program; failing that, the first word.
TCommandLine SplitCommandLine(const std::string& line, const std::function<bool(const std::string&)>& isFile);

// The program quoted when it holds a space or a tab, then the arguments, if any.
std::string JoinCommandLine(const std::string& program, const std::string& arguments);

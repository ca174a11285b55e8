#include "widgets/CommandLine.h"

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string ArgumentsFrom(const std::string& line, std::size_t at)
{
    while (at < line.size() && IsBlank(line[at])) ++at;
    return at < line.size() ? line.substr(at) : std::string();
}

}  // namespace

TCommandLine SplitCommandLine(const std::string& line, const std::function<bool(const std::string&)>& isFile)
{
    std::size_t start = 0;
    while (start < line.size() && IsBlank(line[start])) ++start;
    if (start < line.size() && line[start] == '"') {
        std::size_t close = line.find('"', start + 1);
        if (close == std::string::npos) return {line.substr(start + 1), {}};
        return {line.substr(start + 1, close - start - 1), ArgumentsFrom(line, close + 1)};
    }
    std::size_t firstEnd = std::string::npos;
    for (std::size_t i = start; i <= line.size(); ++i) {
        if (i < line.size() && !IsBlank(line[i])) continue;
        if (i == start || IsBlank(line[i - 1])) continue;
        if (firstEnd == std::string::npos) firstEnd = i;
        std::string words = line.substr(start, i - start);
        if (isFile && (isFile(words) || isFile(words + ".exe"))) return {words, ArgumentsFrom(line, i)};
    }
    if (firstEnd == std::string::npos) return {};
    return {line.substr(start, firstEnd - start), ArgumentsFrom(line, firstEnd)};
}

std::string JoinCommandLine(const std::string& program, const std::string& arguments)
{
    std::string line = program.find_first_of(" \t") != std::string::npos ? '"' + program + '"' : program;
    if (!arguments.empty()) line += ' ' + arguments;
    return line;
}

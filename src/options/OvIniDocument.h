#pragma once
// The text of a structured INI file: sections named by paths ("\Options"), "name=value" lines.
// Lines it does not understand are kept as they are, so rewriting the file loses nothing.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class TOvIniDocument {
public:
    void Parse(std::string_view text);
    // Lines end in CR LF.
    std::string Text() const;

    // Section paths and value names compare without regard to ASCII case.
    bool HasSection(std::string_view section) const;
    void AddSection(std::string_view section);
    std::optional<std::string> Value(std::string_view section, std::string_view name) const;
    // Adds the section and the value when they are missing.
    void SetValue(std::string_view section, std::string_view name, std::string_view value);

    // A name or value that would not read back as written: line breaks, or a name with "=",
    // leading or trailing blanks, or a leading "[" or ";".
    static bool IsWritable(std::string_view name, std::string_view value);
    // A section path without line breaks or "]".
    static bool IsWritableSection(std::string_view section);

private:
    struct TLine {
        std::string Name;  // empty for a line kept as it is
        std::string Text;  // the value, or the whole line
    };
    struct TSection {
        std::string Path;  // empty for the lines before the first header
        bool HasHeader = true;
        std::vector<TLine> Lines;
    };

    TSection* Find(std::string_view section);
    const TSection* Find(std::string_view section) const;

    std::vector<TSection> sections_;
};

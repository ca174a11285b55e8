#pragma once
// Options kept in memory, by main key and section: the back end of the native tests, and of
// anything that wants options without touching the registry.

#include "options/OvOpts.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

class TMemoryStore {
public:
    struct TValue {
        std::string Text;
        bool IsString = true;  // false stands for a registry value of a non-string type
    };
    using TSection = std::map<std::string, TValue>;

    // (IniName, IniSection) -> values; a section exists only once something was written to it.
    std::map<std::pair<std::string, std::string>, TSection> Sections;
    // Every open, in order, as the store asked for it.
    std::vector<TOvOpenRequest> Opens;
    // Value names in the order in which they were written.
    std::vector<std::string> Writes;
    // A write of this value name fails with "Failed to set data for '%s'".
    std::string FailingWrite;

    TOvBackEndFactory Factory();

    // The stored text, or nullptr.
    const TValue* Find(const std::string& iniName, const std::string& section, const std::string& name) const;
    void Put(const std::string& iniName, const std::string& section, const std::string& name, TValue value);
};

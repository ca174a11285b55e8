#pragma once
// A small structured INI file: sections named by paths whose parts are separated by "\".
// It is read when created and rewritten whole after every change.

#include "options/OvIniDocument.h"

#include <cstdint>
#include <string>

class TOvIniFile {
public:
    explicit TOvIniFile(std::string fileName);
    TOvIniFile(const TOvIniFile&) = delete;
    TOvIniFile& operator=(const TOvIniFile&) = delete;

    static constexpr char PathDelimiter = '\\';

    const std::string& FileName() const { return fileName_; }

    // With create, a missing section is added and the file rewritten ("Unable to write to %s").
    bool OpenSection(const std::string& section, bool create);
    std::string ReadString(const std::string& section, const std::string& name, const std::string& defaultValue) const;
    std::int32_t ReadInteger(const std::string& section, const std::string& name, std::int32_t defaultValue) const;
    // "Unable to write to %s" when the file cannot be written or the text would not read back.
    void WriteString(const std::string& section, const std::string& name, const std::string& value);
    void WriteInteger(const std::string& section, const std::string& name, std::int32_t value);

private:
    void Flush();

    std::string fileName_;
    TOvIniDocument document_;
    bool unreadable_ = false;  // it exists but could not be read: never overwrite it
};

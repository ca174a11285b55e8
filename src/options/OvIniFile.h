#pragma once
// A small structured INI file: sections named by paths whose parts are separated by "\".
// It is read when created and rewritten whole after every change, by the rules of the data files.

#include "base/FileBackup.h"
#include "base/Stream.h"
#include "options/OvIniDocument.h"

#include <cstdint>
#include <string>

class TOvIniFile {
public:
    // files: the program's whole-file reader and writer; it must outlive this object.
    TOvIniFile(std::string fileName, TFileAccess& files);
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
    TFileAccess& files_;
    TOvIniDocument document_;
    // A file that exists but could not be read is never written over; one whose text we would
    // not write back as it is gets a backup first.
    TFileBackup backup_;
};

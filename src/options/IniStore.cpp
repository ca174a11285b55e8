#include "options/IniStore.h"

#include "base/WinFileAccess.h"
#include "options/OvIniFile.h"

#include <windows.h>

namespace {

class TIniBackEnd : public TOvBackEnd {
public:
    TIniBackEnd(std::string fileName, std::string section) : fileName_(std::move(fileName)), section_(std::move(section))
    {
    }

    std::string ReadString(const std::string& name, const std::string& defaultValue) override
    {
        char buffer[1024];
        DWORD length = GetPrivateProfileStringA(section_.c_str(), name.c_str(), defaultValue.c_str(), buffer,
                                                sizeof buffer, fileName_.c_str());
        return std::string(buffer, length);
    }

    void WriteString(const std::string& name, const std::string& value) override
    {
        if (!WritePrivateProfileStringA(section_.c_str(), name.c_str(), value.c_str(), fileName_.c_str()))
            throw EOvOptionsError(FormatOvMessage(SUnableToWrite, fileName_));
    }

private:
    std::string fileName_;
    std::string section_;
};

class TOvIniBackEnd : public TOvBackEnd {
public:
    TOvIniBackEnd(TOvIniFile* storage, const std::string& iniName, const std::string& section)
        : owned_(storage ? nullptr : std::make_unique<TOvIniFile>(iniName, files_)),
          file_(storage ? *storage : *owned_),
          section_(TOvIniFile::PathDelimiter + section)
    {
    }

    void OpenForSave() { file_.OpenSection(section_, true); }

    std::string ReadString(const std::string& name, const std::string& defaultValue) override
    {
        return file_.ReadString(section_, name, defaultValue);
    }

    void WriteString(const std::string& name, const std::string& value) override
    {
        file_.WriteString(section_, name, value);
    }

private:
    TWinFileAccess files_;
    std::unique_ptr<TOvIniFile> owned_;
    TOvIniFile& file_;
    std::string section_;
};

}  // namespace

std::unique_ptr<TOvBackEnd> OpenIniBackEnd(const std::string& fileName, const std::string& section)
{
    return std::make_unique<TIniBackEnd>(fileName, section);
}

std::unique_ptr<TOvBackEnd> OpenOvIniBackEnd(TOvIniFile* storage, const std::string& iniName,
                                             const std::string& section, bool forSave)
{
    auto backEnd = std::make_unique<TOvIniBackEnd>(storage, iniName, section);
    if (forSave) backEnd->OpenForSave();
    return backEnd;
}

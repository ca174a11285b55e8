#include "options/OvIniFile.h"

#include "options/OvOpts.h"

namespace {

TBytes BytesOf(const std::string& text)
{
    return TBytes(text.begin(), text.end());
}

}  // namespace

TOvIniFile::TOvIniFile(std::string fileName, TFileAccess& files) : fileName_(std::move(fileName)), files_(files)
{
    TBytes bytes;
    if (files_.ReadWholeFile(fileName_, bytes)) document_.Parse(std::string(bytes.begin(), bytes.end()));
    backup_.Loaded(JudgeLoad(fileName_, files_, false, [this] { return BytesOf(document_.Text()); }));
}

bool TOvIniFile::OpenSection(const std::string& section, bool create)
{
    if (document_.HasSection(section)) return true;
    if (!create) return false;
    if (!TOvIniDocument::IsWritableSection(section)) throw EOvOptionsError(FormatOvMessage(SUnableToWrite, fileName_));
    document_.AddSection(section);
    Flush();
    return true;
}

std::string TOvIniFile::ReadString(const std::string& section, const std::string& name,
                                   const std::string& defaultValue) const
{
    return document_.Value(section, name).value_or(defaultValue);
}

std::int32_t TOvIniFile::ReadInteger(const std::string& section, const std::string& name,
                                     std::int32_t defaultValue) const
{
    return OvTextToInt(ReadString(section, name, std::string()), defaultValue);
}

void TOvIniFile::WriteString(const std::string& section, const std::string& name, const std::string& value)
{
    if (!TOvIniDocument::IsWritableSection(section) || !TOvIniDocument::IsWritable(name, value))
        throw EOvOptionsError(FormatOvMessage(SUnableToWrite, fileName_));
    document_.SetValue(section, name, value);
    Flush();
}

void TOvIniFile::WriteInteger(const std::string& section, const std::string& name, std::int32_t value)
{
    WriteString(section, name, std::to_string(value));
}

void TOvIniFile::Flush()
{
    const TBytes bytes = BytesOf(document_.Text());
    // The store's own message says which file; it is raised at every failure, as the store does.
    if (!backup_.Save(fileName_, files_, [&] { return files_.ReplaceWholeFile(fileName_, bytes); }).Saved)
        throw EOvOptionsError(FormatOvMessage(SUnableToWrite, fileName_));
}

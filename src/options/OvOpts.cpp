#include "options/OvOpts.h"

#include <algorithm>
#include <cstdint>
#include <limits>

std::string FormatOvMessage(const char* format, std::string_view arg)
{
    std::string text = format;
    auto at = text.find("%s");
    if (at != std::string::npos) text.replace(at, 2, arg);
    return text;
}

namespace {

int HexDigit(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool ParseHex(std::string_view digits, std::int32_t& value)
{
    if (digits.empty()) return false;
    std::uint64_t v = 0;
    for (char c : digits) {
        int d = HexDigit(c);
        if (d < 0) return false;
        v = v * 16 + static_cast<unsigned>(d);
        if (v > 0xFFFFFFFFu) return false;
    }
    value = static_cast<std::int32_t>(static_cast<std::uint32_t>(v));
    return true;
}

bool ParseDecimal(std::string_view text, std::int32_t& value)
{
    bool negative = false;
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) return false;
    const std::int64_t limit = negative ? -static_cast<std::int64_t>(std::numeric_limits<std::int32_t>::min())
                                        : std::numeric_limits<std::int32_t>::max();
    std::int64_t v = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        v = v * 10 + (c - '0');
        if (v > limit) return false;
    }
    value = static_cast<std::int32_t>(negative ? -v : v);
    return true;
}

}  // namespace

bool ParseOvInteger(std::string_view text, std::int32_t& value)
{
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
        return ParseHex(text.substr(2), value);
    if (!text.empty() && text[0] == '$') return ParseHex(text.substr(1), value);
    return ParseDecimal(text, value);
}

std::int32_t OvTextToInt(std::string_view text, std::int32_t defaultValue)
{
    std::int32_t value;
    return ParseOvInteger(text, value) ? value : defaultValue;
}

bool OvNameLess(std::string_view a, std::string_view b)
{
    std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        unsigned ca = static_cast<unsigned char>(a[i]) & ~0x20u;
        unsigned cb = static_cast<unsigned char>(b[i]) & ~0x20u;
        if (ca != cb) return ca < cb;
    }
    return a.size() < b.size();
}

std::int32_t TOvBackEnd::ReadInteger(const std::string& name, std::int32_t defaultValue)
{
    return OvTextToInt(ReadString(name, std::string()), defaultValue);
}

void TOvBackEnd::WriteInteger(const std::string& name, std::int32_t value)
{
    WriteString(name, std::to_string(value));
}

void TOvPropertyTable::Integer(std::string name, std::int32_t& field)
{
    TOvProperty p;
    p.Name = std::move(name);
    p.Kind = pkInteger;
    p.GetOrdinal = [&field] { return field; };
    p.SetOrdinal = [&field](std::int32_t v) { field = v; };
    items_.push_back(std::move(p));
}

void TOvPropertyTable::Boolean(std::string name, TOvBool& field)
{
    Boolean(std::move(name), field, [&field](TOvBool v) { field = v; });
}

void TOvPropertyTable::Boolean(std::string name, const TOvBool& field, std::function<void(TOvBool)> setter)
{
    TOvProperty p;
    p.Name = std::move(name);
    p.Kind = pkEnumeration;
    p.GetOrdinal = [&field] { return static_cast<std::int32_t>(field.Byte()); };
    p.SetOrdinal = [setter = std::move(setter)](std::int32_t v) {
        setter(TOvBool::FromByte(static_cast<std::uint8_t>(v)));
    };
    items_.push_back(std::move(p));
}

void TOvPropertyTable::String(std::string name, std::string& field)
{
    TOvProperty p;
    p.Name = std::move(name);
    p.Kind = pkString;
    p.GetString = [&field] { return field; };
    p.SetString = [&field](const std::string& v) { field = v; };
    items_.push_back(std::move(p));
}

void TOvPropertyTable::Other(std::string name)
{
    TOvProperty p;
    p.Name = std::move(name);
    p.Kind = pkOther;
    items_.push_back(std::move(p));
}

void TOvComponent::DeclareProperties(TOvPropertyTable& table)
{
    table.String("Name", Name);
    table.Integer("Tag", Tag);
}

TOvOptions::TOvOptions(TOvBackEndFactory backEnds) : backEnds_(std::move(backEnds)) {}

TOvOptions::~TOvOptions()
{
    CloseQuietly();
}

void TOvOptions::SetAutoSave(TOvBool value)
{
    autoSave_ = value;
}

void TOvOptions::DeclareProperties(TOvPropertyTable& table)
{
    TOvComponent::DeclareProperties(table);
    table.Boolean("AutoSave", autoSave_, [this](TOvBool v) { SetAutoSave(v); });
    table.String("IniName", IniName);
    table.String("IniSection", IniSection);
    table.Enumeration("StorageType", StorageType);
    table.Other("Storage");
}

std::vector<TOvProperty> TOvOptions::PersistentProperties()
{
    TOvPropertyTable table;
    DeclareProperties(table);
    std::vector<TOvProperty> result;
    for (const auto& p : table.Items())
        if (p.Kind != pkOther) result.push_back(p);
    std::stable_sort(result.begin(), result.end(),
                     [](const TOvProperty& a, const TOvProperty& b) { return OvNameLess(a.Name, b.Name); });
    return result;
}

std::unique_ptr<TOvBackEnd> TOvOptions::Open(bool forSave)
{
    if (!backEnds_) throw EOvOptionsError("No options store");
    TOvOpenRequest request;
    request.StorageType = StorageType;
    request.IniName = IniName;
    request.Section = IniSection;
    request.Storage = Storage;
    request.ForSave = forSave;
    auto backEnd = backEnds_(request);
    if (!backEnd) throw EOvOptionsError("No options store");
    return backEnd;
}

void TOvOptions::Load()
{
    // Opened before the walk, so the stored IniName, IniSection and StorageType apply only later.
    auto backEnd = Open(false);
    for (const auto& p : PersistentProperties()) {
        switch (p.Kind) {
        case pkInteger:
            p.SetOrdinal(backEnd->ReadInteger(p.Name, p.GetOrdinal()));
            break;
        case pkEnumeration:
            p.SetOrdinal(backEnd->ReadInteger(p.Name, p.GetOrdinal()) & 0xFF);
            break;
        case pkString:
            p.SetString(backEnd->ReadString(p.Name, p.GetString()));
            break;
        case pkOther:
            break;
        }
    }
}

void TOvOptions::Save()
{
    auto backEnd = Open(true);
    for (const auto& p : PersistentProperties()) {
        switch (p.Kind) {
        case pkInteger:
        case pkEnumeration:
            backEnd->WriteInteger(p.Name, p.GetOrdinal());
            break;
        case pkString:
            backEnd->WriteString(p.Name, p.GetString());
            break;
        case pkOther:
            break;
        }
    }
}

void TOvOptions::Close()
{
    if (closed_) return;
    closed_ = true;
    if (autoSave_) Save();
}

void TOvOptions::CloseQuietly() noexcept
{
    try {
        Close();
    } catch (...) {
        // Nothing may leave a destructor; an owner that wants to see the error calls Close.
    }
}

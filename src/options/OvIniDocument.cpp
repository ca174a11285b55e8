#include "options/OvIniDocument.h"

namespace {

bool SameText(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char ca = a[i], cb = b[i];
        if (ca >= 'a' && ca <= 'z') ca = char(ca - 'a' + 'A');
        if (cb >= 'a' && cb <= 'z') cb = char(cb - 'a' + 'A');
        if (ca != cb) return false;
    }
    return true;
}

std::string_view Trim(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

}  // namespace

void TOvIniDocument::Parse(std::string_view text)
{
    sections_.clear();
    sections_.push_back({std::string(), false, {}});
    while (!text.empty()) {
        auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);

        std::string_view trimmed = Trim(line);
        if (trimmed.size() >= 2 && trimmed.front() == '[' && trimmed.back() == ']') {
            sections_.push_back({std::string(trimmed.substr(1, trimmed.size() - 2)), true, {}});
            continue;
        }
        auto eq = line.find('=');
        std::string_view name = eq == std::string_view::npos ? std::string_view() : Trim(line.substr(0, eq));
        if (name.empty() || trimmed.front() == ';')
            sections_.back().Lines.push_back({std::string(), std::string(line)});
        else
            sections_.back().Lines.push_back({std::string(name), std::string(line.substr(eq + 1))});
    }
}

std::string TOvIniDocument::Text() const
{
    std::string text;
    for (const auto& section : sections_) {
        if (section.HasHeader) text += "[" + section.Path + "]\r\n";
        for (const auto& line : section.Lines)
            text += (line.Name.empty() ? line.Text : line.Name + "=" + line.Text) + "\r\n";
    }
    return text;
}

TOvIniDocument::TSection* TOvIniDocument::Find(std::string_view section)
{
    for (auto& s : sections_)
        if (s.HasHeader && SameText(s.Path, section)) return &s;
    return nullptr;
}

const TOvIniDocument::TSection* TOvIniDocument::Find(std::string_view section) const
{
    return const_cast<TOvIniDocument*>(this)->Find(section);
}

bool TOvIniDocument::HasSection(std::string_view section) const
{
    return Find(section) != nullptr;
}

void TOvIniDocument::AddSection(std::string_view section)
{
    if (!Find(section)) sections_.push_back({std::string(section), true, {}});
}

std::optional<std::string> TOvIniDocument::Value(std::string_view section, std::string_view name) const
{
    if (const auto* s = Find(section))
        for (const auto& line : s->Lines)
            if (!line.Name.empty() && SameText(line.Name, name)) return line.Text;
    return std::nullopt;
}

void TOvIniDocument::SetValue(std::string_view section, std::string_view name, std::string_view value)
{
    AddSection(section);
    auto* s = Find(section);
    for (auto& line : s->Lines)
        if (!line.Name.empty() && SameText(line.Name, name)) {
            line.Text = value;
            return;
        }
    s->Lines.push_back({std::string(name), std::string(value)});
}

bool TOvIniDocument::IsWritable(std::string_view name, std::string_view value)
{
    auto breaks = [](std::string_view s) { return s.find_first_of("\r\n") != std::string_view::npos; };
    if (name.empty() || breaks(name) || breaks(value)) return false;
    if (name.find('=') != std::string_view::npos || Trim(name) != name) return false;
    return name.front() != '[' && name.front() != ';';
}

bool TOvIniDocument::IsWritableSection(std::string_view section)
{
    return section.find_first_of("\r\n]") == std::string_view::npos;
}

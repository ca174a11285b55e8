#include "clock/ZonePick.h"

namespace {

bool IsWordByte(char c)
{
    auto u = static_cast<unsigned char>(c);
    return (u >= '0' && u <= '9') || (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || u > 127;
}

char Lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool StartsAt(const std::string& row, std::size_t at, const std::string& typed)
{
    if (row.size() - at < typed.size()) return false;
    for (std::size_t i = 0; i < typed.size(); ++i)
        if (Lower(row[at + i]) != Lower(typed[i])) return false;
    return true;
}

}  // namespace

int LastMatchingZone(const TOvList<TTimeZoneInfo>& zones, const TTimeZoneBlock& zone)
{
    int found = -1;
    for (int i = 0; i < zones.Count(); ++i)
        if (zones.Items(i)->TZI.SameBytes(zone)) found = i;
    return found;
}

int FaceZone(const TOvList<TTimeZoneInfo>& zones, const std::string& keyName, int index, const TTimeZoneBlock& zone)
{
    if (!keyName.empty())
        for (int i = 0; i < zones.Count(); ++i)
            if (zones.Items(i)->KeyName == keyName) return i;
    if (index >= 0 && index < zones.Count()) return index;
    return LastMatchingZone(zones, zone);
}

std::string AliasFromPick(const std::string& aliasText)
{
    // Older systems name zones "(GMT...", current ones "(UTC...".
    if (aliasText.rfind("(GMT", 0) != 0 && aliasText.rfind("(UTC", 0) != 0) return aliasText;
    std::size_t close = aliasText.find(')');
    return close == std::string::npos ? std::string() : aliasText.substr(0, close + 1);
}

bool RowHasWordStarting(const std::string& row, const std::string& typed)
{
    if (typed.empty()) return false;
    for (std::size_t at = 0; at < row.size(); ++at) {
        const bool wordStart = IsWordByte(row[at]) && (at == 0 || !IsWordByte(row[at - 1]));
        if (wordStart && StartsAt(row, at, typed)) return true;
    }
    return false;
}

int TZoneTypeSearch::Type(char key, std::uint32_t time, const std::vector<std::string>& rows, int current)
{
    const bool fresh = typed_.empty() || time - last_ >= PauseMs;
    if (fresh) typed_.clear();
    typed_ += key;
    last_ = time;
    const int count = static_cast<int>(rows.size());
    if (count == 0) return -1;
    const int from = current < 0 ? 0 : (fresh ? current + 1 : current);
    for (int step = 0; step < count; ++step) {
        const int row = (from + step) % count;
        if (RowHasWordStarting(rows[static_cast<std::size_t>(row)], typed_)) return row;
    }
    return -1;
}

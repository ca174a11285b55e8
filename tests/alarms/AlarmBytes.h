#pragma once
// Hand-built alarm file bytes, written field by field independently of the codec.

#include "base/Stream.h"

#include <cstdint>
#include <string>

class TAlarmBytes {
public:
    TAlarmBytes& I32(std::int32_t v)
    {
        auto u = static_cast<std::uint32_t>(v);
        for (int i = 0; i < 4; ++i) bytes_.push_back(static_cast<std::uint8_t>(u >> (8 * i)));
        return *this;
    }
    TAlarmBytes& U8(std::uint8_t v)
    {
        bytes_.push_back(v);
        return *this;
    }
    TAlarmBytes& U16(std::uint16_t v)
    {
        bytes_.push_back(static_cast<std::uint8_t>(v));
        bytes_.push_back(static_cast<std::uint8_t>(v >> 8));
        return *this;
    }
    TAlarmBytes& Str(const std::string& s)
    {
        I32(static_cast<std::int32_t>(s.size()));
        bytes_.insert(bytes_.end(), s.begin(), s.end());
        return *this;
    }
    // Fields 1-8: version, the three flags, the time words in memory order and the three strings.
    TAlarmBytes& Head(std::int32_t version, std::uint8_t enabled = 1)
    {
        I32(version).U8(enabled).U8(0).U8(1);
        for (std::uint16_t w : {2026, 12, 2, 8, 7, 30, 15, 250}) U16(w);
        return Str("Tea").Str("(Default)").Str("Brew");
    }
    // Fields 9-15.
    TAlarmBytes& V1Fields(std::uint8_t cronFlag, const std::string& startFolder = "C:\\")
    {
        return U8(cronFlag).Str("0 12 * * *").U8(1).U8(1).U8(1).Str("notepad.exe").Str(startFolder);
    }
    // A whole version-3 record.
    TAlarmBytes& V3Record() { return Head(3).V1Fields(0).U8(2).U8(1); }

    const TBytes& Bytes() const { return bytes_; }
    std::size_t Size() const { return bytes_.size(); }

private:
    TBytes bytes_;
};

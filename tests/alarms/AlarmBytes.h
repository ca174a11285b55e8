#pragma once
// Hand-built alarm file bytes, written field by field independently of the codec.

#include "../support/DataBytes.h"

#include <cstdint>
#include <string>

class TAlarmBytes : public TFieldBytes<TAlarmBytes> {
public:
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
};

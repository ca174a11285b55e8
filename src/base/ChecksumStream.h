#pragma once
// A stream that passes reads and writes through and keeps the CRC-32 (IEEE, reflected) of every
// byte that went by, so that a file's trailer can vouch for the very bytes before it.

#include "base/Stream.h"

class TChecksumStream : public TStream {
public:
    explicit TChecksumStream(TStream& inner) : inner_(inner) {}

    bool Read(void* buffer, std::size_t count) override
    {
        bool ok = inner_.Read(buffer, count);
        if (ok) Add(buffer, count);
        return ok;
    }
    bool Write(const void* buffer, std::size_t count) override
    {
        bool ok = inner_.Write(buffer, count);
        if (ok) Add(buffer, count);
        return ok;
    }
    std::size_t Remaining() const override { return inner_.Remaining(); }
    // Only a failing read skips, and after it the sum no longer matters.
    void Skip(std::size_t count) override { inner_.Skip(count); }

    std::uint32_t Sum() const { return ~crc_; }
    TStream& Inner() { return inner_; }

private:
    struct TTable {
        std::uint32_t Entries[256];
        constexpr TTable() : Entries()
        {
            for (std::uint32_t n = 0; n < 256; ++n) {
                std::uint32_t c = n;
                for (int bit = 0; bit < 8; ++bit) c = (c >> 1) ^ (0xEDB88320u & (0u - (c & 1u)));
                Entries[n] = c;
            }
        }
    };

    void Add(const void* buffer, std::size_t count)
    {
        static constexpr TTable table;
        const auto* p = static_cast<const std::uint8_t*>(buffer);
        for (std::size_t i = 0; i < count; ++i) crc_ = table.Entries[(crc_ ^ p[i]) & 0xFFu] ^ (crc_ >> 8);
    }

    TStream& inner_;
    std::uint32_t crc_ = 0xFFFFFFFFu;
};

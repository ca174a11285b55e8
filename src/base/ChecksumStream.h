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
    void Add(const void* buffer, std::size_t count)
    {
        const auto* p = static_cast<const std::uint8_t*>(buffer);
        for (std::size_t i = 0; i < count; ++i) {
            crc_ ^= p[i];
            for (int bit = 0; bit < 8; ++bit) crc_ = (crc_ >> 1) ^ (0xEDB88320u & (0u - (crc_ & 1u)));
        }
    }

    TStream& inner_;
    std::uint32_t crc_ = 0xFFFFFFFFu;
};

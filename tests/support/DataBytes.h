#pragma once
// Data-file bytes written field by field, independently of the program's codecs: numbers
// little-endian, a string as its 32-bit length and then its characters.

#include "base/Stream.h"

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>

// Self is the builder that adds the fields of one file's records, so that calls chain.
template <class Self>
class TFieldBytes {
public:
    Self& I32(std::int32_t v)
    {
        auto u = static_cast<std::uint32_t>(v);
        for (int i = 0; i < 4; ++i) bytes_.push_back(static_cast<std::uint8_t>(u >> (8 * i)));
        return self();
    }
    Self& U16(std::uint16_t v)
    {
        bytes_.push_back(static_cast<std::uint8_t>(v));
        bytes_.push_back(static_cast<std::uint8_t>(v >> 8));
        return self();
    }
    Self& U8(std::uint8_t v)
    {
        bytes_.push_back(v);
        return self();
    }
    Self& Str(const std::string& s)
    {
        I32(static_cast<std::int32_t>(s.size()));
        return Raw(s);
    }
    // The characters alone, as a tag is stored.
    Self& Raw(const std::string& s)
    {
        bytes_.insert(bytes_.end(), s.begin(), s.end());
        return self();
    }
    const TBytes& Bytes() const { return bytes_; }
    std::size_t Size() const { return bytes_.size(); }

private:
    Self& self() { return static_cast<Self&>(*this); }
    TBytes bytes_;
};

class TDataBytes : public TFieldBytes<TDataBytes> {};

// The bytes of a file; none if it cannot be read.
inline TBytes ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return TBytes(std::istreambuf_iterator<char>(in), {});
}

inline bool WriteBytes(const std::string& path, const TBytes& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out.flush());
}

#include "base/Stream.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <new>

bool ReadUInt8(TStream& stream, std::uint8_t& value)
{
    return stream.Read(&value, 1);
}

bool ReadUInt16(TStream& stream, std::uint16_t& value)
{
    std::uint8_t b[2];
    if (!stream.Read(b, sizeof b)) return false;
    value = static_cast<std::uint16_t>(b[0] | b[1] << 8);
    return true;
}

bool ReadInt32(TStream& stream, std::int32_t& value)
{
    std::uint8_t b[4];
    if (!stream.Read(b, sizeof b)) return false;
    value = static_cast<std::int32_t>(std::uint32_t{b[0]} | std::uint32_t{b[1]} << 8 |
                                      std::uint32_t{b[2]} << 16 | std::uint32_t{b[3]} << 24);
    return true;
}

bool WriteUInt8(TStream& stream, std::uint8_t value)
{
    return stream.Write(&value, 1);
}

bool WriteUInt16(TStream& stream, std::uint16_t value)
{
    const std::uint8_t b[2] = {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8)};
    return stream.Write(b, sizeof b);
}

bool WriteInt32(TStream& stream, std::int32_t value)
{
    auto u = static_cast<std::uint32_t>(value);
    const std::uint8_t b[4] = {static_cast<std::uint8_t>(u), static_cast<std::uint8_t>(u >> 8),
                               static_cast<std::uint8_t>(u >> 16), static_cast<std::uint8_t>(u >> 24)};
    return stream.Write(b, sizeof b);
}

bool ReadInt64(TStream& stream, std::int64_t& value)
{
    std::int32_t low, high;
    if (!ReadInt32(stream, low) || !ReadInt32(stream, high)) return false;
    value = static_cast<std::int64_t>(static_cast<std::uint64_t>(static_cast<std::uint32_t>(high)) << 32 |
                                      static_cast<std::uint32_t>(low));
    return true;
}

bool WriteInt64(TStream& stream, std::int64_t value)
{
    const auto u = static_cast<std::uint64_t>(value);
    return WriteInt32(stream, static_cast<std::int32_t>(static_cast<std::uint32_t>(u))) &&
           WriteInt32(stream, static_cast<std::int32_t>(static_cast<std::uint32_t>(u >> 32)));
}

bool TMemoryStream::Read(void* buffer, std::size_t count)
{
    std::size_t n = std::min(count, Remaining());
    if (n > 0) std::memcpy(buffer, bytes_.data() + position_, n);
    position_ += n;
    return n == count;
}

bool TMemoryStream::Write(const void* buffer, std::size_t count)
{
    if (count == 0) return true;
    if (count > bytes_.max_size() - position_) return false;
    try {
        if (position_ + count > bytes_.size()) bytes_.resize(position_ + count);
    } catch (const std::bad_alloc&) {
        return false;
    }
    std::memcpy(bytes_.data() + position_, buffer, count);
    position_ += count;
    return true;
}

void TMemoryStream::Skip(std::size_t count)
{
    position_ += std::min(count, Remaining());
}

bool WriteStreamString(TStream& stream, const std::string& text)
{
    if (text.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) return false;
    return WriteInt32(stream, static_cast<std::int32_t>(text.size())) &&
           stream.Write(text.data(), text.size());
}

bool ReadStreamString(TStream& stream, std::string& text)
{
    std::int32_t length;
    if (!ReadInt32(stream, length)) return false;
    if (length < 0) return false;
    auto size = static_cast<std::size_t>(length);
    if (size > stream.Remaining()) {
        // The file ends inside the text: what is left of it is gone, as with any short read.
        stream.Skip(size);
        return false;
    }
    std::string read;
    try {
        read.resize(size);
    } catch (const std::bad_alloc&) {
        stream.Skip(size);
        return false;
    }
    if (!stream.Read(read.data(), size)) return false;
    text = std::move(read);
    return true;
}

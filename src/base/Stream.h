#pragma once
// Byte streams for the data files. Every operation reports success instead of raising, because
// the files' readers and writers fail silently and keep what they have.

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

using TBytes = std::vector<std::uint8_t>;

class TStream {
public:
    virtual ~TStream() = default;

    // Reads exactly count bytes. With fewer left it takes what is left and fails, as a file that
    // ends early does.
    virtual bool Read(void* buffer, std::size_t count) = 0;
    virtual bool Write(const void* buffer, std::size_t count) = 0;
    // Bytes left to read: a reader bounds a length by it before it allocates.
    virtual std::size_t Remaining() const = 0;
    // Moves past count bytes, or to the end when fewer are left.
    virtual void Skip(std::size_t count) = 0;
};

// Little-endian integers, whatever the host.
bool ReadUInt8(TStream& stream, std::uint8_t& value);
bool ReadUInt16(TStream& stream, std::uint16_t& value);
bool ReadInt32(TStream& stream, std::int32_t& value);
bool WriteUInt8(TStream& stream, std::uint8_t value);
bool WriteUInt16(TStream& stream, std::uint16_t value);
bool WriteInt32(TStream& stream, std::int32_t value);
bool ReadInt64(TStream& stream, std::int64_t& value);
bool WriteInt64(TStream& stream, std::int64_t value);

// The length-prefixed string of the data files. The reader leaves the string unchanged when the
// length or the bytes can't be read, and never allocates more than the bytes left.
bool WriteStreamString(TStream& stream, const std::string& text);
bool ReadStreamString(TStream& stream, std::string& text);

class TMemoryStream : public TStream {
public:
    TMemoryStream() = default;
    explicit TMemoryStream(TBytes bytes) : bytes_(std::move(bytes)) {}

    bool Read(void* buffer, std::size_t count) override;
    // Overwrites from the position on and grows the stream as needed.
    bool Write(const void* buffer, std::size_t count) override;
    std::size_t Remaining() const override { return bytes_.size() - position_; }
    void Skip(std::size_t count) override;

    std::size_t Position() const { return position_; }
    const TBytes& Bytes() const { return bytes_; }

private:
    TBytes bytes_;
    std::size_t position_ = 0;
};

// Why a file operation failed.
enum class TFileFault {
    None,
    Missing,   // no such file: nothing to lose
    Locked,    // another process holds it
    ReadOnly,  // read-only, and the attribute can't be cleared
    Other,
};

// Whole files on disk, as the data files are read and written.
class TFileAccess {
public:
    virtual ~TFileAccess() = default;

    // The file's bytes, read while others may read but not write it. On failure: false, with the
    // bytes read before it (none when the file can't be opened).
    virtual bool ReadWholeFile(const std::string& path, TBytes& contents) = 0;
    // Replaces the file with the bytes, all or nothing: on failure the old file stays whole and
    // nothing else is left behind. A read-only old file is replaced too.
    virtual bool ReplaceWholeFile(const std::string& path, const TBytes& contents) = 0;

    // Why the last read or replace failed, and the system's words for it; None after a success.
    TFileFault LastFault() const { return fault_; }
    const std::string& LastReason() const { return reason_; }

protected:
    bool Succeeded()
    {
        fault_ = TFileFault::None;
        reason_.clear();
        return true;
    }
    bool Failed(TFileFault fault, std::string reason)
    {
        fault_ = fault;
        reason_ = std::move(reason);
        return false;
    }

private:
    TFileFault fault_ = TFileFault::None;
    std::string reason_;
};

#pragma once
// The options store: an object that saves and restores its persistent properties, each under its
// own name, in a back end chosen by its StorageType. The back ends themselves are supplied by the
// program through a factory, so that this file knows no platform.

#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

class TOvIniFile;  // the structured INI file of eosOvIni; lives with the Win32 back ends

// Raised by the back ends; the message is shown to the user as it is.
class EOvOptionsError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The program's messages; "%s" stands for the key, value or file name.
inline constexpr const char* SInvalidDataType = "Invalid data type for '%s'";
inline constexpr const char* SFailedCreateKey = "Failed to create key %s";
inline constexpr const char* SFailedSetData = "Failed to set data for '%s'";
inline constexpr const char* SUnableToWrite = "Unable to write to %s";

std::string FormatOvMessage(const char* format, std::string_view arg);

// A boolean as the store keeps it: one byte. Any non-zero byte is true, and the byte that was
// read is written back unchanged ("2" stays "2").
class TOvBool {
public:
    constexpr TOvBool(bool value = false) : byte_(value ? 1 : 0) {}
    static constexpr TOvBool FromByte(std::uint8_t byte)
    {
        TOvBool b;
        b.byte_ = byte;
        return b;
    }
    constexpr operator bool() const { return byte_ != 0; }
    constexpr std::uint8_t Byte() const { return byte_; }

private:
    std::uint8_t byte_;
};

// Stored as its ordinal; a stored value outside 0-2 is kept as read.
enum TOvStorageType : std::uint8_t { eosRegistry = 0, eosIni = 1, eosOvIni = 2 };

// Number texts: "0x"/"0X" followed by something, or a leading "$", is hexadecimal (up to 8 digits,
// taken as 32-bit two's complement); otherwise an optional sign and decimal digits within the
// 32-bit range. Nothing else is a number: no spaces, no empty text.
bool ParseOvInteger(std::string_view text, std::int32_t& value);
std::int32_t OvTextToInt(std::string_view text, std::int32_t defaultValue);

// Names compared with bit 5 of every character cleared; a prefix sorts before the longer name.
bool OvNameLess(std::string_view a, std::string_view b);

// One opened section of a back end.
class TOvBackEnd {
public:
    virtual ~TOvBackEnd() = default;

    // The default when the section or the value does not exist. May raise EOvOptionsError.
    virtual std::string ReadString(const std::string& name, const std::string& defaultValue) = 0;
    // Creates the section when it is missing. May raise EOvOptionsError.
    virtual void WriteString(const std::string& name, const std::string& value) = 0;

    // The number-text rules above; anything that is no number gives the default.
    std::int32_t ReadInteger(const std::string& name, std::int32_t defaultValue);
    // Plain signed decimal.
    void WriteInteger(const std::string& name, std::int32_t value);
};

struct TOvOpenRequest {
    TOvStorageType StorageType = eosRegistry;
    std::string IniName;
    std::string Section;  // IniSection as it is
    TOvIniFile* Storage = nullptr;
    bool ForSave = false;
};

// Opens the back end that the request names, or raises EOvOptionsError.
using TOvBackEndFactory = std::function<std::unique_ptr<TOvBackEnd>(const TOvOpenRequest&)>;

enum TOvPropKind { pkInteger, pkEnumeration, pkString, pkOther };

struct TOvProperty {
    std::string Name;
    TOvPropKind Kind = pkOther;
    // pkInteger: the whole value; pkEnumeration: the ordinal (a byte).
    std::function<std::int32_t()> GetOrdinal;
    std::function<void(std::int32_t)> SetOrdinal;
    std::function<std::string()> GetString;
    std::function<void(const std::string&)> SetString;
};

// Every class of the chain adds its properties here, through a field or a setter.
class TOvPropertyTable {
public:
    void Integer(std::string name, std::int32_t& field);
    void Boolean(std::string name, TOvBool& field);
    void Boolean(std::string name, const TOvBool& field, std::function<void(TOvBool)> setter);
    void String(std::string name, std::string& field);

    template <class E>
    void Enumeration(std::string name, E& field)
    {
        Enumeration<E>(std::move(name), field, [&field](E value) { field = value; });
    }

    template <class E>
    void Enumeration(std::string name, const E& field, std::type_identity_t<std::function<void(E)>> setter)
    {
        static_assert(std::is_same_v<std::underlying_type_t<E>, std::uint8_t>,
                      "an enumeration is stored as a byte");
        TOvProperty p;
        p.Name = std::move(name);
        p.Kind = pkEnumeration;
        p.GetOrdinal = [&field] { return static_cast<std::int32_t>(field); };
        p.SetOrdinal = [setter = std::move(setter)](std::int32_t v) {
            setter(static_cast<E>(static_cast<std::uint8_t>(v)));
        };
        items_.push_back(std::move(p));
    }

    // Declared but neither read nor written (object references, events and the like).
    void Other(std::string name);

    void Add(TOvProperty property) { items_.push_back(std::move(property)); }
    const std::vector<TOvProperty>& Items() const { return items_; }

private:
    std::vector<TOvProperty> items_;
};

// The component level: Name and Tag, persisted with everything derived from it.
class TOvComponent {
public:
    TOvComponent() = default;
    TOvComponent(const TOvComponent&) = delete;
    TOvComponent& operator=(const TOvComponent&) = delete;
    virtual ~TOvComponent() = default;

    std::string Name;
    std::int32_t Tag = 0;

protected:
    // Each class calls its base first, then adds its own.
    virtual void DeclareProperties(TOvPropertyTable& table);
};

class TOvOptions : public TOvComponent {
public:
    explicit TOvOptions(TOvBackEndFactory backEnds);
    // Saves when AutoSave is on and Close has not run; a failure here is swallowed, because
    // nothing may leave a destructor. Call Close first to see it. A derived class must call
    // CloseQuietly in its own destructor: by the time this one runs its properties are gone.
    ~TOvOptions() override;

    std::string IniName;
    std::string IniSection = "Options";
    TOvStorageType StorageType = eosRegistry;
    TOvIniFile* Storage = nullptr;  // not owned, not persisted

    bool AutoSave() const { return autoSave_; }
    virtual void SetAutoSave(TOvBool value);

    // Reads every persistent property in name order, the current value serving as default, and
    // assigns it through its setter or field. The back end is opened once, with the values the
    // object had before the load; values loaded for IniName, IniSection, StorageType and
    // AutoSave take effect for what follows. On an error the load stops there: the properties
    // before it are assigned, the later ones keep their values, and the error passes on.
    virtual void Load();
    // Writes every persistent property in name order; stops at the first error, which passes on.
    virtual void Save();

    // The exit step: saves when AutoSave is on (errors pass on); the destructor then saves no more.
    void Close();

    // The persistent properties of the whole chain in walk order.
    std::vector<TOvProperty> PersistentProperties();

protected:
    void DeclareProperties(TOvPropertyTable& table) override;
    void CloseQuietly() noexcept;

private:
    std::unique_ptr<TOvBackEnd> Open(bool forSave);

    TOvBackEndFactory backEnds_;
    TOvBool autoSave_;
    bool closed_ = false;
};

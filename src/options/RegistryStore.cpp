#include "options/RegistryStore.h"

#include "base/RegKey.h"

namespace {

std::string FromRoot(const std::string& path)
{
    return !path.empty() && path[0] == '\\' ? path.substr(1) : path;
}

class TRegistryBackEnd : public TOvBackEnd {
public:
    TRegistryBackEnd(HKEY root, const std::string& iniName, std::string section)
        : root_(root), section_(std::move(section))
    {
        // A main key that cannot be had is a missing one: reads give their defaults and the
        // first write reports it.
        mainKey_ = TRegKey::Create(root_, FromRoot(iniName), KEY_ALL_ACCESS);
    }

    std::string ReadString(const std::string& name, const std::string& defaultValue) override
    {
        TRegKey key = OpenSection(KEY_ALL_ACCESS);
        if (!key) key = OpenSection(KEY_READ);
        TRegKey::TValueInfo info;
        if (!key || !key.QueryInfo(name, info)) return defaultValue;
        if (info.Size == 0) return std::string();
        if (info.Type != REG_SZ && info.Type != REG_EXPAND_SZ)
            throw EOvOptionsError(FormatOvMessage(SInvalidDataType, name));
        std::string data;
        if (!key.ReadData(name, data)) return defaultValue;
        return data.substr(0, data.find('\0'));
    }

    void WriteString(const std::string& name, const std::string& value) override
    {
        HKEY parent = Parent();
        TRegKey key;
        if (parent) {
            key = TRegKey::Create(parent, Path(), KEY_ALL_ACCESS);
            // Refused full access: it exists, and read-only is the best there is; the write says so.
            if (!key) key = TRegKey::Open(parent, Path(), KEY_READ);
        }
        if (!key) throw EOvOptionsError(FormatOvMessage(SFailedCreateKey, section_));
        if (key.WriteString(name, value) != ERROR_SUCCESS)
            throw EOvOptionsError(FormatOvMessage(SFailedSetData, name));
    }

private:
    bool FromRootKey() const { return !section_.empty() && section_[0] == '\\'; }
    HKEY Parent() const { return FromRootKey() ? root_ : mainKey_.Handle(); }
    std::string Path() const { return FromRoot(section_); }

    TRegKey OpenSection(REGSAM access) const
    {
        HKEY parent = Parent();
        return parent ? TRegKey::Open(parent, Path(), access) : TRegKey();
    }

    HKEY root_;
    std::string section_;
    TRegKey mainKey_;
};

}  // namespace

std::unique_ptr<TOvBackEnd> OpenRegistryBackEnd(HKEY root, const std::string& iniName, const std::string& section)
{
    return std::make_unique<TRegistryBackEnd>(root, iniName, section);
}

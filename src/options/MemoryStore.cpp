#include "options/MemoryStore.h"

namespace {

class TMemoryBackEnd : public TOvBackEnd {
public:
    TMemoryBackEnd(TMemoryStore& store, std::string iniName, std::string section)
        : store_(store), iniName_(std::move(iniName)), section_(std::move(section))
    {
    }

    std::string ReadString(const std::string& name, const std::string& defaultValue) override
    {
        const auto* value = store_.Find(iniName_, section_, name);
        if (!value) return defaultValue;
        if (!value->IsString && !value->Text.empty())
            throw EOvOptionsError(FormatOvMessage(SInvalidDataType, name));
        return value->Text;
    }

    void WriteString(const std::string& name, const std::string& value) override
    {
        if (name == store_.FailingWrite) throw EOvOptionsError(FormatOvMessage(SFailedSetData, name));
        store_.Put(iniName_, section_, name, {value, true});
        store_.Writes.push_back(name);
    }

private:
    TMemoryStore& store_;
    std::string iniName_;
    std::string section_;
};

}  // namespace

TOvBackEndFactory TMemoryStore::Factory()
{
    return [this](const TOvOpenRequest& request) -> std::unique_ptr<TOvBackEnd> {
        Opens.push_back(request);
        return std::make_unique<TMemoryBackEnd>(*this, request.IniName, request.Section);
    };
}

const TMemoryStore::TValue* TMemoryStore::Find(const std::string& iniName, const std::string& section,
                                               const std::string& name) const
{
    auto s = Sections.find({iniName, section});
    if (s == Sections.end()) return nullptr;
    auto v = s->second.find(name);
    return v == s->second.end() ? nullptr : &v->second;
}

void TMemoryStore::Put(const std::string& iniName, const std::string& section, const std::string& name,
                       TValue value)
{
    Sections[{iniName, section}][name] = std::move(value);
}

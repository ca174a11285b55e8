#include "options/OptionsStore.h"

#include "options/IniStore.h"
#include "options/RegistryStore.h"

TOvBackEndFactory WinOptionsBackEnds(HKEY root)
{
    return [root](const TOvOpenRequest& request) -> std::unique_ptr<TOvBackEnd> {
        switch (request.StorageType) {
        case eosRegistry:
            return OpenRegistryBackEnd(root, request.IniName, request.Section);
        case eosIni:
            return OpenIniBackEnd(request.IniName, request.Section);
        case eosOvIni:
            return OpenOvIniBackEnd(request.Storage, request.IniName, request.Section, request.ForSave);
        }
        throw EOvOptionsError("Invalid storage type " + std::to_string(int(request.StorageType)));
    };
}

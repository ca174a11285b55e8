#include "widgets/Menu.h"

#include "widgets/Application.h"

TMenuItem::TMenuItem(std::string name, std::string caption, std::string shortCut, int tag)
    : Tag(tag), name_(std::move(name)), caption_(std::move(caption)), shortCut_(std::move(shortCut))
{
}

TMenuItem& TMenuItem::Add(std::string name, std::string caption, std::string shortCut, int tag)
{
    items_.push_back(std::make_unique<TMenuItem>(std::move(name), std::move(caption), std::move(shortCut), tag));
    return *items_.back();
}

TMenuItem& TMenuItem::AddSeparator()
{
    return Add("-", "");
}

TMenuItem* TMenuItem::Find(const std::string& name)
{
    if (name_ == name) return this;
    for (auto& item : items_)
        if (TMenuItem* found = item->Find(name)) return found;
    return nullptr;
}

TMenuItem* TMenuItem::FindById(UINT id)
{
    if (id_ == id && id != 0) return this;
    for (auto& item : items_)
        if (TMenuItem* found = item->FindById(id)) return found;
    return nullptr;
}

void TMenuItem::Click()
{
    if (enabled_ && OnClick) OnClick(*this);
}

void TMenuItem::SetEnabled(bool enabled)
{
    enabled_ = enabled;
    UpdateState();
}

void TMenuItem::SetDefault(bool isDefault)
{
    default_ = isDefault;
    UpdateState();
}

void TMenuItem::UpdateState()
{
    if (!parentMenu_) return;
    EnableMenuItem(parentMenu_, id_, MF_BYCOMMAND | (enabled_ ? MF_ENABLED : MF_GRAYED));
    MENUITEMINFOA mii{sizeof(mii)};
    mii.fMask = MIIM_STATE;
    GetMenuItemInfoA(parentMenu_, id_, FALSE, &mii);
    mii.fState = (mii.fState & ~MFS_DEFAULT) | (default_ ? MFS_DEFAULT : 0);
    SetMenuItemInfoA(parentMenu_, id_, FALSE, &mii);
}

void TMenuItem::Build(HMENU parent, UINT& nextId)
{
    parentMenu_ = parent;
    id_ = nextId++;
    if (IsSeparator()) {
        AppendMenuA(parent, MF_SEPARATOR, id_, nullptr);
        return;
    }
    std::string text = caption_;
    if (!shortCut_.empty()) text += "\t" + shortCut_;
    if (!items_.empty()) {
        subMenu_ = CreatePopupMenu();
        for (auto& item : items_) item->Build(subMenu_, nextId);
        MENUITEMINFOA mii{sizeof(mii)};
        mii.fMask = MIIM_ID | MIIM_STRING | MIIM_SUBMENU;
        mii.wID = id_;
        mii.hSubMenu = subMenu_;
        mii.dwTypeData = text.data();
        // From here the parent menu destroys the submenu with itself.
        InsertMenuItemA(parent, static_cast<UINT>(GetMenuItemCount(parent)), TRUE, &mii);
    } else {
        AppendMenuA(parent, MF_STRING, id_, text.c_str());
    }
    UpdateState();
}

TPopupMenu::TPopupMenu() : root_("", "") {}

void TPopupMenu::Build()
{
    handle_.Reset(CreatePopupMenu());
    root_.subMenu_ = handle_.Get();
    UINT nextId = 1;
    for (auto& item : root_.items_) item->Build(handle_.Get(), nextId);
}

void TPopupMenu::Popup(int x, int y, HWND owner)
{
    if (TMenuItem* item = Track(x, y, owner)) Application.Guard([&] { item->Click(); });
}

TMenuItem* TPopupMenu::Track(int x, int y, HWND owner)
{
    if (OnPopup) OnPopup(*this);
    // A menu takes the keys only while its owner is the foreground window; a window just shown
    // from the tray may not be yet when the user right-clicks it.
    if (owner && GetForegroundWindow() != owner) SetForegroundWindow(owner);
    UINT id = static_cast<UINT>(TrackPopupMenu(Handle(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN, x, y, 0,
                                               owner, nullptr));
    return id == 0 ? nullptr : root_.FindById(id);
}

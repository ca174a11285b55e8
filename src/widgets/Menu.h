#pragma once
// Popup menus built from a tree of items. Each item keeps its own HMENU entry up to date, so
// what the user sees is what the item says.

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "base/Handles.h"

class TMenuItem {
public:
    // A separator has an empty caption and "-" as name.
    TMenuItem(std::string name, std::string caption, std::string shortCut = {}, int tag = 0);

    const std::string& Name() const { return name_; }
    const std::string& Caption() const { return caption_; }
    const std::string& ShortCut() const { return shortCut_; }
    int Tag = 0;
    bool IsSeparator() const { return name_ == "-"; }

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    bool Default() const { return default_; }
    void SetDefault(bool isDefault);

    std::function<void(TMenuItem&)> OnClick;
    void Click();

    TMenuItem& Add(std::string name, std::string caption, std::string shortCut = {}, int tag = 0);
    TMenuItem& AddSeparator();
    const std::vector<std::unique_ptr<TMenuItem>>& Items() const { return items_; }
    // Depth-first search by name.
    TMenuItem* Find(const std::string& name);

    // The submenu of an item with children (or of the root).
    HMENU SubMenu() const { return subMenu_; }
    UINT Id() const { return id_; }
    TMenuItem* FindById(UINT id);

private:
    friend class TPopupMenu;
    void Build(HMENU parent, UINT& nextId);
    void UpdateState();

    std::string name_;
    std::string caption_;
    std::string shortCut_;
    bool enabled_ = true;
    bool default_ = false;
    std::vector<std::unique_ptr<TMenuItem>> items_;
    HMENU subMenu_ = nullptr;  // owned by the menu above it, or by TPopupMenu
    HMENU parentMenu_ = nullptr;
    UINT id_ = 0;
};

class TPopupMenu {
public:
    TPopupMenu();

    TMenuItem& Items() { return root_; }
    TMenuItem* Find(const std::string& name) { return root_.Find(name); }

    // Builds the menu's handles once the tree is complete.
    void Build();
    HMENU Handle() const { return root_.SubMenu(); }

    // Tracks the menu at a screen point for an owner window; the chosen item's OnClick runs.
    void Popup(int x, int y, HWND owner);
    // Opens the menu and returns the item the user chose (nullptr when none), without running it.
    TMenuItem* Track(int x, int y, HWND owner);
    std::function<void(TPopupMenu&)> OnPopup;

private:
    TMenuItem root_;
    TMenuHandle handle_;
};

#include "options/Opts.h"

namespace {

// Stores the byte as given (so that it is saved back as read) and tells whether the window must
// change: a byte that differs but means the same truth, such as 2 after 1, changes nothing on screen.
bool Store(TOvBool& field, TOvBool value)
{
    if (field.Byte() == value.Byte()) return false;
    bool changed = bool(field) != bool(value);
    field = value;
    return changed;
}

}  // namespace

TClockOptions::TClockOptions(TOvBackEndFactory backEnds, TClockOptionsTarget* target)
    : TOvOptions(std::move(backEnds)), target_(target)
{
    StorageType = eosRegistry;
    IniName = "SOFTWARE\\Doviz\\Clock";
}

TClockOptions::~TClockOptions()
{
    CloseQuietly();
}

void TClockOptions::DeclareProperties(TOvPropertyTable& table)
{
    TOvOptions::DeclareProperties(table);
    table.Boolean("OnTop", onTop_, [this](TOvBool v) { SetOnTop(v); });
    table.Boolean("ShowDate", showDate_, [this](TOvBool v) { SetShowDate(v); });
    table.Boolean("ShowHint", showHint_, [this](TOvBool v) { SetShowHint(v); });
    table.Boolean("ShowCaption", showCaption_, [this](TOvBool v) { SetShowCaption(v); });
    table.Boolean("VertLayout", vertLayout_, [this](TOvBool v) { SetVertLayout(v); });
    table.Boolean("DayTime", dayTime_, [this](TOvBool v) { SetDayTime(v); });
    table.Boolean("ShowSecs", showSecs_, [this](TOvBool v) { SetShowSecs(v); });
    table.Boolean("ShowTZSecs", showTZSecs_, [this](TOvBool v) { SetShowTZSecs(v); });
    table.Boolean("ShowTrayIcon", showTrayIcon_, [this](TOvBool v) { SetShowTrayIcon(v); });
    table.Boolean("StartWithWindows", startWithWindows_, [this](TOvBool v) { SetStartWithWindows(v); });
    table.Boolean("ZoneDST", zoneDST_, [this](TOvBool v) { SetZoneDST(v); });
    table.Boolean("AutoSaveData", AutoSaveData);
    table.Boolean("RepeatSound", RepeatSound);
    table.Boolean("WakeForAlarms", WakeForAlarms);
    table.Enumeration("DblClickAction", dblClickAction_, [this](TDblClickAction v) { SetDblClickAction(v); });
}

TLayoutOptions TClockOptions::Layout() const
{
    TLayoutOptions layout;
    layout.Vertical = vertLayout_;
    layout.ShowCaption = showCaption_;
    layout.ShowDate = showDate_;
    layout.ShowLabels = showHint_;
    return layout;
}

void TClockOptions::SetOnTop(TOvBool value)
{
    if (Store(onTop_, value) && target_) target_->SetTopMost(value);
}

void TClockOptions::StoreLayout(TOvBool& field, TOvBool value)
{
    if (Store(field, value) && target_) target_->ApplyLayout(Layout());
}

void TClockOptions::SetShowDate(TOvBool value)
{
    StoreLayout(showDate_, value);
}

void TClockOptions::SetShowHint(TOvBool value)
{
    StoreLayout(showHint_, value);
}

void TClockOptions::SetShowCaption(TOvBool value)
{
    StoreLayout(showCaption_, value);
}

void TClockOptions::SetVertLayout(TOvBool value)
{
    StoreLayout(vertLayout_, value);
}

void TClockOptions::SetDayTime(TOvBool value)
{
    if (Store(dayTime_, value) && target_) target_->SetDaylightAdjust(value);
}

void TClockOptions::SetShowSecs(TOvBool value)
{
    if (Store(showSecs_, value) && target_) target_->SetLocalSeconds(value);
}

void TClockOptions::SetShowTZSecs(TOvBool value)
{
    if (Store(showTZSecs_, value) && target_) target_->SetZoneSeconds(value);
}

void TClockOptions::SetShowTrayIcon(TOvBool value)
{
    if (Store(showTrayIcon_, value) && target_) target_->SetTrayIconAlways(value);
}

void TClockOptions::SetStartWithWindows(TOvBool value)
{
    if (Store(startWithWindows_, value) && target_) target_->SetStartWithWindows(value);
}

void TClockOptions::SetZoneDST(TOvBool value)
{
    if (Store(zoneDST_, value) && target_) target_->SetZoneDaylight(value);
}

void TClockOptions::SetDblClickAction(TDblClickAction value)
{
    dblClickAction_ = value;
    // Outside 0-6 the earlier binding stays.
    if (IsBindable(value) && target_) target_->BindDblClick(value);
}

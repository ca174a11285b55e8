#pragma once
// Date and time fields over the date-time picker. Both hold a whole date-time; the date field
// shows and changes the date, the time field the time of day. Disabled, the picker takes its
// parent's colour by itself, as edits do.

#include "widgets/Controls.h"

class TDateTimeField : public TControl {
public:
    SYSTEMTIME Value() const;
    void SetValue(const SYSTEMTIME& value);

    std::function<void(TDateTimeField&)> OnChange;
    LRESULT Notify(NMHDR* hdr) override;

protected:
    TDateTimeField(TForm& parent, const TControlSpec& place, DWORD style, HWND parentHandle);
};

// Short date with a drop-down calendar; the date is picked there, not typed.
class TDateField : public TDateTimeField {
public:
    TDateField(TForm& parent, const TControlSpec& place, HWND parentHandle = nullptr);

    // Sets the date and keeps the time of day.
    void SetDate(const SYSTEMTIME& date);
    // The hint over the calendar button.
    void SetButtonHint(const std::string& hint);

    LRESULT Notify(NMHDR* hdr) override;

protected:
    LRESULT SubclassProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    RECT ButtonRect() const;
    std::string buttonHint_;
};

// Time of day with up-down arrows.
class TTimeField : public TDateTimeField {
public:
    TTimeField(TForm& parent, const TControlSpec& place, HWND parentHandle = nullptr);

    // Sets the time of day and keeps the date.
    void SetTime(const SYSTEMTIME& time);
};

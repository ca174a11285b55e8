#pragma once
// The month grid without its window: the date it holds, the setters' rules, where the month
// lands in the 7 x 7 cells and what each cell says.

#include <array>
#include <functional>
#include <optional>
#include <string>

#include "base/DateTime.h"

struct TGridCell {
    int Col = 0;
    int Row = 0;
    friend bool operator==(const TGridCell&, const TGridCell&) = default;
};

// A cell's place inside the grid's client area.
struct TCellRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    friend bool operator==(const TCellRect&, const TCellRect&) = default;
};

// Abbreviated weekday names, 0 = Sunday.
using TWeekdayNames = std::array<std::string, 7>;

class TCalendarModel {
public:
    static constexpr int ColCount = 7;
    static constexpr int RowCount = 7;  // a fixed header row, then six weeks

    // Where today's date comes from; called at creation and whenever UseCurrentDate is turned on.
    using TToday = std::function<TDateTime()>;
    explicit TCalendarModel(TToday today);

    TDateTime Date() const { return EncodeDate(year_, month_, day_); }
    int Year() const { return year_; }
    int Month() const { return month_; }
    int Day() const { return day_; }
    // Each either does nothing or forms the date anew keeping the other two elements, which fails
    // with EConvertError when the kept day does not exist in the new month.
    void SetYear(int value);
    void SetMonth(int value);
    void SetDay(int value);
    int DaysThisMonth() const { return DaysInMonth(year_, month_); }

    // The weekday of the first column, 0 = Sunday.
    int StartOfWeek() const { return startOfWeek_; }
    void SetStartOfWeek(int value);

    bool UseCurrentDate() const { return useCurrentDate_; }
    void SetUseCurrentDate(bool value);

    bool ReadOnly = false;
    int GridLineWidth = 1;

    int MonthOffset() const { return monthOffset_; }
    bool Updating() const { return updating_; }
    TGridCell Selected() const { return selected_; }

    // The day number a cell shows, or 0 for the header and the cells outside the month.
    int CellDay(TGridCell cell) const;
    std::string CellText(TGridCell cell, const TWeekdayNames& weekdays) const;
    bool CanSelect(TGridCell cell) const;
    // A user's pick by mouse or keys; false when the cell cannot be selected.
    bool SelectCell(TGridCell cell);
    // The neighbour in a direction that the selection can move to, if any.
    std::optional<TGridCell> Step(int dCol, int dRow) const;

    // Cell sizes follow the grid's size: seven columns and rows share it less the lines between.
    int ColWidth(int gridWidth) const { return (gridWidth - 6 * GridLineWidth) / ColCount; }
    int RowHeight(int gridHeight) const { return (gridHeight - 6 * GridLineWidth) / RowCount; }
    TCellRect CellRect(TGridCell cell, int gridWidth, int gridHeight) const;
    std::optional<TGridCell> CellAt(int x, int y, int gridWidth, int gridHeight) const;

    // After every change of the date through Year, Month or Day.
    std::function<void()> OnChange;
    // After every layout, so that the window repaints.
    std::function<void()> OnLayout;

private:
    void SetElement(int year, int month, int day);
    void TakeToday();
    void Layout();

    TToday today_;
    int year_ = 1;
    int month_ = 1;
    int day_ = 1;
    int startOfWeek_ = 0;
    bool useCurrentDate_ = true;
    int monthOffset_ = 0;
    bool updating_ = false;
    TGridCell selected_;
};

// The bar's steps: a year or a month back or forward, through the setters above.
void PrevYear(TCalendarModel& calendar);
void NextYear(TCalendarModel& calendar);
void PrevMonth(TCalendarModel& calendar);
void NextMonth(TCalendarModel& calendar);

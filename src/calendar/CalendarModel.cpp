#include "calendar/CalendarModel.h"

namespace {

// Set for the span of a layout, cleared however it ends.
class TUpdating {
public:
    explicit TUpdating(bool& flag) : flag_(flag) { flag_ = true; }
    ~TUpdating() { flag_ = false; }
    TUpdating(const TUpdating&) = delete;
    TUpdating& operator=(const TUpdating&) = delete;

private:
    bool& flag_;
};

}  // namespace

TCalendarModel::TCalendarModel(TToday today) : today_(std::move(today))
{
    TakeToday();
    Layout();
}

void TCalendarModel::SetYear(int value)
{
    if (value < 1 || value == year_) return;
    SetElement(value, month_, day_);
}

void TCalendarModel::SetMonth(int value)
{
    if (value < 1 || value > 12 || value == month_) return;
    SetElement(year_, value, day_);
}

void TCalendarModel::SetDay(int value)
{
    if (value < 1 || value > DaysThisMonth() || value == day_) return;
    SetElement(year_, month_, value);
}

void TCalendarModel::SetElement(int year, int month, int day)
{
    // The day is kept as it is, so a day the new month lacks fails here and nothing changes.
    EncodeDate(year, month, day);
    year_ = year;
    month_ = month;
    day_ = day;
    useCurrentDate_ = false;
    Layout();
    if (OnChange) OnChange();
}

void TCalendarModel::SetStartOfWeek(int value)
{
    if (value < 0 || value > 6 || value == startOfWeek_) return;
    startOfWeek_ = value;
    Layout();
}

void TCalendarModel::SetUseCurrentDate(bool value)
{
    useCurrentDate_ = value;
    if (!value) return;
    TakeToday();
    Layout();
}

void TCalendarModel::TakeToday()
{
    TSystemTime now = DateTimeToSystemTime(today_());
    year_ = now.wYear;
    month_ = now.wMonth;
    day_ = now.wDay;
}

void TCalendarModel::Layout()
{
    {
        TUpdating updating(updating_);
        int firstWeekday = DayOfWeek(EncodeDate(year_, month_, 1)) + 1;  // 1 = Sunday
        int a = (firstWeekday - startOfWeek_ + 7) % 7;
        monthOffset_ = a == 0 ? -5 : 2 - a;
        int k = day_ - monthOffset_;
        selected_ = {k % ColCount, k / ColCount + 1};
    }
    if (OnLayout) OnLayout();
}

int TCalendarModel::CellDay(TGridCell cell) const
{
    if (cell.Row < 1 || cell.Row >= RowCount || cell.Col < 0 || cell.Col >= ColCount) return 0;
    int n = cell.Col + monthOffset_ + ColCount * (cell.Row - 1);
    return n >= 1 && n <= DaysThisMonth() ? n : 0;
}

std::string TCalendarModel::CellText(TGridCell cell, const TWeekdayNames& weekdays) const
{
    if (cell.Row == 0 && cell.Col >= 0 && cell.Col < ColCount)
        return weekdays[static_cast<std::size_t>((cell.Col + startOfWeek_) % 7)];
    int n = CellDay(cell);
    return n ? std::to_string(n) : std::string();
}

bool TCalendarModel::CanSelect(TGridCell cell) const
{
    return CellDay(cell) != 0 && (updating_ || !ReadOnly);
}

bool TCalendarModel::SelectCell(TGridCell cell)
{
    if (!CanSelect(cell)) return false;
    selected_ = cell;
    SetDay(CellDay(cell));
    return true;
}

std::optional<TGridCell> TCalendarModel::Step(int dCol, int dRow) const
{
    TGridCell next{selected_.Col + dCol, selected_.Row + dRow};
    if (!CanSelect(next)) return std::nullopt;
    return next;
}

TCellRect TCalendarModel::CellRect(TGridCell cell, int gridWidth, int gridHeight) const
{
    int w = ColWidth(gridWidth);
    int h = RowHeight(gridHeight);
    int left = cell.Col * (w + GridLineWidth);
    int top = cell.Row * (h + GridLineWidth);
    return {left, top, left + w, top + h};
}

std::optional<TGridCell> TCalendarModel::CellAt(int x, int y, int gridWidth, int gridHeight) const
{
    int w = ColWidth(gridWidth) + GridLineWidth;
    int h = RowHeight(gridHeight) + GridLineWidth;
    if (x < 0 || y < 0 || w <= 0 || h <= 0) return std::nullopt;
    // A point on a line belongs to the cell before it.
    TGridCell cell{x / w, y / h};
    if (cell.Col >= ColCount || cell.Row >= RowCount) return std::nullopt;
    return cell;
}

void PrevYear(TCalendarModel& calendar)
{
    calendar.SetYear(calendar.Year() - 1);
}

void NextYear(TCalendarModel& calendar)
{
    calendar.SetYear(calendar.Year() + 1);
}

void PrevMonth(TCalendarModel& calendar)
{
    if (calendar.Month() == 1) {
        calendar.SetMonth(12);
        calendar.SetYear(calendar.Year() - 1);
    } else {
        calendar.SetMonth(calendar.Month() - 1);
    }
}

void NextMonth(TCalendarModel& calendar)
{
    if (calendar.Month() == 12) {
        calendar.SetMonth(1);
        calendar.SetYear(calendar.Year() + 1);
    } else {
        calendar.SetMonth(calendar.Month() + 1);
    }
}

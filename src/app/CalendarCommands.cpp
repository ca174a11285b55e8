// The main window's way to the calendar window.

#include "app/Main.h"
#include "calendar/frmCalendar.h"

void TClockForm::CalendarItemClick()
{
    // Made on first need, on today's date; it keeps its date from then on.
    if (!CalendarForm) calendar_ = std::make_unique<TCalendarForm>();
    CalendarForm->ShowCalendar();
}

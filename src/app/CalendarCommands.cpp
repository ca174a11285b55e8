// The main window's way to the calendar window.

#include "app/Main.h"
#include "calendar/frmCalendar.h"

void TClockForm::CalendarItemClick()
{
    if (CalendarForm) CalendarForm->ShowCalendar();
}

#include "clock/FaceText.h"

const char* TimePicture(bool amPm, bool showSeconds)
{
    if (amPm) return showSeconds ? "h':'mm':'ss tt" : "h':'mm tt";
    return showSeconds ? "HH:mm:ss" : "HH:mm";
}

std::string ComposeDisplayText(const std::string& time, const std::string& date, const std::string& label,
                               bool showDate, bool showLabel, bool buttonDown)
{
    if (buttonDown) return date;
    std::string text = time;
    if (showDate) text = date + "\r\n" + text;
    if (showLabel) text = label + "\r\n" + text;
    return text;
}

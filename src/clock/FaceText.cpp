#include "clock/FaceText.h"

#include <algorithm>

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

TFaceNeed FaceNeedFor(int widestLine, int lineHeight, int lines)
{
    return {widestLine + 2 * 2 + 2, lineHeight * lines + 2 * 2};
}

TFaceNeed Largest(const TFaceNeed& a, const TFaceNeed& b)
{
    return {std::max(a.Width, b.Width), std::max(a.Height, b.Height)};
}

#pragma once
// What a clock face shows, given the formatted pieces: its time picture and its lines.

#include <string>

// The GetTimeFormat picture for the face's 12/24-hour and seconds choices.
const char* TimePicture(bool amPm, bool showSeconds);

// Lines from top to bottom: label, date, time (CR LF between them); the date alone while
// the left button is held on the face.
std::string ComposeDisplayText(const std::string& time, const std::string& date, const std::string& label,
                               bool showDate, bool showLabel, bool buttonDown);

#pragma once
// What a clock face shows, given the formatted pieces: its time picture and its lines.

#include <string>

#include "options/FaceNeed.h"

// The GetTimeFormat picture for the face's 12/24-hour and seconds choices.
const char* TimePicture(bool amPm, bool showSeconds);

// Lines from top to bottom: label, date, time (CR LF between them); the date alone while
// the left button is held on the face.
std::string ComposeDisplayText(const std::string& time, const std::string& date, const std::string& label,
                               bool showDate, bool showLabel, bool buttonDown);


// The bevels (one pixel each) and the text's inset inside them: two pixels on every side,
// and a pixel of air on the left and right.
TFaceNeed FaceNeedFor(int widestLine, int lineHeight, int lines);
TFaceNeed Largest(const TFaceNeed& a, const TFaceNeed& b);


#pragma once
// A stand-in for the main window that records every call of the options' setters as text, so that
// a test can compare whole sequences.

#include "options/Opts.h"

#include <string>
#include <vector>

inline std::string LayoutText(const TLayoutOptions& l)
{
    return std::string(l.Vertical ? "V" : "-") + (l.ShowCaption ? "C" : "-") + (l.ShowDate ? "D" : "-") +
           (l.ShowLabels ? "L" : "-");
}

class TRecordingTarget : public TClockOptionsTarget {
public:
    std::vector<std::string> Calls;

    void SetTopMost(bool v) override { Log("SetTopMost", v); }
    void ApplyLayout(const TLayoutOptions& l) override { Calls.push_back("ApplyLayout " + LayoutText(l)); }
    void SetDaylightAdjust(bool v) override { Log("SetDaylightAdjust", v); }
    void SetLocalSeconds(bool v) override { Log("SetLocalSeconds", v); }
    void SetZoneSeconds(bool v) override { Log("SetZoneSeconds", v); }
    void SetTrayIconAlways(bool v) override { Log("SetTrayIconAlways", v); }
    void SetStartWithWindows(bool v) override { Log("SetStartWithWindows", v); }
    void SetZoneDaylight(bool v) override { Log("SetZoneDaylight", v); }
    void BindDblClick(TDblClickAction a) override { Calls.push_back("BindDblClick " + std::to_string(int(a))); }

private:
    void Log(const char* what, bool v) { Calls.push_back(std::string(what) + (v ? " 1" : " 0")); }
};

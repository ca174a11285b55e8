#pragma once
// The sound of ringing alarms while it repeats until heard: one sound at a time, the newest
// ringing window's, until that window is closed or reminded later, or it has rung ten minutes.

#include "alarms/AlarmActions.h"

#include <cstdint>
#include <vector>

inline constexpr std::int64_t RingLimitSeconds = 600;

class TRingLoop {
public:
    explicit TRingLoop(TSoundPlayer* player = nullptr) : player_(player) {}
    // Whoever plays the sounds from now on (the program's services may be replaced).
    void SetPlayer(TSoundPlayer* player) { player_ = player; }

    // The window opened for an alarm with a sound at the local second `now`: its sound repeats,
    // over any older one.
    void Start(const void* window, const TAlarm& alarm, std::int64_t now);
    // The window was closed or reminded later: its sound stops, and the newest one still ringing
    // sounds again. A window that is not ringing changes nothing.
    void Stop(const void* window);
    // The windows that have rung their ten minutes by `now` stop ringing; they are given back, to
    // say so.
    std::vector<const void*> Expire(std::int64_t now);
    bool Ringing(const void* window) const;

private:
    struct TRing {
        const void* Window;
        std::string Sound;
        bool Alias;
        std::int64_t Started;
    };
    // After a change: the newest ringing sound plays, or none.
    void Sound(const void* wasPlaying);

    TSoundPlayer* player_;
    std::vector<TRing> rings_;  // oldest first
};

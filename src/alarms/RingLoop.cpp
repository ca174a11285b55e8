#include "alarms/RingLoop.h"

#include <algorithm>

void TRingLoop::Start(const void* window, const TAlarm& alarm, std::int64_t now)
{
    if (!alarm.SoundOn || Ringing(window)) return;
    const void* was = rings_.empty() ? nullptr : rings_.back().Window;
    const bool alias = alarm.SoundFile == DefaultSoundName;
    rings_.push_back({window, alias ? DefaultSoundAlias : alarm.SoundFile, alias, now});
    Sound(was);
}

void TRingLoop::Stop(const void* window)
{
    if (!Ringing(window)) return;
    const void* was = rings_.back().Window;
    std::erase_if(rings_, [&](const TRing& r) { return r.Window == window; });
    Sound(was);
}

std::vector<const void*> TRingLoop::Expire(std::int64_t now)
{
    std::vector<const void*> expired;
    for (const TRing& r : rings_)
        if (now - r.Started >= RingLimitSeconds) expired.push_back(r.Window);
    for (const void* window : expired) Stop(window);
    return expired;
}

bool TRingLoop::Ringing(const void* window) const
{
    return std::any_of(rings_.begin(), rings_.end(), [&](const TRing& r) { return r.Window == window; });
}

void TRingLoop::Sound(const void* wasPlaying)
{
    if (!player_) return;
    if (rings_.empty()) {
        player_->Stop();
        return;
    }
    // Only a new newest sound starts over: an older window closing leaves the sound as it is.
    if (rings_.back().Window != wasPlaying) player_->Loop(rings_.back().Sound, rings_.back().Alias);
}

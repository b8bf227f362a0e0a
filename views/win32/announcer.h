#pragma once

#include <windows.h>

#include <string>

namespace kelvaro::win32 {

class Annotations;

// EVENT_OBJECT_LIVEREGIONCHANGED, which Windows 8 and later pass on to screen readers; Windows 7
// passes it on to nobody.
inline constexpr DWORD liveRegionChanged = 0x8019;

// How a sentence last reached screen readers.
enum class Announcement { none, notification, liveRegion };

// Speaks one sentence after a command without moving the focus or changing anything visible:
// as a UI Automation notification where the system has one (Windows 10 1709 and later), else
// through a live region that holds the sentence. Nothing is made before the first sentence.
class Announcer
{
public:
    Announcer(HWND window, Annotations &annotations) : window(window), annotations(annotations) { }

    void say(const std::wstring &sentence);

    [[nodiscard]] Announcement lastAnnouncement() const { return last; }

    // The live region's control, once one has been made; tests and annotations use it.
    [[nodiscard]] HWND liveRegion() const { return region; }

private:
    bool raiseNotification(const std::wstring &sentence) const;
    void updateLiveRegion(const std::wstring &sentence);

    HWND window;
    Annotations &annotations;
    HWND region = nullptr;
    Announcement last = Announcement::none;
};

} // namespace kelvaro::win32

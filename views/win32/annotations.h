#pragma once

#include <windows.h>

#include <string>

struct IAccPropServices;

namespace kelvaro::win32 {

// Tells screen readers what a control's caption cannot: its name, its description, or that it is
// a live region, through the system's dynamic annotation. Where the system lacks it (Wine
// answers E_NOTIMPL) the controls keep the names the system makes of them, and the window works
// on.
class Annotations
{
public:
    Annotations() = default;
    ~Annotations();
    Annotations(const Annotations &) = delete;
    Annotations &operator=(const Annotations &) = delete;

    void name(HWND control, const std::wstring &name);
    void describe(HWND control, const std::wstring &description);
    // Marks the control as a polite live region: a reader speaks its new text when it is told.
    void makePoliteLiveRegion(HWND control);
    // Takes every annotation off the control: the system keeps them past the control's end.
    void clear(HWND control);

    // Tests stand in for the system's annotation service here, for the windows that start to
    // annotate from now on, in this process only: Wine's answers E_NOTIMPL. Null: the system's own
    // again.
    static void forceServices(IAccPropServices *services);

private:
    bool start();
    void setText(HWND control, const GUID &property, const std::wstring &text);

    bool started = false;
    bool comStarted = false;
    IAccPropServices *services = nullptr;
};

} // namespace kelvaro::win32

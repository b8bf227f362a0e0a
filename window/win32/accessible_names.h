#pragma once

#include <windows.h>

#include <string>

struct IAccPropServices;

namespace kelvaro::win32 {

// Names a control for screen readers where its caption says nothing, through the system's
// dynamic annotation. Where the system lacks it (Wine answers E_NOTIMPL) the controls keep
// their own names and the window works on.
class AccessibleNames
{
public:
    AccessibleNames() = default;
    ~AccessibleNames();
    AccessibleNames(const AccessibleNames &) = delete;
    AccessibleNames &operator=(const AccessibleNames &) = delete;

    void name(HWND control, const std::wstring &name);
    // Gives the control back the name the system makes of its caption.
    void restore(HWND control);

    // How the last annotation went: S_OK, or the system's failure.
    [[nodiscard]] HRESULT lastResult() const { return result; }

private:
    bool start();

    bool started = false;
    bool comStarted = false;
    IAccPropServices *services = nullptr;
    HRESULT result = S_OK;
};

} // namespace kelvaro::win32

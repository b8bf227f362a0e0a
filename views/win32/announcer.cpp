#include "announcer.h"

#include "annotations.h"
#include "system_function.h"

#include <uiautomationcore.h>

namespace kelvaro::win32 {

namespace {

// UI Automation's NotificationKind_ActionCompleted and NotificationProcessing_ImportantMostRecent.
constexpr int actionCompleted = 2;
constexpr int importantMostRecent = 1;

using RaiseNotification = HRESULT(WINAPI *)(IRawElementProviderSimple *, int, int, BSTR, BSTR);
using HostProviderFromHwnd = HRESULT(WINAPI *)(HWND, IRawElementProviderSimple **);
using AllocString = BSTR(WINAPI *)(const OLECHAR *);
using FreeString = void(WINAPI *)(BSTR);

} // namespace

void Announcer::say(const std::wstring &sentence)
{
    if (raiseNotification(sentence)) {
        last = Announcement::notification;
        return;
    }
    updateLiveRegion(sentence);
    last = Announcement::liveRegion;
}

bool Announcer::raiseNotification(const std::wstring &sentence) const
{
    static const auto raise
        = systemFunction<RaiseNotification>(L"uiautomationcore.dll", "UiaRaiseNotificationEvent");
    if (raise == nullptr)
        return false;
    static const auto host
        = systemFunction<HostProviderFromHwnd>(L"uiautomationcore.dll", "UiaHostProviderFromHwnd");
    static const auto allocate = systemFunction<AllocString>(L"oleaut32.dll", "SysAllocString");
    static const auto release = systemFunction<FreeString>(L"oleaut32.dll", "SysFreeString");
    IRawElementProviderSimple *provider = nullptr;
    if (host == nullptr || allocate == nullptr || release == nullptr
        || FAILED(host(window, &provider)))
        return false;
    BSTR text = allocate(sentence.c_str());
    BSTR activity = allocate(L"bg.kelvaro.Kelvaro.outcome");
    const HRESULT raised = raise(provider, actionCompleted, importantMostRecent, text, activity);
    release(activity);
    release(text);
    provider->Release();
    return SUCCEEDED(raised);
}

void Announcer::updateLiveRegion(const std::wstring &sentence)
{
    if (region == nullptr) {
        // Shown, so that readers take it for a shown element, but of no size: nothing of it can
        // be seen, and the Tab key passes it by.
        region = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_NOPREFIX, 0, 0, 0, 0,
                                 window, nullptr, nullptr, nullptr);
        annotations.makePoliteLiveRegion(region);
    }
    SetWindowTextW(region, sentence.c_str());
    NotifyWinEvent(liveRegionChanged, region, OBJID_CLIENT, CHILDID_SELF);
}

} // namespace kelvaro::win32

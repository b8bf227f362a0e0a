#pragma once

#include "controls.h"
#include "main_window.h"
#include "wide_text.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

// The real window Kelvaro, created in the test's process and driven with the messages that a
// user's clicks and keys send.
class Win32WindowTest : public testing::Test
{
protected:
    void SetUp() override
    {
        window = kelvaro::win32::createMainWindow(GetModuleHandleW(nullptr));
        ASSERT_NE(window, nullptr);
        ShowWindow(window, SW_SHOW);
        SetForegroundWindow(window);
        pump();
        Sleep(2 * USER_TIMER_MINIMUM); // what the window does after its first paint
        pump();
    }

    void TearDown() override
    {
        DestroyWindow(window);
        pump();
    }

    [[nodiscard]] HWND control(kelvaro::ControlKind kind, kelvaro::Index index = 0) const
    {
        return GetDlgItem(window, kelvaro::win32::controlId(kind, index));
    }
    [[nodiscard]] HWND list(kelvaro::Index index) const
    {
        return control(kelvaro::ControlKind::ListBox, index);
    }
    [[nodiscard]] HWND alloyButton(kelvaro::Index index) const
    {
        return control(kelvaro::ControlKind::OptionButton, index);
    }
    [[nodiscard]] HWND command(kelvaro::Index index) const
    {
        return control(kelvaro::ControlKind::CommandButton, index);
    }
    [[nodiscard]] HWND report() const { return control(kelvaro::ControlKind::TextBox, 0); }

    static void pump()
    {
        MSG message {};
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }

    // The mouse pressed and let go at `point` of `control`, as the system posts it.
    static void clickAt(HWND control, POINT point)
    {
        const LPARAM at = MAKELPARAM(point.x, point.y);
        PostMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, at);
        PostMessageW(control, WM_LBUTTONUP, 0, at);
        pump();
    }

    // A click on the row of `element` in list `listIndex`, scrolled into view first.
    void pick(kelvaro::Index listIndex, std::string_view element) const
    {
        if (element.empty())
            return;
        HWND box = list(listIndex);
        const LRESULT row
            = SendMessageW(box, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                           reinterpret_cast<LPARAM>(kelvaro::win32::toWide(element).c_str()));
        ASSERT_NE(row, LB_ERR) << element;
        SendMessageW(box, LB_SETTOPINDEX, static_cast<WPARAM>(row), 0);
        RECT item {};
        SendMessageW(box, LB_GETITEMRECT, static_cast<WPARAM>(row),
                     reinterpret_cast<LPARAM>(&item));
        clickAt(box, {(item.left + item.right) / 2, (item.top + item.bottom) / 2});
    }

    static void click(HWND button)
    {
        RECT rect {};
        GetClientRect(button, &rect);
        clickAt(button, {rect.right / 2, rect.bottom / 2});
    }

    // A key pressed and let go on the keyboard: through the system's input queue to the focus,
    // and the window's own message loop with its dialog keys, until the loop has taken the key's
    // release, or a second has passed.
    void press(WORD key) const
    {
        std::array<INPUT, 2> input {};
        for (INPUT &event : input) {
            event.type = INPUT_KEYBOARD;
            event.ki.wVk = key;
        }
        input[1].ki.dwFlags = KEYEVENTF_KEYUP;
        ASSERT_EQ(SendInput(2, input.data(), sizeof(INPUT)), 2U); // taken by the loop below
        released = key;
        HHOOK hook = SetWindowsHookExW(WH_GETMESSAGE, quitOnRelease, nullptr, GetCurrentThreadId());
        const UINT_PTR timeout = SetTimer(nullptr, 0, 1000, quitLoop);
        kelvaro::win32::runMessageLoop(window);
        KillTimer(nullptr, timeout);
        UnhookWindowsHookEx(hook);
    }

    static inline WORD released = 0;

    static LRESULT CALLBACK quitOnRelease(int code, WPARAM removed, LPARAM lParam)
    {
        const MSG &message = *reinterpret_cast<const MSG *>(lParam);
        if (code == HC_ACTION && removed == PM_REMOVE && message.message == WM_KEYUP
            && message.wParam == released)
            PostQuitMessage(0); // taken once the loop has handled the release
        return CallNextHookEx(nullptr, code, removed, lParam);
    }

    static void CALLBACK quitLoop(HWND /*window*/, UINT /*message*/, UINT_PTR /*timer*/,
                                  DWORD /*time*/)
    {
        PostQuitMessage(0);
    }

    static std::wstring text(HWND control) { return kelvaro::win32::windowText(control); }

    HWND window {};
};

// Runs one page of the wizard modally on a thread of its own, as the wizard runs it, so that
// a test in the same process can look on from its main thread: what another process cannot
// see (the system menu, the icons, the fonts of the controls).
#pragma once

#include <windows.h>

#include <string>

#include "../../pages/resource.h"

// One page shown modally on its own thread for the lifetime of the object.
template <class Page>
class PageOnThread {
public:
    PageOnThread() { m_thread = ::CreateThread(nullptr, 0, &Run, this, 0, &m_threadId); }
    ~PageOnThread() {
        if (!m_thread) return;
        if (::WaitForSingleObject(m_thread, 0) == WAIT_TIMEOUT && m_window)
            ::PostMessageW(m_window, WM_COMMAND, MAKEWPARAM(IDC_CANCEL_BTN, BN_CLICKED), 0);
        ::WaitForSingleObject(m_thread, 15000);
        ::CloseHandle(m_thread);
    }
    PageOnThread(const PageOnThread&) = delete;
    PageOnThread& operator=(const PageOnThread&) = delete;

    // The visible window of this thread with the title; null if none appears in time.
    HWND WaitForWindow(const wchar_t* title) {
        const DWORD start = ::GetTickCount();
        for (;;) {
            Search search{title, nullptr};
            ::EnumThreadWindows(m_threadId, &Match, reinterpret_cast<LPARAM>(&search));
            if (search.found) {
                if (!m_window) m_window = search.found;
                return search.found;
            }
            if (::GetTickCount() - start > 15000) return nullptr;
            if (::WaitForSingleObject(m_thread, 20) == WAIT_OBJECT_0) return nullptr;
        }
    }

    // The page's result once it has ended; -2 if it does not end in time.
    INT_PTR WaitForResult() {
        if (::WaitForSingleObject(m_thread, 15000) != WAIT_OBJECT_0) return -2;
        return m_result;
    }

private:
    struct Search {
        const wchar_t* title;
        HWND found;
    };
    static BOOL CALLBACK Match(HWND window, LPARAM context) {
        auto* search = reinterpret_cast<Search*>(context);
        wchar_t title[256] = {};
        ::GetWindowTextW(window, title, 256);
        if (!::IsWindowVisible(window) || std::wstring(title) != search->title) return TRUE;
        search->found = window;
        return FALSE;
    }
    static DWORD WINAPI Run(void* self) {
        auto* me = static_cast<PageOnThread*>(self);
        Page page;
        me->m_result = page.DoModal();
        return 0;
    }

    HANDLE m_thread = nullptr;
    DWORD m_threadId = 0;
    HWND m_window = nullptr;
    INT_PTR m_result = -3;
};

// Message maps: each class that handles messages holds a static, constant table of
// {message, notification code, control ID, handler} that chains to its base class's table.
// The dispatcher walks the chain with one plain loop. The macros below only make table
// entries and the two functions that hand a table out; they never hide control flow.
#pragma once

#include <windows.h>

class CCmdTarget;

// Every handler is reached through a small thunk that restores its real signature.
using AfxHandler = LRESULT (*)(CCmdTarget* target, WPARAM wParam, LPARAM lParam);

struct AFX_MSGMAP_ENTRY {
    UINT nMessage;  // 0 ends the table
    UINT nCode;     // notification code, for WM_COMMAND
    UINT nID;       // control or command ID, for WM_COMMAND
    AfxHandler pfn;
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

// The entry for a message in a class's map chain, or null.
const AFX_MSGMAP_ENTRY* AfxFindMessageEntry(const AFX_MSGMAP* map, UINT message, UINT code, UINT id);

// Thunks, one per handler signature. Each takes the handler as a member pointer and
// calls it on the class that declares it, so inherited handlers work as well.
template <class>
struct AfxMemberOf;
template <class C, class R, class... Args>
struct AfxMemberOf<R (C::*)(Args...)> {
    using type = C;
};

template <auto F>
LRESULT AfxThunkVoid(CCmdTarget* target, WPARAM, LPARAM) {
    using C = typename AfxMemberOf<decltype(F)>::type;
    (static_cast<C*>(target)->*F)();
    return 0;
}

template <auto F>
LRESULT AfxThunkSysCommand(CCmdTarget* target, WPARAM wParam, LPARAM lParam) {
    using C = typename AfxMemberOf<decltype(F)>::type;
    (static_cast<C*>(target)->*F)(static_cast<UINT>(wParam), lParam);
    return 0;
}

template <auto F>
LRESULT AfxThunkCursor(CCmdTarget* target, WPARAM, LPARAM) {
    using C = typename AfxMemberOf<decltype(F)>::type;
    return reinterpret_cast<LRESULT>((static_cast<C*>(target)->*F)());
}

#define DECLARE_MESSAGE_MAP()                         \
protected:                                            \
    static const AFX_MSGMAP* GetThisMessageMap();     \
    const AFX_MSGMAP* GetMessageMap() const override; \
                                                      \
private:

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                            \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); }    \
    const AFX_MSGMAP* theClass::GetThisMessageMap() {                                     \
        using ThisClass [[maybe_unused]] = theClass;                                               \
        using TheBaseClass = baseClass;                                                   \
        static const AFX_MSGMAP_ENTRY entries[] = {

#define END_MESSAGE_MAP()                                                                 \
            {0, 0, 0, nullptr}};                                                          \
        static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, entries}; \
        return &messageMap;                                                               \
    }

#define ON_COMMAND(id, memberFxn) {WM_COMMAND, 0, (id), &AfxThunkVoid<&memberFxn>},
#define ON_BN_CLICKED(id, memberFxn) \
    {WM_COMMAND, BN_CLICKED, (id), &AfxThunkVoid<&ThisClass::memberFxn>},
#define ON_CBN_SELCHANGE(id, memberFxn) \
    {WM_COMMAND, CBN_SELCHANGE, (id), &AfxThunkVoid<&ThisClass::memberFxn>},
#define ON_WM_PAINT() {WM_PAINT, 0, 0, &AfxThunkVoid<&ThisClass::OnPaint>},
#define ON_WM_SYSCOMMAND() {WM_SYSCOMMAND, 0, 0, &AfxThunkSysCommand<&ThisClass::OnSysCommand>},
#define ON_WM_QUERYDRAGICON() \
    {WM_QUERYDRAGICON, 0, 0, &AfxThunkCursor<&ThisClass::OnQueryDragIcon>},

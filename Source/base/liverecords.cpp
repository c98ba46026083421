// The per-thread sets of live control records (open addressing with linear
// probing, at most half full, in one heap block per thread) and the check of
// a handle against them.
#include "base/liverecords.h"

#include <stdint.h>
#include <string.h>

#include "base/memory.h"
#include "base/record.h"

namespace {

// The thread-local slot holding each thread's set (null while the thread
// has no live control).
DWORD g_setSlot = TLS_OUT_OF_INDEXES;

const size_t kInitialCapacity = 16;

struct LiveSet {
    size_t capacity; // a power of two
    size_t count;
    // Followed by `capacity` record pointers, null for a free slot.
};

ControlRecord** Slots(LiveSet* set) {
    return reinterpret_cast<ControlRecord**>(set + 1);
}
ControlRecord* const* Slots(const LiveSet* set) {
    return reinterpret_cast<ControlRecord* const*>(set + 1);
}

// The first slot probed for `pointer`. Records are heap blocks, so the low
// four bits carry nothing; the rest is mixed so that neighbouring blocks
// spread over the table.
size_t Home(const void* pointer, size_t mask) {
    uint32_t h = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(pointer) >> 4);
    h *= 0x9E3779B1u;
    h ^= h >> 15;
    return static_cast<size_t>(h) & mask;
}

LiveSet* CurrentSet() {
    return static_cast<LiveSet*>(TlsGetValue(g_setSlot));
}

LiveSet* NewSet(size_t capacity) {
    const size_t bytes = sizeof(LiveSet) + capacity * sizeof(ControlRecord*);
    LiveSet* set = static_cast<LiveSet*>(QelMalloc(bytes));
    if (!set) return nullptr;
    memset(set, 0, bytes);
    set->capacity = capacity;
    return set;
}

// Stores a record that is not in the set yet; there is a free slot.
void Put(LiveSet* set, ControlRecord* rec) {
    const size_t mask = set->capacity - 1;
    ControlRecord** slots = Slots(set);
    size_t i = Home(rec, mask);
    while (slots[i])
        i = (i + 1) & mask;
    slots[i] = rec;
    ++set->count;
}

} // namespace

bool AttachLiveRecords() {
    g_setSlot = TlsAlloc();
    return g_setSlot != TLS_OUT_OF_INDEXES;
}

void DetachLiveRecords() {
    if (g_setSlot == TLS_OUT_OF_INDEXES) return;
    TlsFree(g_setSlot);
    g_setSlot = TLS_OUT_OF_INDEXES;
}

bool AddLiveRecord(ControlRecord* rec) {
    LiveSet* set = CurrentSet();
    if (!set || (set->count + 1) * 2 > set->capacity) {
        LiveSet* grown = NewSet(set ? set->capacity * 2 : kInitialCapacity);
        if (!grown) return false;
        if (!TlsSetValue(g_setSlot, grown)) {
            QelFree(grown);
            return false;
        }
        if (set) {
            ControlRecord* const* slots = Slots(set);
            for (size_t i = 0; i < set->capacity; ++i) {
                if (slots[i]) Put(grown, slots[i]);
            }
            QelFree(set);
        }
        set = grown;
    }
    Put(set, rec);
    return true;
}

void RemoveLiveRecord(ControlRecord* rec) {
    LiveSet* set = CurrentSet();
    if (!set) return;
    const size_t mask = set->capacity - 1;
    ControlRecord** slots = Slots(set);
    size_t hole = Home(rec, mask);
    while (slots[hole] != rec) {
        if (!slots[hole]) return; // not a record of this thread
        hole = (hole + 1) & mask;
    }
    // Close the gap, so that every remaining record stays reachable from its
    // home slot without crossing a free slot: a later record of the run
    // moves into the hole when its probe path passes the hole.
    for (size_t next = (hole + 1) & mask; slots[next]; next = (next + 1) & mask) {
        const size_t home = Home(slots[next], mask);
        if (((next - home) & mask) >= ((next - hole) & mask)) {
            slots[hole] = slots[next];
            hole = next;
        }
    }
    slots[hole] = nullptr;
    if (--set->count == 0) {
        TlsSetValue(g_setSlot, nullptr);
        QelFree(set);
    }
}

ControlRecord* FindLiveRecord(HWND control, const void* pointer) {
    // (TlsGetValue clears the last error; exports do not promise to keep it.)
    const LiveSet* const set = static_cast<const LiveSet*>(TlsGetValue(g_setSlot));
    if (!set || !pointer) return nullptr;
    const size_t mask = set->capacity - 1;
    ControlRecord* const* slots = Slots(set);
    for (size_t i = Home(pointer, mask); slots[i]; i = (i + 1) & mask) {
        if (slots[i] != pointer) continue;
        // Known to be live: now it may be read. The list window holds the
        // same pointer, hence the comparison with the control window.
        ControlRecord* const rec = slots[i];
        return rec->hwndControl == control && !rec->died ? rec : nullptr;
    }
    return nullptr;
}

ControlRecord* EnterRecord(HWND control) {
    ControlRecord* const rec =
        FindLiveRecord(control, reinterpret_cast<const void*>(GetWindowLongPtrA(control, 0)));
    if (rec) return rec;
    const DWORD thread = GetWindowThreadProcessId(control, nullptr);
    SetLastError(thread && thread != GetCurrentThreadId() ? ERROR_WINDOW_OF_OTHER_THREAD
                                                          : ERROR_INVALID_WINDOW_HANDLE);
    return nullptr;
}

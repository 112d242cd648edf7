// A buffer for the records the spooler returns (a printer's record, the lists of printers
// and drivers), whose size only the spooler knows: on the stack when they fit, otherwise on
// the heap, at the size the spooler asks for.
#pragma once

#include <cstdint>
#include <cstdlib>

class SpoolerBuffer {
public:
    SpoolerBuffer() = default;
    ~SpoolerBuffer() { std::free(m_heap); }
    SpoolerBuffer(const SpoolerBuffer&) = delete;
    SpoolerBuffer& operator=(const SpoolerBuffer&) = delete;

    unsigned char* data() { return m_heap ? m_heap : m_local; }
    uint32_t size() const { return m_heap ? m_heapSize : sizeof m_local; }

    // Calls call(data, size, &needed), and once more in a buffer of the size needed when the
    // first call failed for want of room. True when a call succeeded.
    template <class Call>
    bool Fill(Call call) {
        uint32_t needed = 0;
        if (call(data(), size(), &needed)) return true;
        if (needed <= size() || !Grow(needed)) return false;
        return call(data(), size(), &needed);
    }

private:
    bool Grow(uint32_t needed) {
        void* heap = std::malloc(needed);
        if (!heap) return false;
        std::free(m_heap);
        m_heap = static_cast<unsigned char*>(heap);
        m_heapSize = needed;
        return true;
    }

    alignas(8) unsigned char m_local[4096];
    unsigned char* m_heap = nullptr;
    uint32_t m_heapSize = 0;
};

#pragma once
// Values that many calls of a run share – the outdoor air of a day's hours, the sun on a surface
// over a day, the load of an element per unit of its size – kept per thread and found again by the
// exact bits of everything they depend on that the design context does not fix, so that a value
// found is the value the call would have computed. A table is emptied when the design context
// changes and when half its slots are taken, which bounds its memory; it takes memory on first use.

#include <cassert>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <type_traits>

namespace calclib {

// False after SetSharedValues(0): every call then computes from its own arguments.
bool SharedValuesEnabled();
// Changes whenever the shared values must be forgotten (design context set or reset, switch).
uint32_t SharedValuesGeneration();
void ForgetSharedValues();

// The bits of what a shared value depends on, in Words 64-bit words (a multiple of 4): reals and
// integers a word each, runs of 32-bit values and float arrays two values to a word. A missing array is entered as the zeros
// the functions take it for.
template <int Words> class SharedKey
{
    static_assert(Words % 4 == 0, "the hash reads four words at a time");

public:
    void Add(double x)
    {
        assert(m_used < Words);
        std::memcpy(&m_words[m_used++], &x, sizeof x);
    }
    void Add(int x)
    {
        assert(m_used < Words);
        m_words[m_used++] = static_cast<uint64_t>(static_cast<int64_t>(x));
    }
    void Add(const double* values, int n)
    {
        assert(m_used + n <= Words);
        if (values)
            std::memcpy(&m_words[m_used], values, sizeof(double) * n);
        m_used += n;
    }
    // Values of 32 bits, two to a word; an odd count leaves the last half word zero.
    void Add(const uint32_t* values, int n)
    {
        assert(m_used + (n + 1) / 2 <= Words);
        std::memcpy(&m_words[m_used], values, sizeof(uint32_t) * n);
        m_used += (n + 1) / 2;
    }
    // n even.
    void Add(const float* values, int n)
    {
        assert(m_used + n / 2 <= Words);
        if (values)
            std::memcpy(&m_words[m_used], values, sizeof(float) * n);
        m_used += n / 2;
    }
    // Every word looked at, without a branch or a library call: keys found equal are the common case.
    bool operator==(const SharedKey& other) const
    {
        uint64_t differ = 0;
        for (int i = 0; i < Words; ++i)
            differ |= m_words[i] ^ other.m_words[i];
        return differ == 0;
    }
    // Four independent lanes, so that the multiplications overlap.
    uint64_t Hash() const
    {
        constexpr uint64_t kMultiplier = 0xFF51AFD7ED558CCDull;
        uint64_t a = 0x9E3779B97F4A7C15ull, b = 0xC2B2AE3D27D4EB4Full, c = 0x165667B19E3779F9ull,
                 d = 0x27D4EB2F165667C5ull;
        for (int i = 0; i < Words; i += 4) {
            a = (a ^ m_words[i]) * kMultiplier;
            b = (b ^ m_words[i + 1]) * kMultiplier;
            c = (c ^ m_words[i + 2]) * kMultiplier;
            d = (d ^ m_words[i + 3]) * kMultiplier;
        }
        uint64_t h = a ^ (b >> 17 | b << 47) ^ (c >> 31 | c << 33) ^ (d >> 47 | d << 17);
        h *= kMultiplier;
        return h ^ (h >> 32);
    }

private:
    uint64_t m_words[Words]{};
    int m_used = 0;
};

// Open addressing over Slots index slots (a power of two), linear probing; the keys and values sit
// apart in the order they came, so that those of one room's days lie together and a table costs
// memory only for what it holds.
template <typename Key, typename Value, int Slots> class SharedValueTable
{
    static_assert((Slots & (Slots - 1)) == 0, "Slots must be a power of two");
    static constexpr int kEntries = Slots / 2;

public:
    using KeyType = Key;
    using ValueType = Value;

    // The value of key and whether it was already there; a new value is left for the caller to fill
    // before the next call on this table. Null when the memory cannot be had.
    Value* Take(const Key& key, bool& found)
    {
        if (!m_index || m_generation != SharedValuesGeneration() || m_used == kEntries) {
            // Zeroed pages from the system, touched only as slots and entries are used.
            if (!m_index)
                m_index.reset(static_cast<IndexSlot*>(std::calloc(Slots, sizeof(IndexSlot))));
            if (!m_entries)
                m_entries.reset(static_cast<Entry*>(std::calloc(kEntries, sizeof(Entry))));
            if (!m_index || !m_entries)
                return nullptr;
            ++m_epoch;
            m_used = 0;
            m_generation = SharedValuesGeneration();
        }
        const uint64_t hash = key.Hash();
        for (uint32_t i = static_cast<uint32_t>(hash) & (Slots - 1);; i = (i + 1) & (Slots - 1)) {
            IndexSlot& slot = m_index.get()[i];
            if (slot.epoch != m_epoch) {
                slot = {m_epoch, static_cast<uint32_t>(m_used), hash};
                Entry& entry = m_entries.get()[m_used++];
                entry.key = key;
                found = false;
                return &entry.value;
            }
            if (slot.hash == hash) {
                Entry& entry = m_entries.get()[slot.entry];
                if (entry.key == key) {
                    found = true;
                    return &entry.value;
                }
            }
        }
    }

private:
    // All zero bits is an empty slot: epoch 0 is never current.
    struct IndexSlot
    {
        uint32_t epoch;
        uint32_t entry;
        uint64_t hash;
    };
    struct Entry
    {
        Key key;
        Value value;
    };
    static_assert(std::is_trivially_copyable_v<Entry> && std::is_trivially_destructible_v<Entry>);
    struct Free
    {
        void operator()(void* memory) const { std::free(memory); }
    };
    std::unique_ptr<IndexSlot, Free> m_index;
    std::unique_ptr<Entry, Free> m_entries;
    uint32_t m_epoch = 0;
    int m_used = 0;
    uint32_t m_generation = 0;
};

// The value of key in table, filled by fill(value) the first time; with shared values off (or no
// memory for the table) filled into scratch on every call.
template <typename Table, typename Fill>
const typename Table::ValueType& SharedValue(Table& table, const typename Table::KeyType& key,
                                             typename Table::ValueType& scratch, Fill fill)
{
    if (SharedValuesEnabled()) {
        bool found = false;
        if (typename Table::ValueType* value = table.Take(key, found)) {
            if (!found)
                fill(*value);
            return *value;
        }
    }
    fill(scratch);
    return scratch;
}

// 24 hourly values of a call per unit of its size (K·A, g·A, gain, air volume): calls that differ
// in nothing else share them.
struct UnitHours
{
    double v[24];
};

} // namespace calclib

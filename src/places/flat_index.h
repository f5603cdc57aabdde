#pragma once

#include <algorithm>
#include <bit>
#include <cstdint>
#include <functional>
#include <limits>
#include <utility>
#include <vector>

namespace lunarys::places {

// The number of each of many keys (views of texts, ids) that the caller keeps
// in a list of its own, the number being the key's place in that list: one
// flat array of 8-byte slots with open addressing, no allocation per key, and
// a look-up that touches one or two neighbouring slots. `keyOf(number)` gives
// a number's key back. Keys are added, never removed.
template <typename Key>
class FlatIndex {
public:
    static constexpr std::uint32_t kAbsent = std::numeric_limits<std::uint32_t>::max();

    // Room for `count` keys without growing.
    void Reserve(std::size_t count)
    {
        if (count * 2 > slots_.size())
            Rehash(std::bit_ceil(std::max<std::size_t>(count * 2, 16)));
    }

    template <typename KeyOf>
    std::uint32_t Find(const Key& key, const KeyOf& keyOf) const
    {
        if (slots_.empty())
            return kAbsent;
        const std::uint32_t hash = HashOf(key);
        for (std::size_t at = Home(hash);; at = (at + 1) & (slots_.size() - 1)) {
            const Slot& slot = slots_[at];
            if (slot.number == kAbsent || (slot.hash == hash && keyOf(slot.number) == key))
                return slot.number;
        }
    }

    // The number of `key`, and false; or, for a key not yet in, `number`,
    // which it is given, and true.
    template <typename KeyOf>
    std::pair<std::uint32_t, bool> Insert(const Key& key, std::uint32_t number, const KeyOf& keyOf)
    {
        if ((used_ + 1) * 2 > slots_.size())
            Rehash(std::max<std::size_t>(slots_.size() * 2, 16));
        const std::uint32_t hash = HashOf(key);
        for (std::size_t at = Home(hash);; at = (at + 1) & (slots_.size() - 1)) {
            Slot& slot = slots_[at];
            if (slot.number == kAbsent) {
                slot = {hash, number};
                ++used_;
                return {number, true};
            }
            if (slot.hash == hash && keyOf(slot.number) == key)
                return {slot.number, false};
        }
    }

private:
    struct Slot {
        std::uint32_t hash = 0;
        std::uint32_t number = kAbsent;
    };

    static std::uint32_t HashOf(const Key& key)
    {
        const auto hash = static_cast<std::uint64_t>(std::hash<Key>{}(key));
        return static_cast<std::uint32_t>(hash ^ hash >> 32);
    }

    // Fibonacci hashing spreads keys whose own hashes are close (ids).
    std::size_t Home(std::uint32_t hash) const { return (hash * 0x9e3779b9U) >> (32 - bits_); }

    void Rehash(std::size_t size)
    {
        std::vector<Slot> old = std::exchange(slots_, std::vector<Slot>(size));
        bits_ = std::countr_zero(size);
        for (const Slot& slot : old) {
            if (slot.number == kAbsent)
                continue;
            std::size_t at = Home(slot.hash);
            while (slots_[at].number != kAbsent)
                at = (at + 1) & (slots_.size() - 1);
            slots_[at] = slot;
        }
    }

    std::vector<Slot> slots_;
    int bits_ = 0;
    std::size_t used_ = 0;
};

}  // namespace lunarys::places

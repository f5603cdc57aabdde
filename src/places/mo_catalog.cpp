#include "places/mo_catalog.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace lunarys::places {

namespace {

constexpr std::uint32_t kMagic = 0x950412de;
constexpr std::uint32_t kMagicSwapped = 0xde120495;
constexpr std::size_t kHeaderSize = 20;  // magic, revision, count, key table, text table
constexpr std::size_t kTableEntrySize = 8;  // length, offset

class CatalogReader {
public:
    explicit CatalogReader(std::string_view bytes) : bytes_(bytes) {}

    bool ReadHeader()
    {
        if (bytes_.size() < kHeaderSize)
            return false;
        const std::uint32_t magic = Word(0, false);
        if (magic != kMagic && magic != kMagicSwapped)
            return false;
        swapped_ = magic == kMagicSwapped;
        count_ = Word(8);
        keyTable_ = Word(12);
        textTable_ = Word(16);
        return TableFits(keyTable_) && TableFits(textTable_);
    }

    std::uint32_t Count() const { return count_; }

    std::optional<std::string_view> Key(std::uint32_t i) const { return String(keyTable_, i); }
    std::optional<std::string_view> Text(std::uint32_t i) const { return String(textTable_, i); }

private:
    std::uint32_t Word(std::size_t at, bool mayBeSwapped = true) const
    {
        const auto byte = [&](std::size_t k) { return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes_[at + k])); };
        const std::uint32_t little = byte(0) | byte(1) << 8 | byte(2) << 16 | byte(3) << 24;
        const std::uint32_t big = byte(3) | byte(2) << 8 | byte(1) << 16 | byte(0) << 24;
        return mayBeSwapped && swapped_ ? big : little;
    }

    bool TableFits(std::uint64_t table) const
    {
        return table + std::uint64_t{count_} * kTableEntrySize <= bytes_.size();
    }

    std::optional<std::string_view> String(std::uint32_t table, std::uint32_t i) const
    {
        const std::size_t entry = table + std::size_t{i} * kTableEntrySize;
        const std::uint64_t length = Word(entry);
        const std::uint64_t offset = Word(entry + 4);
        // Each string ends in a NUL that its length leaves out.
        if (offset + length >= bytes_.size() || bytes_[offset + length] != '\0')
            return std::nullopt;
        std::string_view text = bytes_.substr(offset, length);
        return text.substr(0, text.find('\0'));
    }

    std::string_view bytes_;
    bool swapped_ = false;
    std::uint32_t count_ = 0;
    std::uint32_t keyTable_ = 0;
    std::uint32_t textTable_ = 0;
};

}  // namespace

bool ForEachMessage(std::string_view bytes,
                    const std::function<void(std::string_view key, std::string_view text)>& message)
{
    CatalogReader catalog(bytes);
    if (!catalog.ReadHeader())
        return false;
    // Everything is checked before the first message is handed on.
    std::vector<std::pair<std::string_view, std::string_view>> messages;
    messages.reserve(catalog.Count());
    for (std::uint32_t i = 0; i < catalog.Count(); ++i) {
        const std::optional<std::string_view> key = catalog.Key(i);
        const std::optional<std::string_view> text = catalog.Text(i);
        if (!key || !text)
            return false;
        messages.emplace_back(*key, *text);
    }
    for (const auto& [key, text] : messages)
        message(key, text);
    return true;
}

}  // namespace lunarys::places

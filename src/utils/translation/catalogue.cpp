#include "utils/translation/catalogue.h"

#include "utils/stringutils.h"

#include <fstream>
#include <sstream>

namespace translation {

namespace {

constexpr uint32_t kMagic = 0x950412de;
constexpr char kPlaceEnd = '\x04';
// No catalogue of the game comes near this many messages: a count beyond it is a broken file.
constexpr uint32_t kMostMessages = 100000;

// The file's 32-bit words, in the byte order its magic number says.
class Words {
public:
    explicit Words(std::string_view bytes) : bytes_(bytes)
    {
        swapped_ = bytes.size() >= 4 && Raw(0) != kMagic;
    }

    bool Has(std::size_t offset, std::size_t count) const
    {
        return offset <= bytes_.size() && count <= (bytes_.size() - offset) / 4;
    }
    uint32_t At(std::size_t offset) const
    {
        const uint32_t raw = Raw(offset);
        return swapped_ ? (raw >> 24) | ((raw >> 8) & 0xff00) | ((raw << 8) & 0xff0000) | (raw << 24) : raw;
    }

    // The string a table entry points at (length, then offset), which must end in a NUL byte.
    std::optional<std::string_view> String(std::size_t entry) const
    {
        const uint64_t length = At(entry), offset = At(entry + 4);
        if (offset + length >= bytes_.size() || bytes_[offset + length] != '\0')
            return std::nullopt;
        return bytes_.substr(offset, length);
    }

private:
    uint32_t Raw(std::size_t offset) const
    {
        uint32_t word = 0;
        for (int i = 3; i >= 0; --i)
            word = (word << 8) | static_cast<unsigned char>(bytes_[offset + static_cast<std::size_t>(i)]);
        return word;
    }

    std::string_view bytes_;
    bool swapped_ = false;
};

// The pieces of a string that NUL bytes part (the English and its plural; the plural forms).
std::vector<std::string> Pieces(std::string_view text)
{
    std::vector<std::string> pieces;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\0', start)) != std::string_view::npos; start = end + 1)
        pieces.emplace_back(text.substr(start, end - start));
    pieces.emplace_back(text.substr(start));
    return pieces;
}

bool IsUtf8(std::string_view text)
{
    for (char32_t c : kolm::DecodeUtf8(std::string(text)))
        if (c == U'\uFFFD')
            return false;
    return true;
}

std::string Key(std::string_view place, std::string_view english)
{
    return place.empty() ? std::string(english) : std::string(place) + kPlaceEnd + std::string(english);
}

// The header's field (up to its line's end), or "" when it has none.
std::string_view HeaderField(std::string_view header, std::string_view name)
{
    const std::size_t at = header.find(name);
    if (at == std::string_view::npos)
        return {};
    const std::size_t end = header.find('\n', at);
    return header.substr(at + name.size(), end == std::string_view::npos ? std::string_view::npos : end - at - name.size());
}

} // namespace

std::optional<Catalogue> Catalogue::FromMo(std::string_view bytes, std::string& problem)
{
    const Words words(bytes);
    if (!words.Has(0, 5) || words.At(0) != kMagic) {
        problem = "not a catalogue (.mo file)";
        return std::nullopt;
    }
    const uint32_t count = words.At(8), originals = words.At(12), translations = words.At(16);
    if (count > kMostMessages || !words.Has(originals, 2 * std::size_t{count}) ||
        !words.Has(translations, 2 * std::size_t{count})) {
        problem = "its tables run past its end";
        return std::nullopt;
    }
    Catalogue catalogue;
    for (uint32_t i = 0; i < count; ++i) {
        const auto original = words.String(originals + 8 * std::size_t{i});
        const auto translation = words.String(translations + 8 * std::size_t{i});
        if (!original || !translation || !IsUtf8(*original) || !IsUtf8(*translation)) {
            problem = "message " + std::to_string(i + 1) + " is broken";
            return std::nullopt;
        }
        if (original->empty()) {
            if (auto rule = PluralRule::FromHeader(HeaderField(*translation, "Plural-Forms:")))
                catalogue.plurals_ = *rule;
            continue;
        }
        Message message;
        const std::size_t placeEnd = original->find(kPlaceEnd);
        if (placeEnd != std::string_view::npos)
            message.place = std::string(original->substr(0, placeEnd));
        const std::vector<std::string> english =
            Pieces(placeEnd == std::string_view::npos ? *original : original->substr(placeEnd + 1));
        message.english = english[0];
        message.englishPlural = english.size() > 1 ? english[1] : "";
        message.forms = Pieces(*translation);
        catalogue.index_[Key(message.place, message.english)] = catalogue.messages_.size();
        catalogue.messages_.push_back(std::move(message));
    }
    return catalogue;
}

std::optional<Catalogue> Catalogue::ReadFile(const std::string& path, std::string& problem)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    if (!file || !(bytes << file.rdbuf())) {
        problem = "cannot be read";
        return std::nullopt;
    }
    return FromMo(bytes.str(), problem);
}

const Catalogue::Message* Catalogue::Lookup(std::string_view place, std::string_view english) const
{
    const auto found = index_.find(Key(place, english));
    return found == index_.end() ? nullptr : &messages_[found->second];
}

const std::string* Catalogue::Find(std::string_view place, std::string_view english) const
{
    const Message* message = Lookup(place, english);
    return message && !message->forms[0].empty() ? &message->forms[0] : nullptr;
}

const std::string* Catalogue::FindPlural(std::string_view place, std::string_view english, uint64_t n) const
{
    const Message* message = Lookup(place, english);
    if (!message)
        return nullptr;
    const std::size_t form = static_cast<std::size_t>(plurals_.FormOf(n));
    return form < message->forms.size() && !message->forms[form].empty() ? &message->forms[form] : nullptr;
}

} // namespace translation

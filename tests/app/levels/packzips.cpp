#include "packzips.h"

#include <miniz.h>

#include <gtest/gtest.h>

namespace packzips {
namespace {

const std::string kCentralRecord("PK\1\2", 4);
constexpr std::size_t kNameLengthAt = 28;
constexpr std::size_t kStatedSizeAt = 24;
constexpr std::size_t kExternalAttributesAt = 38;
constexpr std::size_t kNameAt = 46;

void Put32(std::string& bytes, std::size_t at, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xff);
}

// Where the entry's central record begins.
std::size_t CentralRecordOf(const std::string& zip, const std::string& name)
{
    for (std::size_t at = zip.find(kCentralRecord); at != std::string::npos; at = zip.find(kCentralRecord, at + 1)) {
        const std::size_t length = static_cast<unsigned char>(zip[at + kNameLengthAt]) |
                                   static_cast<unsigned char>(zip[at + kNameLengthAt + 1]) << 8;
        if (zip.compare(at + kNameAt, length, name) == 0 && length == name.size())
            return at;
    }
    ADD_FAILURE() << "no entry " << name;
    return 0;
}

} // namespace

std::string Zip(const std::vector<PackFile>& entries)
{
    mz_zip_archive zip{};
    mz_zip_writer_init_heap(&zip, 0, 0);
    for (const PackFile& entry : entries)
        EXPECT_TRUE(mz_zip_writer_add_mem(&zip, entry.path.c_str(), entry.bytes.data(), entry.bytes.size(), MZ_BEST_SPEED))
            << entry.path;
    void* bytes = nullptr;
    std::size_t size = 0;
    mz_zip_writer_finalize_heap_archive(&zip, &bytes, &size);
    const std::string written(static_cast<const char*>(bytes), size);
    mz_free(bytes);
    mz_zip_writer_end(&zip);
    return written;
}

std::string Renamed(std::string zip, const std::string& from, const std::string& to)
{
    for (std::size_t at = zip.find(from); at != std::string::npos; at = zip.find(from, at + 1))
        zip.replace(at, from.size(), to);
    return zip;
}

std::string MarkedAsLink(std::string zip, const std::string& name)
{
    Put32(zip, CentralRecordOf(zip, name) + kExternalAttributesAt, 0120777u << 16);
    return zip;
}

std::string WithStatedSize(std::string zip, const std::string& name, uint32_t size)
{
    Put32(zip, CentralRecordOf(zip, name) + kStatedSizeAt, size);
    return zip;
}

PackContents Pack(const std::string& id, const std::string& version, const std::string& author,
                  const std::vector<std::string>& levels)
{
    PackList list;
    list.id = id;
    list.title = "The " + id;
    list.version = version;
    list.author = author;
    list.licence = "CC0";
    for (std::size_t i = 1; i <= levels.size(); ++i)
        list.levels.push_back(PackLevel{"level-" + std::to_string(i) + ".txt", "Level " + std::to_string(i), 0, 0});
    PackContents pack;
    std::string problem;
    EXPECT_TRUE(PackFromLevels(list, levels, pack, problem)) << problem;
    return pack;
}

} // namespace packzips

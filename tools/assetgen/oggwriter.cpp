#include "oggwriter.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace {

const float kQuality = 0.45f;
const int kBlockFrames = 1024;

class OggFile {
public:
    explicit OggFile(const std::string& path) : file_(std::fopen(path.c_str(), "wb")) {}
    ~OggFile()
    {
        if (file_)
            std::fclose(file_);
    }
    OggFile(const OggFile&) = delete;
    OggFile& operator=(const OggFile&) = delete;

    bool Open() const { return file_ != nullptr; }
    bool Write(const ogg_page& page)
    {
        ok_ = ok_ && std::fwrite(page.header, 1, static_cast<std::size_t>(page.header_len), file_) ==
                         static_cast<std::size_t>(page.header_len);
        ok_ = ok_ && std::fwrite(page.body, 1, static_cast<std::size_t>(page.body_len), file_) ==
                         static_cast<std::size_t>(page.body_len);
        return ok_;
    }
    bool Close()
    {
        const bool closed = std::fclose(file_) == 0;
        file_ = nullptr;
        return ok_ && closed;
    }

private:
    std::FILE* file_;
    bool ok_ = true;
};

// libvorbis' encoder state, set up and torn down in the library's order.
struct Encoder {
    vorbis_info info;
    vorbis_comment comment;
    vorbis_dsp_state dsp;
    vorbis_block block;
    ogg_stream_state stream;
    bool ready = false;

    Encoder(int channels, int serial)
    {
        vorbis_info_init(&info);
        if (vorbis_encode_init_vbr(&info, channels, kSampleRate, kQuality) != 0)
            return;
        vorbis_comment_init(&comment);
        vorbis_analysis_init(&dsp, &info);
        vorbis_block_init(&dsp, &block);
        ogg_stream_init(&stream, serial);
        ready = true;
    }
    ~Encoder()
    {
        if (ready) {
            ogg_stream_clear(&stream);
            vorbis_block_clear(&block);
            vorbis_dsp_clear(&dsp);
            vorbis_comment_clear(&comment);
        }
        vorbis_info_clear(&info);
    }
    Encoder(const Encoder&) = delete;
    Encoder& operator=(const Encoder&) = delete;
};

bool WriteHeaders(Encoder& encoder, OggFile& file)
{
    ogg_packet identification, comments, codebooks;
    vorbis_analysis_headerout(&encoder.dsp, &encoder.comment, &identification, &comments, &codebooks);
    ogg_stream_packetin(&encoder.stream, &identification);
    ogg_stream_packetin(&encoder.stream, &comments);
    ogg_stream_packetin(&encoder.stream, &codebooks);
    ogg_page page;
    while (ogg_stream_flush(&encoder.stream, &page) != 0) {
        if (!file.Write(page))
            return false;
    }
    return true;
}

// Takes every block the encoder has ready and writes the pages that fill up.
bool DrainBlocks(Encoder& encoder, OggFile& file)
{
    while (vorbis_analysis_blockout(&encoder.dsp, &encoder.block) == 1) {
        vorbis_analysis(&encoder.block, nullptr);
        vorbis_bitrate_addblock(&encoder.block);
        ogg_packet packet;
        while (vorbis_bitrate_flushpacket(&encoder.dsp, &packet) == 1) {
            ogg_stream_packetin(&encoder.stream, &packet);
            ogg_page page;
            while (ogg_stream_pageout(&encoder.stream, &page) != 0) {
                if (!file.Write(page))
                    return false;
            }
        }
    }
    return true;
}

void SubmitFrames(Encoder& encoder, const SoundBuffer& buffer, std::size_t first, int count)
{
    float** channels = vorbis_analysis_buffer(&encoder.dsp, count);
    for (int i = 0; i < count; ++i) {
        for (int c = 0; c < buffer.channels; ++c)
            channels[c][i] = buffer.samples[(first + static_cast<std::size_t>(i)) * static_cast<std::size_t>(buffer.channels) +
                                            static_cast<std::size_t>(c)];
    }
    vorbis_analysis_wrote(&encoder.dsp, count);
}

} // namespace

bool WriteOggVorbis(const std::string& path, const SoundBuffer& buffer, int serial,
                    const std::vector<std::string>& comments)
{
    Encoder encoder(buffer.channels, serial);
    OggFile file(path);
    if (!encoder.ready || !file.Open())
        return false;
    for (const std::string& line : comments)
        vorbis_comment_add(&encoder.comment, line.c_str());
    if (!WriteHeaders(encoder, file))
        return false;
    const std::size_t frames = buffer.Frames();
    for (std::size_t first = 0; first < frames; first += kBlockFrames) {
        const int count = static_cast<int>(std::min<std::size_t>(kBlockFrames, frames - first));
        SubmitFrames(encoder, buffer, first, count);
        if (!DrainBlocks(encoder, file))
            return false;
    }
    vorbis_analysis_wrote(&encoder.dsp, 0); // end of stream
    return DrainBlocks(encoder, file) && file.Close();
}

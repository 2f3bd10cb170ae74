// Decodes the tune with libvorbisfile over our own file operations, looping by reopening the file.
#include "VorbisIn.h"

#include "VorbisLibrary.h"

namespace {

std::size_t readFile(void* ptr, std::size_t size, std::size_t count, void* file)
{
    return std::fread(ptr, size, count, static_cast<std::FILE*>(file));
}

int seekFile(void* file, ogg_int64_t offset, int whence)
{
    return fseeko(static_cast<std::FILE*>(file), off_t(offset), whence);
}

int closeFile(void* file) { return std::fclose(static_cast<std::FILE*>(file)); }

long tellFile(void* file) { return long(ftello(static_cast<std::FILE*>(file))); }

}  // namespace

VorbisIn::VorbisIn(VorbisLibrary& library) : fn_(library.functions()) {}

VorbisIn::~VorbisIn() { close(); }

bool VorbisIn::open()
{
    close();
    std::FILE* f = std::fopen(FileName.c_str(), "rb");
    if (f == nullptr) return false;
    const ov_callbacks callbacks{readFile, seekFile, closeFile, tellFile};
    if (fn_.ov_open_callbacks(f, &file_, nullptr, 0, callbacks) < 0) {
        // On failure the decoder leaves the file to its opener.
        std::fclose(f);
        return false;
    }
    open_ = true;
    const vorbis_info* info = fn_.ov_info(&file_, -1);
    if (info == nullptr) {
        close();
        return false;
    }
    channels_ = info->channels;
    rate_ = info->rate;
    fn_.ov_comment(&file_, -1);
    pcmTotal_ = fn_.ov_pcm_total(&file_, -1);
    timeTotal_ = fn_.ov_time_total(&file_, -1);
    return true;
}

void VorbisIn::close()
{
    if (!open_) return;
    fn_.ov_clear(&file_);  // closes the file through closeFile
    open_ = false;
}

bool VorbisIn::reopen()
{
    const int channels = channels_;
    const long rate = rate_;
    // A file replaced by one of another format cannot go on in the same output.
    return open() && channels_ == channels && rate_ == rate;
}

std::size_t VorbisIn::read(std::uint8_t* out, std::size_t size)
{
    std::size_t filled = 0;
    bool justOpened = false;
    while (filled < size && open_) {
        int section = 0;
        const long got = fn_.ov_read(&file_, reinterpret_cast<char*>(out + filled),
                                     int(size - filled), 0, 2, 1, &section);
        if (got > 0) {
            filled += std::size_t(got);
            justOpened = false;
            continue;
        }
        // End of stream or a decoding failure. The tail already decoded stays in the block, so
        // the loop's seam is played without a gap. A stream that fails again before yielding
        // anything would loop for ever: it ends instead.
        close();
        if (Loop && !justOpened && !reopen()) close();
        justOpened = true;
    }
    return filled;
}

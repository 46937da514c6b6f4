#pragma once

#include <string>
#include <vector>
#include <vlc/vlc.h>

namespace vlc {

// One counted reference to a libvlc media.
class media_ref {
public:
    media_ref() = default;
    media_ref(libvlc_media_t* media, bool retain);
    media_ref(const media_ref& other);
    media_ref(media_ref&& other) noexcept;
    media_ref& operator=(const media_ref& other);
    media_ref& operator=(media_ref&& other) noexcept;
    ~media_ref();

    // A media for `mrl`: a local path or, else, a location (a location without a scheme is taken as a
    // path, which libvlc could not open as a location). Untrusted options are added before trusted ones.
    // A stream description (".sdp") of MPEG-TS over RTP is opened with libvlc's RTP access when that
    // is enabled for every player or `rtp_access` asks for it; any other one gets the options that
    // open it through the avformat demuxer.
    static media_ref create(libvlc_instance_t* instance, const std::string& mrl, bool is_path,
                            const std::vector<std::string>& untrusted = {},
                            const std::vector<std::string>& trusted = {}, bool rtp_access = false);
    // The options that every ".sdp" media gets; empty for any other MRL.
    static std::vector<std::string> stream_description_options(const std::string& mrl);

    libvlc_media_t* get() const { return m_media; }
    bool empty() const { return m_media == nullptr; }
    explicit operator bool() const { return m_media != nullptr; }

    std::string meta(libvlc_meta_t kind) const;
    void set_meta(libvlc_meta_t kind, const std::string& value);
    std::string mrl() const;

    bool operator==(const media_ref& other) const { return m_media == other.m_media; }
    bool operator!=(const media_ref& other) const { return m_media != other.m_media; }

private:
    libvlc_media_t* m_media = nullptr;
};

} // namespace vlc

#include "media_ref.h"

#include "qmlVlc/vlc/stream_description.h"

#include <algorithm>
#include <cctype>
#include <utility>

namespace vlc {

namespace {

constexpr unsigned optionUnique = 0x100;
constexpr unsigned optionTrustedUnique = 0x102;

bool endsWithNoCase(const std::string& s, const std::string& suffix) {
    if (s.size() < suffix.size()) {
        return false;
    }
    return std::equal(suffix.rbegin(), suffix.rend(), s.rbegin(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
    });
}

} // namespace

media_ref::media_ref(libvlc_media_t* media, bool retain) : m_media(media) {
    if (m_media && retain) {
        libvlc_media_retain(m_media);
    }
}

media_ref::media_ref(const media_ref& other) : m_media(other.m_media) {
    if (m_media) {
        libvlc_media_retain(m_media);
    }
}

media_ref::media_ref(media_ref&& other) noexcept : m_media(std::exchange(other.m_media, nullptr)) {}

media_ref& media_ref::operator=(const media_ref& other) {
    if (this != &other) {
        media_ref copy(other);
        std::swap(m_media, copy.m_media);
    }
    return *this;
}

media_ref& media_ref::operator=(media_ref&& other) noexcept {
    if (this != &other) {
        if (m_media) {
            libvlc_media_release(m_media);
        }
        m_media = std::exchange(other.m_media, nullptr);
    }
    return *this;
}

media_ref::~media_ref() {
    if (m_media) {
        libvlc_media_release(m_media);
    }
}

std::vector<std::string> media_ref::stream_description_options(const std::string& mrl) {
    // libvlc here has no live555: a stream description is read by libavformat, which must be allowed
    // to open the RTP/UDP sockets that the description names.
    std::string path = mrl;
    const auto cut = path.find_first_of("?#");
    if (cut != std::string::npos && path.find("://") != std::string::npos) {
        path.resize(cut);
    }
    if (!endsWithNoCase(path, ".sdp")) {
        return {};
    }
    return {":demux=avformat", ":avformat-options={protocol_whitelist=file,udp,rtp}"};
}

media_ref media_ref::create(libvlc_instance_t* instance, const std::string& mrl, bool is_path,
                            const std::vector<std::string>& untrusted,
                            const std::vector<std::string>& trusted, bool rtp_access) {
    if (!instance || mrl.empty()) {
        return media_ref();
    }
    // A description that libvlc's RTP access can open directly is opened that way (see
    // stream_description); the file stays the interface, the player picks the access.
    const std::string rtpMrl = rtp_access || stream_description::rtp_access_enabled()
                                   ? stream_description::from_mrl(mrl).rtp_access_mrl()
                                   : std::string();
    const std::string& target = rtpMrl.empty() ? mrl : rtpMrl;
    const bool asPath = rtpMrl.empty() && (is_path || mrl.find("://") == std::string::npos);
    libvlc_media_t* media = asPath ? libvlc_media_new_path(instance, target.c_str())
                                   : libvlc_media_new_location(instance, target.c_str());
    if (!media) {
        return media_ref();
    }
    media_ref result(media, false);
    for (const std::string& option : untrusted) {
        libvlc_media_add_option_flag(media, option.c_str(), optionUnique);
    }
    for (const std::string& option : trusted) {
        libvlc_media_add_option_flag(media, option.c_str(), optionTrustedUnique);
    }
    for (const std::string& option :
         rtpMrl.empty() ? stream_description_options(mrl) : std::vector<std::string>{}) {
        libvlc_media_add_option_flag(media, option.c_str(), optionTrustedUnique);
    }
    return result;
}

std::string media_ref::meta(libvlc_meta_t kind) const {
    if (!m_media) {
        return {};
    }
    char* value = libvlc_media_get_meta(m_media, kind);
    if (!value) {
        return {};
    }
    std::string result(value);
    libvlc_free(value);
    return result;
}

void media_ref::set_meta(libvlc_meta_t kind, const std::string& value) {
    if (m_media) {
        libvlc_media_set_meta(m_media, kind, value.c_str());
    }
}

std::string media_ref::mrl() const {
    if (!m_media) {
        return {};
    }
    char* value = libvlc_media_get_mrl(m_media);
    if (!value) {
        return {};
    }
    std::string result(value);
    libvlc_free(value);
    return result;
}

} // namespace vlc

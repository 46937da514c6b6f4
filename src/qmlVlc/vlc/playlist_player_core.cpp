#include "playlist_player_core.h"

#include <vector>

namespace vlc {

int playlist_player_core::add_media(const char* mrl, unsigned untrusted_count, const char** untrusted,
                                    unsigned trusted_count, const char** trusted, bool is_path) {
    if (!handle().player() || !mrl) {
        return -1;
    }
    std::vector<std::string> untrustedList;
    for (unsigned i = 0; i < untrusted_count; ++i) {
        untrustedList.emplace_back(untrusted[i]);
    }
    std::vector<std::string> trustedList;
    for (unsigned i = 0; i < trusted_count; ++i) {
        trustedList.emplace_back(trusted[i]);
    }
    if (m_media_options) {
        const std::vector<std::string> extra = m_media_options();
        trustedList.insert(trustedList.end(), extra.begin(), extra.end());
    }
    return add_media(
        media_ref::create(get_instance(), mrl, is_path, untrustedList, trustedList, m_rtp_access));
}

const std::string& playlist_player_core::empty_data() {
    static const std::string empty;
    return empty;
}

} // namespace vlc

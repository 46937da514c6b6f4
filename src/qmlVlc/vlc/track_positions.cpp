#include "track_positions.h"

namespace vlc {

int track_positions::position_of(libvlc_track_description_t* list, int current_id) {
    int position = 0;
    for (auto* entry = list; entry; entry = entry->p_next, ++position) {
        if (entry->i_id == current_id) {
            return position;
        }
    }
    return -1;
}

int track_positions::id_at(libvlc_track_description_t* list, int position) {
    if (position < 0) {
        return -1;
    }
    auto* entry = list;
    for (int i = 0; entry && i < position; ++i) {
        entry = entry->p_next;
    }
    return entry ? entry->i_id : -1;
}

const char* track_positions::name_at(libvlc_track_description_t* list, int position) {
    if (position < 0) {
        return nullptr;
    }
    auto* entry = list;
    for (int i = 0; entry && i < position; ++i) {
        entry = entry->p_next;
    }
    return entry ? entry->psz_name : nullptr;
}

} // namespace vlc

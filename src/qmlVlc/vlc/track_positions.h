#pragma once

#include <vlc/vlc.h>

namespace vlc {

// Tracks are exposed as positions in libvlc's track description list rather than as libvlc ids.
class track_positions {
public:
    // Position of the entry whose id is `current_id`, or -1 (also for an empty list).
    static int position_of(libvlc_track_description_t* list, int current_id);
    // Id of the entry `position` steps down the list; -1 (track off) when negative or past the end.
    static int id_at(libvlc_track_description_t* list, int position);
    // Name of the entry at `position`, empty when absent.
    static const char* name_at(libvlc_track_description_t* list, int position);
};

} // namespace vlc

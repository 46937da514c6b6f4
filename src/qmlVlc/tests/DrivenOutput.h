#pragma once

#include "qmlVlc/QmlVlcVideoOutput.h"
#include "qmlVlc/vlc/player.h"

#include <gtest/gtest.h>
#include <memory>

// A video output whose libvlc callbacks the test calls itself, the way libvlc calls them.
class DrivenOutput : public QmlVlcVideoOutput {
public:
    DrivenOutput() : QmlVlcVideoOutput(std::make_shared<vlc::player>()) {}
    using QmlVlcVideoOutput::video_cleanup_cb;
    using QmlVlcVideoOutput::video_display_cb;
    using QmlVlcVideoOutput::video_lock_cb;
    using QmlVlcVideoOutput::video_unlock_cb;

    unsigned format(unsigned w, unsigned h, unsigned* pitches, unsigned* lines) {
        char chroma[5] = {};
        unsigned width = w;
        unsigned height = h;
        const unsigned buffers = negotiateFormat(chroma, &width, &height, pitches, lines);
        EXPECT_STREQ(chroma, "I420");
        EXPECT_EQ(width, w) << "libvlc's width is not written back";
        EXPECT_EQ(height, h);
        return buffers;
    }

    // Negotiates a small picture size, for tests that only need pictures to flow.
    void smallFormat() {
        unsigned pitches[3];
        unsigned lines[3];
        format(64, 48, pitches, lines);
    }

    // One decoded picture: lock, fill, unlock, display.
    void* decode(char fill) {
        void* planes[3] = {};
        void* picture = video_lock_cb(planes);
        EXPECT_NE(planes[0], nullptr);
        static_cast<char*>(planes[0])[0] = fill;
        video_unlock_cb(picture, planes);
        video_display_cb(picture);
        return planes[0];
    }
};

// The client-side playlist of vlc::player on a real libvlc player.
#include "VlcTestSupport.h"
#include "qmlVlc/vlc/media_list_player.h"
#include "qmlVlc/vlc/player.h"

#include <gtest/gtest.h>
#include <memory>
#include <vector>

using VlcTestSupport::mediaPath;
using VlcTestSupport::waitUntil;

namespace {

class VlcPlaylistTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { s_instance = VlcTestSupport::newQuietInstance(); }
    static void TearDownTestSuite() {
        libvlc_release(s_instance);
        s_instance = nullptr;
    }

    void SetUp() override {
        ASSERT_NE(s_instance, nullptr);
        ASSERT_TRUE(player.open(s_instance));
    }

    // `count` distinct items of the given clip.
    void addItems(int count, const QString& clip = QStringLiteral("pattern.mp4")) {
        for (int i = 0; i < count; ++i) {
            media.push_back(vlc::media_ref::create(s_instance, mediaPath(clip).toStdString(), true));
            ASSERT_EQ(player.add_media(media.back()), i);
        }
    }

    bool waitForState(int state, int timeoutMs = 10000) {
        return waitUntil([&] { return player.get_state() == state; }, timeoutMs);
    }

    static libvlc_instance_t* s_instance;
    vlc::player player;
    std::vector<vlc::media_ref> media;
};

libvlc_instance_t* VlcPlaylistTest::s_instance = nullptr;

TEST_F(VlcPlaylistTest, FindPlayableSkipsDisabledItemsAndWrapsOnlyInLoopMode) {
    addItems(5);
    player.disable_item(0, true);
    player.disable_item(3, true);
    player.disable_item(4, true);

    player.set_playback_mode(1);
    EXPECT_EQ(player.find_playable(0, true), 1);
    EXPECT_EQ(player.find_playable(3, true), -1) << "normal mode does not wrap";
    EXPECT_EQ(player.find_playable(-7, true), 1) << "start is clamped to 0";
    EXPECT_EQ(player.find_playable(4, false), 2);
    EXPECT_EQ(player.find_playable(0, false), -1);
    EXPECT_EQ(player.find_playable(99, false), 2) << "start is clamped to the last item";

    player.set_playback_mode(2);
    EXPECT_EQ(player.find_playable(3, true), 1) << "loop mode wraps to the first enabled item";
    EXPECT_EQ(player.find_playable(0, false), 2) << "loop mode wraps backwards to the last enabled item";

    for (unsigned i = 0; i < 5; ++i) {
        player.disable_item(i, true);
    }
    EXPECT_EQ(player.find_playable(2, true), -1);
    EXPECT_EQ(player.find_playable(2, false), -1);
}

TEST_F(VlcPlaylistTest, NextAndPrevFollowThePlaybackMode) {
    addItems(3);
    player.set_playback_mode(1);
    ASSERT_TRUE(player.play(2));
    player.next();
    EXPECT_EQ(player.current_item(), 2) << "normal mode stops at the last item";
    player.set_playback_mode(2);
    player.next();
    EXPECT_EQ(player.current_item(), 0) << "loop mode wraps to the first item";
    EXPECT_EQ(player.current_media(), media[0]);

    player.set_playback_mode(1);
    player.prev();
    EXPECT_EQ(player.current_item(), 0) << "normal mode does not wrap backwards";
    player.set_playback_mode(2);
    player.disable_item(2, true);
    player.prev();
    EXPECT_EQ(player.current_item(), 1) << "loop mode wraps to the last enabled item";
    player.stop();
}

TEST_F(VlcPlaylistTest, PlayStartsAtItemZeroEvenWhenDisabled) {
    addItems(2);
    player.disable_item(0, true);
    player.play();
    EXPECT_EQ(player.current_item(), 0);
    EXPECT_EQ(player.current_media(), media[0]);
    EXPECT_TRUE(waitForState(libvlc_Playing));
    player.stop();
}

TEST_F(VlcPlaylistTest, PlayWithEmptyPlaylistPlaysTheMediaSetDirectly) {
    auto direct = vlc::media_ref::create(s_instance, mediaPath("pattern.mp4").toStdString(), true);
    player.handle().set_media(direct);
    player.play();
    EXPECT_TRUE(waitForState(libvlc_Playing));
    EXPECT_EQ(player.current_item(), -1);
    player.stop();
}

TEST_F(VlcPlaylistTest, DeletingTheCurrentItemWhilePlayingMovesOn) {
    addItems(3);
    ASSERT_TRUE(player.play(0));
    ASSERT_TRUE(waitForState(libvlc_Playing));

    ASSERT_TRUE(player.delete_item(0));
    EXPECT_EQ(player.item_count(), 2u);
    EXPECT_EQ(player.current_item(), 0);
    EXPECT_EQ(player.current_media(), media[1]) << "the item that slid into place starts";
    ASSERT_TRUE(waitForState(libvlc_Playing));

    ASSERT_TRUE(player.play(1));
    ASSERT_TRUE(waitUntil([&] { return player.current_media() == media[2]; }, 5000));
    ASSERT_TRUE(waitForState(libvlc_Playing));
    ASSERT_TRUE(player.delete_item(1));
    EXPECT_EQ(player.current_item(), 0) << "deleting the current, last item moves the index back";
    EXPECT_EQ(player.current_media(), media[2]) << "and starts no other item in normal mode";

    EXPECT_FALSE(player.delete_item(5));
    player.stop();
}

TEST_F(VlcPlaylistTest, AdvanceItemMovesItemsAndTheCurrentIndex) {
    addItems(4);
    player.set_current(0);
    player.advance_item(2, -2);
    EXPECT_EQ(player.get_media(0), media[2]);
    EXPECT_EQ(player.get_media(1), media[0]);
    EXPECT_EQ(player.current_item(), 1) << "current item 0 slides down";

    player.set_current(0); // the moved item (media[2])
    player.advance_item(0, 3);
    EXPECT_EQ(player.get_media(3), media[2]);
    EXPECT_EQ(player.current_item(), 3) << "the current index follows the moved item";

    player.set_current(2);
    player.advance_item(3, -1);
    EXPECT_EQ(player.current_item(), 3) << "moved item lands on the current one, which slides up";

    const int before = player.current_item();
    player.advance_item(1, 5);
    player.advance_item(1, -2);
    player.advance_item(1, 0);
    player.advance_item(9, -1);
    EXPECT_EQ(player.current_item(), before) << "moves out of range are ignored";
}

TEST_F(VlcPlaylistTest, ItemFlagsDataAndLookup) {
    addItems(2);
    player.set_item_data(1, "camera 7");
    EXPECT_EQ(player.get_item_data(1), "camera 7");
    EXPECT_EQ(player.get_item_data(7), "");
    EXPECT_EQ(player.find_media_index(media[1]), 1);
    EXPECT_EQ(player.find_media_index(vlc::media_ref()), -1);
    EXPECT_FALSE(player.is_item_disabled(9));
    EXPECT_TRUE(player.get_media(2).empty());
    player.clear_items();
    EXPECT_EQ(player.item_count(), 0u);
    EXPECT_EQ(player.current_item(), -1);
}

TEST_F(VlcPlaylistTest, PlaylistHoldsAtMost32767Items) {
    auto one = vlc::media_ref::create(s_instance, mediaPath("pattern.mp4").toStdString(), true);
    for (int i = 0; i < 32766; ++i) {
        ASSERT_EQ(player.add_media(one), i);
    }
    EXPECT_EQ(player.add_media(one), 32766);
    EXPECT_EQ(player.add_media(one), -1);
    EXPECT_EQ(player.item_count(), 32767u);
}

TEST_F(VlcPlaylistTest, ClosedPlayerRefusesAndIgnoresEverything) {
    vlc::player closed;
    auto one = vlc::media_ref::create(s_instance, mediaPath("pattern.mp4").toStdString(), true);
    EXPECT_EQ(closed.add_media(one), -1);
    EXPECT_EQ(closed.add_media("file:///x.mp4", 0, nullptr, 0, nullptr), -1);
    EXPECT_EQ(closed.get_state(), 0);
    EXPECT_EQ(closed.playback().get_length(), 0);
    EXPECT_EQ(closed.audio().get_track(), -1);
    closed.play();
    closed.audio().set_volume(50);
    EXPECT_EQ(closed.audio().get_volume(), 0u);
    EXPECT_FALSE(closed.open(nullptr));
}

TEST_F(VlcPlaylistTest, MediaListPlayerKeepsItsModeForSingleAndCountsItems) {
    vlc::media_list_player list;
    ASSERT_TRUE(list.open(s_instance));
    EXPECT_EQ(list.get_playback_mode(), 1);
    list.set_playback_mode(2);
    list.set_playback_mode(0);
    EXPECT_EQ(list.get_playback_mode(), 2) << "single has no list-player counterpart";
    auto a = vlc::media_ref::create(s_instance, mediaPath("pattern.mp4").toStdString(), true);
    auto b = vlc::media_ref::create(s_instance, mediaPath("short.mp4").toStdString(), true);
    EXPECT_EQ(list.add_media(a), 0);
    EXPECT_EQ(list.add_media(b), 1);
    EXPECT_EQ(list.item_count(), 2u);
    EXPECT_EQ(list.find_media_index(b), 1);
    EXPECT_EQ(list.get_media(0), a);
    EXPECT_TRUE(list.delete_item(0));
    EXPECT_FALSE(list.delete_item(4));
    list.clear_items();
    EXPECT_EQ(list.item_count(), 0u);
}

TEST(VlcMediaRef, StreamDescriptionsOpenThroughAvformat) {
    const std::vector<std::string> expected = {":demux=avformat",
                                               ":avformat-options={protocol_whitelist=file,udp,rtp}"};
    EXPECT_EQ(vlc::media_ref::stream_description_options("/var/lib/tileSdp/17.sdp"), expected);
    EXPECT_EQ(vlc::media_ref::stream_description_options("file:///tmp/CAM.SDP"), expected);
    EXPECT_EQ(vlc::media_ref::stream_description_options("file:///tmp/cam.sdp?x=1"), expected);
    EXPECT_TRUE(vlc::media_ref::stream_description_options("/tmp/clip.mp4").empty());
    EXPECT_TRUE(vlc::media_ref::stream_description_options("rtsp://host/sdp").empty());
}

} // namespace

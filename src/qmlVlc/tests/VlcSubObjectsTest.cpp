// The QML sub-objects: marquee/logo positions, subtitle loading limits and the media description.
#include "VlcTestSupport.h"
#include "qmlVlc/QmlVlcMediaMedia.h"
#include "qmlVlc/QmlVlcPlayer.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

using VlcTestSupport::mediaPath;
using VlcTestSupport::waitUntil;

namespace {

TEST(QmlVlcMarquee, PositionNamesFollowLibvlcValues) {
    EXPECT_EQ(QmlVlcMarquee::positionName(0), "center");
    EXPECT_EQ(QmlVlcMarquee::positionName(6), "top-right");
    EXPECT_EQ(QmlVlcMarquee::positionName(10), "bottom-right");
    EXPECT_EQ(QmlVlcMarquee::positionName(3), "") << "3 and 7 have no name";
    EXPECT_EQ(QmlVlcMarquee::positionName(7), "");
    EXPECT_EQ(QmlVlcMarquee::positionName(11), "");
    EXPECT_EQ(QmlVlcMarquee::positionName(-1), "");
    EXPECT_EQ(QmlVlcMarquee::positionValue("bottom-left"), 9);
    EXPECT_EQ(QmlVlcMarquee::positionValue("top"), 4);
    EXPECT_EQ(QmlVlcMarquee::positionValue("middle"), -1);
    EXPECT_EQ(QmlVlcMarquee::positionValue(""), -1) << "the nameless values are not reachable by name";
}

class VlcSubObjectsTest : public ::testing::Test {
protected:
    void SetUp() override {
        VlcTestSupport::configureQuietLibvlc();
        player = std::make_unique<QmlVlcPlayer>();
        player->classBegin();
    }
    std::unique_ptr<QmlVlcPlayer> player;
};

TEST_F(VlcSubObjectsTest, SubtitlesFromStringsAreLimitedInTypeSizeAndCount) {
    QSignalSpy playing(player.get(), &QmlVlcPlayerProxy::mediaPlayerPlaying);
    player->play(mediaPath("pattern.mp4"));
    ASSERT_TRUE(waitUntil([&] { return playing.count() > 0; }, 10000));
    QmlVlcSubtitle* subtitle = player->subtitle();
    const QByteArray srt = "1\n00:00:00,000 --> 00:00:01,000\nCamera 7\n";

    EXPECT_FALSE(subtitle->loadFromString(srt, static_cast<QmlVlcSubtitle::Type>(5))) << "unknown type";
    EXPECT_FALSE(subtitle->loadFromString(QByteArray(QmlVlcSubtitle::maxStringBytes + 1, 'x'),
                                          QmlVlcSubtitle::Subrip));
    EXPECT_EQ(subtitle->loadedCount(), 0);
    for (int i = 0; i < QmlVlcSubtitle::maxLoadedFiles; ++i) {
        ASSERT_TRUE(subtitle->loadFromString(srt, QmlVlcSubtitle::Subrip)) << "file " << i;
    }
    EXPECT_FALSE(subtitle->loadFromString(srt, QmlVlcSubtitle::Subrip)) << "the 31st is refused";

    QSignalSpy error(subtitle, &QmlVlcSubtitle::loadError);
    subtitle->load(QUrl::fromLocalFile(mediaPath("missing.srt")));
    EXPECT_EQ(error.count(), 0) << "ignored at the limit";

    subtitle->reset(); // what a media change does
    EXPECT_EQ(subtitle->loadedCount(), 0);
    EXPECT_TRUE(subtitle->loadFromString(srt, QmlVlcSubtitle::Vtt));
    player->stop();
}

TEST_F(VlcSubObjectsTest, MediaDescriptionReachesItsPlaylistItem) {
    QmlVlcPlaylist* playlist = player->playlist();
    ASSERT_EQ(playlist->add(QUrl::fromLocalFile(mediaPath("pattern.mp4")).toString()), 0);
    ASSERT_EQ(playlist->add(QUrl::fromLocalFile(mediaPath("short.mp4")).toString()), 1);

    QmlVlcMediaMedia second(player.get(), player->player().get_media(1));
    second.setSetting(QStringLiteral("{\"device\":7}"));
    second.setDisabled(true);
    EXPECT_EQ(player->player().get_item_data(1), "{\"device\":7}");
    EXPECT_TRUE(player->player().is_item_disabled(1));
    EXPECT_FALSE(player->player().is_item_disabled(0));
    EXPECT_TRUE(second.mrl().endsWith(QStringLiteral("short.mp4")));

    QSignalSpy title(&second, &QmlVlcMedia::titleChanged);
    second.setTitle(QStringLiteral("Gate"));
    EXPECT_EQ(second.title(), QStringLiteral("Gate"));
    EXPECT_EQ(title.count(), 1);

    playlist->removeItem(1);
    EXPECT_EQ(second.setting(), QString()) << "no longer in the playlist";
    EXPECT_FALSE(second.disabled());

    auto orphan = std::make_unique<QmlVlcMediaMedia>(player.get(), player->player().get_media(0));
    player.reset();
    EXPECT_EQ(orphan->setting(), QString()) << "the player is gone";
    orphan->setDisabled(true);
}

} // namespace

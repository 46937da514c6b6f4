// libvlc arguments, instance sharing and the trusted media options of QmlVlcConfig.
#include "VlcTestSupport.h"
#include "qmlVlc/QmlVlcConfig.h"

#include <gtest/gtest.h>

namespace {

TEST(QmlVlcConfig, StartUpSettingsGiveExactlyTheProgramsArguments) {
    QmlVlcConfig& config = QmlVlcConfig::instance();
    config.setExtraArguments({});
    config.setMarqueeFilterEnabled(false);
    config.setAdjustFilterEnabled(false);
    config.setLogoFilterEnabled(false);
    config.setDebugLogEnabled(false);
    config.setNetworkCachingMs(250);
    config.setHardwareDecodingEnabled(true);
    EXPECT_EQ(config.arguments(),
              (QStringList{"--network-caching", "250", "--no-video-title-show", "--avcodec-hw=any"}));

    config.setMarqueeFilterEnabled(true);
    config.setLogoFilterEnabled(true);
    config.setAdjustFilterEnabled(true);
    config.setDebugLogEnabled(true);
    config.setVideoTitleHidden(false);
    config.setHardwareDecodingEnabled(false);
    config.setNetworkCachingMs(-1);
    EXPECT_EQ(config.arguments(), (QStringList{"--video-filter=adjust", "--sub-filter=marq:logo", "-vvv"}));
    config.setMarqueeFilterEnabled(false);
    EXPECT_EQ(config.arguments(), (QStringList{"--video-filter=adjust", "--sub-filter=logo", "-vvv"}));

    config.setLogoFilterEnabled(false);
    config.setAdjustFilterEnabled(false);
    config.setDebugLogEnabled(false);
    config.setVideoTitleHidden(true);
}

TEST(QmlVlcConfig, OneCountedInstanceIsSharedAndReleasedWithTheLastUser) {
    QmlVlcConfig& config = QmlVlcConfig::instance();
    VlcTestSupport::configureQuietLibvlc();
    ASSERT_EQ(config.instanceRefCount(), 0);
    libvlc_instance_t* first = config.acquireInstance();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(config.acquireInstance(), first);
    EXPECT_EQ(config.instanceRefCount(), 2);
    config.releaseInstance(reinterpret_cast<libvlc_instance_t*>(0x1234));
    EXPECT_EQ(config.instanceRefCount(), 2) << "a foreign pointer is ignored";
    config.releaseInstance(first);
    config.releaseInstance(first);
    EXPECT_EQ(config.instanceRefCount(), 0);
    config.releaseInstance(first);
    EXPECT_EQ(config.instanceRefCount(), 0) << "no count below zero";
}

TEST(QmlVlcConfig, OnlyTableOptionsWithTheirValuesAreTrusted) {
    QmlVlcConfig& config = QmlVlcConfig::instance();
    EXPECT_TRUE(config.isMediaOptionTrusted(":demux=h264"));
    EXPECT_TRUE(config.isMediaOptionTrusted("  :demux = h264 "));
    EXPECT_FALSE(config.isMediaOptionTrusted(":demux=avformat"));
    EXPECT_TRUE(config.isMediaOptionTrusted(":h264-fps=12.5"));
    EXPECT_TRUE(config.isMediaOptionTrusted(":rtsp-http-port=8080"));
    EXPECT_TRUE(config.isMediaOptionTrusted(":avformat-format=mxg"));
    EXPECT_FALSE(config.isMediaOptionTrusted(":avformat-format=mp4"));
    EXPECT_FALSE(config.isMediaOptionTrusted(":h264-fps")) << "no value";
    EXPECT_FALSE(config.isMediaOptionTrusted(":h264-fps=1=2")) << "two equals signs";
    EXPECT_FALSE(config.isMediaOptionTrusted(":sout=#file{dst=/etc/passwd}"));
    config.setTrustAllOptions(true);
    EXPECT_TRUE(config.isMediaOptionTrusted(":sout=#file{dst=/tmp/x}"));
    config.setTrustAllOptions(false);
}

} // namespace

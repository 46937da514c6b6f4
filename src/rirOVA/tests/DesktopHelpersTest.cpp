#include "rirOVA/desktop/DesktopUtils.h"
#include "rirOVA/desktop/EventFilter.h"
#include "rirOVA/translator/Translator.h"

#include <QCoreApplication>
#include <QCursor>
#include <QDir>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QSignalSpy>
#include <memory>

#include <gtest/gtest.h>

namespace {

// Counts the events that get past the filter.
class Receiver : public QObject {
public:
    int keys = 0;
    int mouse = 0;
    bool event(QEvent* event) override {
        if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
            ++keys;
        } else if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseMove) {
            ++mouse;
        }
        return QObject::event(event);
    }
};

QString overrideShape() {
    const QCursor* cursor = QGuiApplication::overrideCursor();
    return cursor ? QString::number(cursor->shape()) : QStringLiteral("none");
}

} // namespace

TEST(EventFilterTest, ReportsInputAndPassesEveryEventOn) {
    ClientBase::EventFilter filter;
    Receiver receiver;
    receiver.installEventFilter(&filter);
    QSignalSpy pressed(&filter, &ClientBase::EventFilter::keyPressed);
    QSignalSpy released(&filter, &ClientBase::EventFilter::keyReleased);
    QSignalSpy mousePressed(&filter, &ClientBase::EventFilter::mouseButtonPressed);
    QSignalSpy moved(&filter, &ClientBase::EventFilter::mouseMove);
    QSignalSpy focusOut(&filter, &ClientBase::EventFilter::focusOut);

    QKeyEvent press(QEvent::KeyPress, Qt::Key_F5, Qt::ControlModifier, QString(), true);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_F5, Qt::NoModifier);
    QCoreApplication::sendEvent(&receiver, &press);
    QCoreApplication::sendEvent(&receiver, &release);
    ASSERT_EQ(pressed.count(), 1);
    EXPECT_EQ(pressed.at(0).at(0).toInt(), static_cast<int>(Qt::Key_F5));
    EXPECT_EQ(pressed.at(0).at(1).toInt(), static_cast<int>(Qt::ControlModifier));
    EXPECT_TRUE(pressed.at(0).at(2).toBool());
    ASSERT_EQ(released.count(), 1);
    EXPECT_FALSE(released.at(0).at(2).toBool());
    EXPECT_EQ(receiver.keys, 2);

    QMouseEvent click(QEvent::MouseButtonPress, QPointF(3, 4), QPointF(103, 204), QPointF(103, 204),
                      Qt::RightButton, Qt::RightButton, Qt::NoModifier);
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 6), QPointF(105, 206), QPointF(305, 406), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&receiver, &click);
    QCoreApplication::sendEvent(&receiver, &move);
    ASSERT_EQ(mousePressed.count(), 1);
    EXPECT_EQ(mousePressed.at(0).at(0).toPointF(), QPointF(3, 4));
    EXPECT_EQ(mousePressed.at(0).at(1).toInt(), static_cast<int>(Qt::RightButton));
    ASSERT_EQ(moved.count(), 1);
    EXPECT_EQ(moved.at(0).at(0).toPointF(), QPointF(305, 406));
    EXPECT_EQ(moved.at(0).at(1).toPointF(), QPointF(5, 6));
    EXPECT_EQ(receiver.mouse, 2);

    QFocusEvent focus(QEvent::FocusOut);
    QCoreApplication::sendEvent(&receiver, &focus);
    EXPECT_EQ(focusOut.count(), 1);
}

TEST(DesktopUtilsTest, CursorShapesStackOverrides) {
    ClientBase::DesktopUtils utils;
    QSignalSpy changed(&utils, &ClientBase::DesktopUtils::cursorShapeChanged);
    ASSERT_EQ(overrideShape(), "none");

    utils.setCursorShape(Qt::WaitCursor);
    EXPECT_EQ(overrideShape(), QString::number(Qt::WaitCursor));
    utils.setCursorShape(Qt::WaitCursor); // unchanged: nothing pushed, nothing emitted
    EXPECT_EQ(changed.count(), 1);
    utils.setCursorShape(Qt::ArrowCursor);
    EXPECT_EQ(overrideShape(), "none");

    utils.setCursorShape(Qt::WaitCursor);
    utils.setCursorShape(Qt::CrossCursor);
    EXPECT_EQ(overrideShape(), QString::number(Qt::CrossCursor));
    utils.setProperty("cursorShape", QVariant::fromValue(Qt::ArrowCursor));
    // One return to the arrow pops only the top override.
    EXPECT_EQ(overrideShape(), QString::number(Qt::WaitCursor));
    ASSERT_EQ(changed.count(), 5);
    EXPECT_EQ(changed.at(1).at(0).value<Qt::CursorShape>(), Qt::ArrowCursor);
    EXPECT_EQ(utils.cursorShape(), Qt::ArrowCursor);
    QGuiApplication::restoreOverrideCursor();
}

TEST(DesktopUtilsTest, PathsObjectsAndClipboard) {
    ClientBase::DesktopUtils utils;
    EXPECT_EQ(utils.urlToPath(QUrl("file:///tmp/a%20b/clip.mp4")), "/tmp/a b/clip.mp4");
    EXPECT_EQ(utils.pathToDir("/tmp/x/../y/clip.mp4"), "/tmp/y");
    EXPECT_EQ(utils.exportDir(), QDir::currentPath());

    EXPECT_EQ(utils.findChildByName(nullptr, "x"), nullptr);
    EXPECT_TRUE(utils.findChildrenByName(nullptr, "x").isEmpty());
    QObject root;
    auto* child = new QObject(&root);
    auto* grandChild = new QObject(child);
    grandChild->setObjectName("target");
    auto* second = new QObject(&root);
    second->setObjectName("target");
    // Qt looks at the direct children before their descendants.
    EXPECT_EQ(utils.findChildByName(&root, "target"), second);
    EXPECT_EQ(utils.findChildByName(child, "target"), grandChild);
    EXPECT_EQ(utils.findChildrenByName(&root, "target").size(), 2);

    EXPECT_TRUE(utils.idToString(nullptr).isEmpty());
    EXPECT_TRUE(utils.idToString(&root).isEmpty());
    QQmlEngine engine;
    QQmlComponent component(&engine);
    component.setData("import QtQml 2.12\nQtObject { property QtObject inner: QtObject { id: innerItem } }",
                      QUrl());
    std::unique_ptr<QObject> object(component.create());
    ASSERT_TRUE(object) << component.errorString().toStdString();
    EXPECT_EQ(utils.idToString(object->property("inner").value<QObject*>()), "innerItem");

    utils.setClipboardText("Камера 1");
    EXPECT_EQ(utils.getClipboardText(), "Камера 1");
    EXPECT_EQ(utils.qtVersion(), QT_VERSION_STR);
    EXPECT_EQ(utils.buildDate().size(), 11);
}

TEST(TranslatorTest, SwitchesBetweenRussianAndEnglish) {
    QQmlEngine engine;
    DodEzoviviZudorOzerir::Translator translator(&engine);
    QQmlComponent component(&engine);
    component.setData("import QtQml 2.12\nQtObject { property string text: "
                      "qsTranslate(\"ClientController::PrivateYoutubeTypeController\", \"Public\") }",
                      QUrl());
    std::unique_ptr<QObject> object(component.create());
    ASSERT_TRUE(object) << component.errorString().toStdString();
    const auto translated = []() {
        return QCoreApplication::translate("ClientController::PrivateYoutubeTypeController", "Public");
    };
    ASSERT_EQ(translated(), "Public");

    translator.setLocale("ru");
    const QString russian = QStringLiteral("Открытый доступ");
    EXPECT_EQ(translated(), russian);
    // The engine re-evaluated the binding.
    EXPECT_EQ(object->property("text").toString(), russian);

    translator.setLocale("de");
    EXPECT_EQ(translated(), russian);

    translator.setLocale("en");
    EXPECT_EQ(translated(), "Public");
    EXPECT_EQ(object->property("text").toString(), "Public");
}

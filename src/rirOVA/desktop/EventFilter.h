#pragma once

#include <QObject>
#include <QPointF>

namespace ClientBase {

// A tap on the input events of the application (and of the windows it is installed on) for QML.
// It only reports: every event goes on unchanged.
class EventFilter : public QObject {
    Q_OBJECT
public:
    explicit EventFilter(QObject* parent = nullptr);
    ~EventFilter() override;

    bool eventFilter(QObject* watched, QEvent* event) override;

Q_SIGNALS:
    void keyPressed(int key, int modifiers, bool isAutoRepeat);
    void keyReleased(int key, int modifiers, bool isAutoRepeat);
    void mouseButtonPressed(QPointF localPos, int button);
    void mouseButtonReleased(QPointF localPos, int button);
    void mouseButtonDblClick(QPointF localPos, int button);
    void mouseMove(QPointF screenPos, QPointF localPos);
    void focusOut();
};

} // namespace ClientBase

#pragma once

#include <QFrame>

#include <functional>

namespace pecunor {

// The thin bar between the input panel and the pages. It only reports the
// pointer; the window decides where the bar and the panes go.
class SplitterBar : public QFrame {
    Q_OBJECT

public:
    explicit SplitterBar(QWidget* parent = nullptr);

    std::function<void()> onPress;
    // The pointer's x relative to the bar, while exactly the left button is held.
    std::function<void(int)> onDrag;
    std::function<void()> onRelease;

    // Flat while held, raised at rest.
    void setHeld(bool held);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace pecunor

#pragma once

#include <QWidget>

namespace pecunor {

// A line that screen readers speak when it is told, wherever the focus is:
// to readers a notification that appears with the text, in a window of
// its own that is never on the screen.
// A page that changes under the focused control, or a line that a choice
// rewrites, is heard this way.
class ReaderNotice : public QWidget {
    Q_OBJECT

public:
    explicit ReaderNotice(QWidget* owner);

    // Spoken only while the owner is shown and a reader listens.
    void tell(const QString& text);
};

}  // namespace pecunor

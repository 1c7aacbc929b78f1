#pragma once

#include <QFrame>
#include <QLabel>
#include <QStringList>

#include <utility>

// Widgets of the main window that screen readers meet in a form of their own,
// told apart by their types.
namespace pecunor {

// The input panel: a group of controls to readers, not a window frame.
class InputPanel : public QFrame {
    Q_OBJECT

public:
    using QFrame::QFrame;
};

// The summary's captions, which read as the whole summary: a list of
// "caption: value" lines.
class SummaryCaptions : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;
    const QStringList& readerLines() const { return readerLines_; }
    void setReaderLines(QStringList lines) { readerLines_ = std::move(lines); }

private:
    QStringList readerLines_;
};

// The summary's values, which readers hear through the captions' lines.
class SummaryValues : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;
};

}  // namespace pecunor

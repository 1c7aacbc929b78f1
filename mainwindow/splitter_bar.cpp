#include "splitter_bar.h"

#include <QMouseEvent>

namespace pecunor {

SplitterBar::SplitterBar(QWidget* parent) : QFrame(parent)
{
    setCursor(Qt::SizeHorCursor);
    setFocusPolicy(Qt::NoFocus);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::Active, QPalette::Highlight));
    setPalette(colours);
    setHeld(false);
}

void SplitterBar::setHeld(bool held)
{
    setFrameStyle(held ? QFrame::NoFrame : (QFrame::Panel | QFrame::Raised));
    setLineWidth(1);
}

void SplitterBar::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && onPress)
        onPress();
}

void SplitterBar::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() == Qt::LeftButton && event->modifiers() == Qt::NoModifier && onDrag)
        onDrag(qRound(event->position().x()));
}

void SplitterBar::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && onRelease)
        onRelease();
}

}  // namespace pecunor

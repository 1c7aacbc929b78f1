#include "reader_notice.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>

namespace pecunor {

namespace {

// A notification of the program rather than of the window: readers speak
// a notification with the names and labels of the windows around it.
class NoticeAccessible : public QAccessibleWidget {
public:
    explicit NoticeAccessible(QWidget* notice) : QAccessibleWidget(notice, QAccessible::Notification) { }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(qApp); }
};

QAccessibleInterface* noticeAccessible(const QString&, QObject* object)
{
    auto* notice = qobject_cast<ReaderNotice*>(object);
    return notice ? new NoticeAccessible(notice) : nullptr;
}

}  // namespace

ReaderNotice::ReaderNotice(QWidget* owner) : QWidget(owner, Qt::Tool | Qt::FramelessWindowHint)
{
    static const bool installed = [] {
        QAccessible::installFactory(&noticeAccessible);
        return true;
    }();
    (void)installed;
    setFocusPolicy(Qt::NoFocus);
    // A window of its own that is never on the screen.
    setAttribute(Qt::WA_DontShowOnScreen);
    setAttribute(Qt::WA_ShowWithoutActivating);
}

void ReaderNotice::tell(const QString& text)
{
    if (!QAccessible::isActive() || !parentWidget()->isVisible() || text.isEmpty())
        return;
    setAccessibleName(text);
    // Readers speak a notification as it appears.
    hide();
    show();
}

}  // namespace pecunor

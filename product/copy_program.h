#pragma once

#include <QDialog>
#include <QLabel>
#include <QList>
#include <QMessageBox>
#include <QString>

#include <functional>

#include "program_folders.h"

class QComboBox;
class QFrame;
class QPushButton;

namespace pecunor {

// A mounted volume the program can be copied to, named by its mount point.
struct CopyVolume {
    QString mountPoint;
    QString label;  // the volume's own name; empty when it has none
    bool removable = false;
    bool network = false;
};

// The mounted volumes: removable media first, each group in mount point
// order; read-only volumes other than removable media are left out.
QList<CopyVolume> mountedCopyVolumes();
QList<CopyVolume> removableFirst(QList<CopyVolume> volumes);

// A USB stick, card or disc: the kernel says the disk is removable, or the
// desktop mounted it where it mounts media.
bool isRemovableVolume(const QString& device, const QString& mountPoint);

// "/media/stick [STICK]", as the drive list shows a volume.
QString volumeCaption(const CopyVolume& volume);

// The product's folder on the volume, with one separator after a root.
QString copyTargetFolder(const QString& mountPoint);

enum class CopyOutcome { Done, SameFolder, DriveError, MissingFile, CopyError };

// Copies the shipped files from their folders into the product's folder on
// the volume, keeping their dates; stops at the first fault. reason (when
// given) receives the system's words for a drive or copy error.
CopyOutcome copyShippedFiles(const QString& mountPoint, const ProgramFolders& folders, QString* reason = nullptr);

// What the user is told of an outcome; the system's reason, when known,
// follows on a line of its own.
struct CopyMessage {
    QMessageBox::Icon icon;
    QString text;
};
CopyMessage copyOutcomeMessage(CopyOutcome outcome, const QString& mountPoint, const QString& reason = QString());

struct CopyProgramServices {
    std::function<QList<CopyVolume>()> volumes;
    std::function<void(QWidget* parent, const CopyMessage& message)> showMessage;
    std::function<void()> beep;
    ProgramFolders folders;

    // The mounted volumes, message boxes with one OK button, the system's
    // beep, and the folders of the running program.
    static CopyProgramServices desktop();
};

// One line that shortens its text in the middle when it has less room than
// the text needs, as a path is shortened; text() stays whole. It asks for
// room for at most 60 characters, so that a deep path does not widen its
// window beyond reason.
class ElidedLabel : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return {0, sizeHint().height()}; }

protected:
    void paintEvent(QPaintEvent* event) override;
};

// Help > Copy Program for a Friend: copies the shipped files to a folder
// named after the product on the volume the user picks.
class TfrmCopyProgram : public QDialog {
    Q_OBJECT

public:
    static constexpr int clientWidth = 324;
    static constexpr int clientHeight = 192;

    explicit TfrmCopyProgram(CopyProgramServices services, QWidget* parent = nullptr);

    QFrame* tabMain;
    QLabel* lblCopy;
    QComboBox* cboDrive;
    ElidedLabel* lblTarget;
    QPushButton* btnCopy;
    QPushButton* btnCancel;

private:
    void FormCreate();
    void cboDriveChange();
    void btnCopyClick();
    QString selectedMountPoint() const;

    CopyProgramServices services_;
    QList<CopyVolume> volumes_;
};

// Opens the dialog modally; it is gone again when this returns.
void showCopyProgramDialog(QWidget* parent);

}  // namespace pecunor

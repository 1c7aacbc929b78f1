#include "copy_program.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStorageInfo>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

#include "platform/wait_cursor.h"
#include "product_constants.h"
#include "reader_notice.h"
#include "setup_utilities.h"

namespace pecunor {
namespace {

QString fromView(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

bool isNetworkFileSystem(const QByteArray& type)
{
    static const QList<QByteArray> network{"nfs", "nfs4", "cifs", "smb3", "smbfs", "fuse.sshfs", "9p"};
    return network.contains(type);
}

// The same folder whatever the spelling of the path: links resolved where
// the folder exists.
QString comparablePath(const QString& path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

QString sourceFolder(char placement, const ProgramFolders& folders)
{
    switch (placement) {
    case '1': return folders.WindowsFolder;
    case '2': return folders.SystemFolder;
    default: return folders.ProgramFolder;
    }
}

}  // namespace

bool isRemovableVolume(const QString& device, const QString& mountPoint)
{
    for (const char* mediaFolder : {"/media/", "/run/media/"}) {
        if (mountPoint.startsWith(QLatin1String(mediaFolder)))
            return true;
    }
    const QString deviceName = QFileInfo(QFileInfo(device).canonicalFilePath()).fileName();
    if (deviceName.isEmpty())
        return false;
    QString disk = QFileInfo(QStringLiteral("/sys/class/block/") + deviceName).canonicalFilePath();
    if (disk.isEmpty())
        return false;
    // A partition's flag is its disk's.
    if (QFileInfo::exists(disk + QStringLiteral("/partition")))
        disk = QFileInfo(disk).path();
    QFile flag(disk + QStringLiteral("/removable"));
    return flag.open(QIODevice::ReadOnly) && flag.read(1) == "1";
}

QList<CopyVolume> removableFirst(QList<CopyVolume> volumes)
{
    std::stable_sort(volumes.begin(), volumes.end(), [](const CopyVolume& a, const CopyVolume& b) {
        if (a.removable != b.removable)
            return a.removable;
        return a.mountPoint < b.mountPoint;
    });
    return volumes;
}

QList<CopyVolume> mountedCopyVolumes()
{
    QList<CopyVolume> volumes;
    for (const QStorageInfo& storage : QStorageInfo::mountedVolumes()) {
        if (!storage.isValid() || !storage.isReady())
            continue;
        CopyVolume volume{storage.rootPath(), storage.name(),
                          isRemovableVolume(QString::fromLocal8Bit(storage.device()), storage.rootPath()),
                          isNetworkFileSystem(storage.fileSystemType())};
        // A read-only disk that is not a medium can never take a copy.
        if (storage.isReadOnly() && !volume.removable)
            continue;
        volumes.append(volume);
    }
    return removableFirst(volumes);
}

QString volumeCaption(const CopyVolume& volume)
{
    return volume.label.isEmpty() ? volume.mountPoint : QStringLiteral("%1 [%2]").arg(volume.mountPoint, volume.label);
}

QString copyTargetFolder(const QString& mountPoint) { return QDir(mountPoint).filePath(fromView(Product.ProductName)); }

CopyOutcome copyShippedFiles(const QString& mountPoint, const ProgramFolders& folders, QString* reason)
{
    const QString target = copyTargetFolder(mountPoint);
    if (comparablePath(target) == comparablePath(folders.ProgramFolder))
        return CopyOutcome::SameFolder;
    if (!makeFolders(target, reason))
        return CopyOutcome::DriveError;
    for (std::size_t i = 0; i < Product.ShippedFiles.size(); ++i) {
        const QString name = fromView(Product.ShippedFiles[i]);
        const QString source = QDir(sourceFolder(Product.FilePlacement[i], folders)).filePath(name);
        if (!QFileInfo::exists(source))
            return CopyOutcome::MissingFile;
        try {
            copyFileKeepDate(source, QDir(target).filePath(name));
        } catch (const FileCopyError& error) {
            if (reason)
                *reason = error.reason();
            return CopyOutcome::CopyError;
        }
    }
    return CopyOutcome::Done;
}

CopyMessage copyOutcomeMessage(CopyOutcome outcome, const QString& mountPoint, const QString& reason)
{
    // A full drive wants room, not another disk.
    const bool full = isDiskFull(reason);
    const QString reasonLine = reason.isEmpty() ? QString() : QStringLiteral("\n\n") + reason;
    switch (outcome) {
    case CopyOutcome::Done: return {QMessageBox::Information, TfrmCopyProgram::tr("Done!")};
    case CopyOutcome::SameFolder:
        return {QMessageBox::Critical,
                TfrmCopyProgram::tr("Cannot copy to the same directory this program is running from.")};
    case CopyOutcome::DriveError:
        return {QMessageBox::Critical,
                (full ? TfrmCopyProgram::tr("Error writing to drive %1. Please make room on it and try again.")
                      : TfrmCopyProgram::tr("Error writing to drive %1. If this is a removable drive make sure there "
                                            "is a disk in the drive and try again."))
                        .arg(mountPoint) +
                    reasonLine};
    case CopyOutcome::MissingFile:
        return {QMessageBox::Critical,
                TfrmCopyProgram::tr("One or more files are missing from the original installation. Please obtain a "
                                    "new copy from our web site.")};
    case CopyOutcome::CopyError:
        return {QMessageBox::Critical,
                (full ? TfrmCopyProgram::tr("An error occurred copying the files: drive %1 is full. Please make room "
                                            "on it and try again.")
                            .arg(mountPoint)
                      : TfrmCopyProgram::tr("An error occurred copying the files. Please make sure you have a disk in "
                                            "the floppy drive and try again.")) +
                    reasonLine};
    }
    return {QMessageBox::Critical, QString()};
}

CopyProgramServices CopyProgramServices::desktop()
{
    CopyProgramServices services;
    services.volumes = &mountedCopyVolumes;
    services.showMessage = [](QWidget* parent, const CopyMessage& message) {
        QMessageBox box(message.icon, fromView(Product.ProductName), message.text, QMessageBox::Ok, parent);
        box.exec();
    };
    services.beep = &QApplication::beep;
    services.folders = programFolders();
    return services;
}

QSize ElidedLabel::sizeHint() const
{
    constexpr int widestInCharacters = 60;
    const QSize whole = QLabel::sizeHint();
    return {std::min(whole.width(), fontMetrics().averageCharWidth() * widestInCharacters), whole.height()};
}

void ElidedLabel::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    const QRect area = contentsRect();
    style()->drawItemText(&painter, area, int(alignment()), palette(), isEnabled(),
                          fontMetrics().elidedText(text(), Qt::ElideMiddle, area.width()), foregroundRole());
}

TfrmCopyProgram::TfrmCopyProgram(CopyProgramServices services, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      services_(std::move(services))
{
    setObjectName(QStringLiteral("frmCopyProgram"));
    tabMain = new QFrame(this);
    tabMain->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    lblCopy = new QLabel(tabMain);
    lblCopy->setWordWrap(true);
    lblCopy->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    cboDrive = new QComboBox(tabMain);
    // A long volume name is shortened in the box rather than widening the dialog.
    cboDrive->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cboDrive->setMinimumContentsLength(24);
    lblTarget = new ElidedLabel(tabMain);
    // The spacing as designed: the box 6 pixels below the text, its target
    // line 3 below the box.
    auto* frameColumn = new QVBoxLayout(tabMain);
    frameColumn->setContentsMargins(14, 14, 14, 6);
    frameColumn->setSpacing(3);
    frameColumn->addWidget(lblCopy);
    frameColumn->addSpacing(3);
    frameColumn->addStretch();
    frameColumn->addWidget(cboDrive);
    frameColumn->addWidget(lblTarget);

    btnCopy = new QPushButton(tr("Copy"), this);
    btnCopy->setDefault(true);
    btnCancel = new QPushButton(tr("Cancel"), this);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    buttonRow->addWidget(btnCopy);
    buttonRow->addWidget(btnCancel);
    auto* dialogColumn = new QVBoxLayout(this);
    dialogColumn->setContentsMargins(6, 6, 6, 6);
    dialogColumn->setSpacing(5);
    dialogColumn->addWidget(tabMain, 1);
    dialogColumn->addLayout(buttonRow);

    cboDrive->setAccessibleName(tr("Drive"));
    connect(cboDrive, &QComboBox::currentIndexChanged, this, &TfrmCopyProgram::cboDriveChange);
    // Readers hear the new target, which the chosen drive rewrites below the box.
    auto* notice = new ReaderNotice(this);
    connect(cboDrive, &QComboBox::currentIndexChanged, notice, [this, notice] { notice->tell(lblTarget->text()); });
    connect(btnCopy, &QPushButton::clicked, this, &TfrmCopyProgram::btnCopyClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    FormCreate();
}

void TfrmCopyProgram::FormCreate()
{
    const QString product = fromView(Product.ProductName);
    setWindowTitle(tr("Copy %1 for a Friend").arg(product));
    lblCopy->setText(tr("Select the drive, for instance a USB stick, to copy %1 to. A folder named after the program "
                        "is made there, holding all of its files, the setup program among them, so that your friend "
                        "can install %1 from it.")
                         .arg(product));
    volumes_ = services_.volumes();
    for (const CopyVolume& volume : volumes_) {
        const QStyle::StandardPixmap icon = volume.removable ? QStyle::SP_DriveFDIcon
                                            : volume.network ? QStyle::SP_DriveNetIcon
                                                             : QStyle::SP_DriveHDIcon;
        cboDrive->addItem(style()->standardIcon(icon), volumeCaption(volume));
    }
    cboDrive->setCurrentIndex(volumes_.isEmpty() ? -1 : 0);
    cboDriveChange();
    // As large as the texts need at the desktop's font, never smaller than designed.
    const int width = std::max(sizeHint().width(), clientWidth);
    setFixedSize(width, std::max(heightForWidth(width), clientHeight));
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

QString TfrmCopyProgram::selectedMountPoint() const
{
    const int index = cboDrive->currentIndex();
    return index >= 0 && index < volumes_.size() ? volumes_.at(index).mountPoint : QString();
}

void TfrmCopyProgram::cboDriveChange()
{
    const QString mountPoint = selectedMountPoint();
    const QString line = mountPoint.isEmpty() ? QString() : tr("Copy to folder %1").arg(copyTargetFolder(mountPoint));
    lblTarget->setText(line);
    lblTarget->setToolTip(line);
}

void TfrmCopyProgram::btnCopyClick()
{
    const QString mountPoint = selectedMountPoint();
    CopyOutcome outcome = CopyOutcome::DriveError;
    QString reason;
    if (!mountPoint.isEmpty()) {
        const platform::WaitCursor busy;
        outcome = copyShippedFiles(mountPoint, services_.folders, &reason);
    }
    // The refusal of the program's own folder comes without a beep.
    if (outcome != CopyOutcome::SameFolder)
        services_.beep();
    services_.showMessage(this, copyOutcomeMessage(outcome, mountPoint, reason));
    accept();
}

void showCopyProgramDialog(QWidget* parent)
{
    TfrmCopyProgram dialog(CopyProgramServices::desktop(), parent);
    dialog.exec();
}

}  // namespace pecunor

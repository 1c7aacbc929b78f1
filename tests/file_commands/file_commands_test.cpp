#include <QImage>
#include <QRegularExpression>
#include <QtEndian>

#include <sys/stat.h>

#include "../support/file_limits.h"
#include "file_command_window.h"
#include "platform/wallpaper.h"

namespace pecunor::test {
namespace {

using platform::WallpaperStyle;

class FileCommandsTest : public FileCommandWindow { };

constexpr const char* futureValueInputs = "\r\n"
                                          "                   Method : Future Value\r\n"
                                          "               Start Date : 1/15/24\r\n"
                                          "              Periods are : Years\r\n"
                                          "            Present Value :            1000\r\n"
                                          "                 Interest :              10\r\n";

struct TextCase {
    const char* name;
    CalcMethod method;
    std::vector<QString> values;
    bool thenClearLastValue;  // leaves the error line in place of a shown result
    int filterIndex;
    std::string expected;
};

TEST_F(FileCommandsTest, TextFileHoldsWhatTheWindowShows)
{
    const std::vector<TextCase> cases{
        {"future value, two rows hidden, aligned",
         CalcMethod::FutureValue,
         {"1000", "10", "3"},
         false,
         1,
         std::string(futureValueInputs) + "          Number of Years :               3\r\n"
                                          "\r\n"
                                          "             Future Value :       $1,331.00\r\n"
                                          "           Total Interest :         $331.00\r\n"
                                          "  Average Interest / Year :         $110.33\r\n"
                                          "        % Interest / Year :          10.00%\r\n"
                                          "\r\n\r\n\r\n"
                                          "  #       Date  Interest/Year  Accumulated Total\r\n"
                                          "  1  1/15/2025        $100.00          $1,100.00\r\n"
                                          "  2  1/15/2026        $110.00          $1,210.00\r\n"
                                          "  3  1/15/2027        $121.00          $1,331.00\r\n"},
        {"bond yield without summary, aligned",
         CalcMethod::BondYield,
         {"80", "950"},
         false,
         1,
         "\r\n"
         "                   Method : Bond Yield\r\n"
         "              Coupon Rate :              80\r\n"
         "                    Price :             950\r\n"
         "\r\n\r\n\r\n\r\n"
         "  Coupon Rate   $80.00\r\n"
         "        Price  $950.00\r\n"
         "        Yield    $0.08\r\n"},
        {"bond yield, comma delimited",
         CalcMethod::BondYield,
         {"80", "950"},
         false,
         2,
         "\"Coupon Rate\",\"$80.00\"\r\n\"Price\",\"$950.00\"\r\n\"Yield\",\"$0.08\"\r\n"},
        {"error line: the inputs alone",
         CalcMethod::FutureValue,
         {"1000", "10", "3"},
         true,
         1,
         std::string(futureValueInputs) + "          Number of Years :                \r\n\r\n"},
        {"error line: an empty comma-delimited file", CalcMethod::FutureValue, {"1000", "10", "3"}, true, 2, ""},
    };
    TfrmCalc& w = open();
    for (const TextCase& c : cases) {
        SCOPED_TRACE(c.name);
        enter(c.method, QStringLiteral("1/15/24"), c.values);
        if (c.thenClearLastValue)
            w.txtValue[2]->clear();
        ASSERT_EQ(w.lblError->isVisibleTo(w.tabCalc), c.thenClearLastValue);
        const QString path = scratch.filePath(QStringLiteral("result %1.txt").arg(c.filterIndex));
        run(w.mnuSaveAsText, SaveChoice{path, c.filterIndex});
        EXPECT_EQ(fileBytes(path).toStdString(), c.expected);
        EXPECT_EQ(settings.TXTFileName, path);
        EXPECT_EQ(settings.TXTFilterIndex, c.filterIndex);
    }
    EXPECT_TRUE(errors.empty());
}

// The names a filter lets a case-sensitive dialog (GTK's, for one) offer.
QStringList offeredNames(const QString& filter)
{
    const QStringList patterns =
        filter.mid(filter.lastIndexOf(QLatin1Char('(')) + 1).chopped(1).split(QLatin1Char(' '));
    QStringList offered;
    for (const char* name : {"a.txt", "B.TXT", "c.bmp", "D.BMP", "e"})
        for (const QString& pattern : patterns)
            if (QRegularExpression::fromWildcard(pattern, Qt::CaseSensitive).match(QLatin1String(name)).hasMatch()) {
                offered.append(QLatin1String(name));
                break;
            }
    return offered;
}

struct DialogCase {
    const char* name;
    bool text;
    std::uint8_t storedFilterIndex;
    QString title;
    QStringList filters;
    int preselected;
    QString suffix;
    QStringList offered;  // by the preselected filter
};

// Each save dialog as it is shown, then cancelled.
TEST_F(FileCommandsTest, SaveDialogIsPreparedAndCancelChangesNothing)
{
    const QStringList textFilters{QStringLiteral("Column Aligned (*.TXT *.txt)"),
                                  QStringLiteral("Comma Delimited (*.TXT *.txt)")};
    const QStringList bitmapFilters{QStringLiteral("Bitmap Image (*.BMP *.bmp)"), QStringLiteral("All Files (*)")};
    const QStringList textNames{QStringLiteral("a.txt"), QStringLiteral("B.TXT")};
    const std::vector<DialogCase> cases{
        {"text, column aligned last", true, 1, QStringLiteral("Save Ostrel Pecunor 97 Chart"), textFilters, 0,
         QStringLiteral("TXT"), textNames},
        {"text, comma delimited last", true, 2, QStringLiteral("Save Ostrel Pecunor 97 Chart"), textFilters, 1,
         QStringLiteral("TXT"), textNames},
        {"bitmap, all files last",
         false,
         2,
         QStringLiteral("Save Ostrel Pecunor 97 Bitmap"),
         bitmapFilters,
         0,
         QStringLiteral("BMP"),
         {QStringLiteral("c.bmp"), QStringLiteral("D.BMP")}},
    };
    const QString folder = scratch.filePath(QStringLiteral("saved here"));
    QDir().mkpath(folder);
    settings.TXTFileName = folder + QStringLiteral("/last.txt");
    settings.BMPFileName = folder + QStringLiteral("/last.bmp");
    const AppSettings before = settings;
    TfrmCalc& w = open();
    enter(CalcMethod::FutureValue, QStringLiteral("1/15/24"), {"1000", "10", "3"});
    for (const DialogCase& c : cases) {
        SCOPED_TRACE(c.name);
        settings.TXTFilterIndex = c.storedFilterIndex;
        settings.BMPFilterIndex = c.storedFilterIndex;
        run(c.text ? w.mnuSaveAsText : w.mnuSaveAsBitmap, std::nullopt);
        ASSERT_FALSE(dialogs.empty());
        const DialogSeen& seen = dialogs.back();
        EXPECT_EQ(seen.title, c.title);
        EXPECT_EQ(seen.nameFilters, c.filters);
        EXPECT_EQ(seen.selectedFilter, c.filters.at(c.preselected));
        EXPECT_EQ(offeredNames(seen.selectedFilter), c.offered);
        EXPECT_EQ(seen.defaultSuffix, c.suffix);
        EXPECT_EQ(seen.folder, folder);
        EXPECT_EQ(seen.selectedFiles, QStringList{c.text ? before.TXTFileName : before.BMPFileName});
        EXPECT_TRUE(seen.savesAndConfirmsOverwrite);
        EXPECT_EQ(settings.TXTFileName, before.TXTFileName);
        EXPECT_EQ(settings.BMPFileName, before.BMPFileName);
        EXPECT_EQ(settings.TXTFilterIndex, c.storedFilterIndex);
        EXPECT_EQ(settings.BMPFilterIndex, c.storedFilterIndex);
    }
    EXPECT_TRUE(QDir(folder).isEmpty());
    EXPECT_TRUE(QDir(programFolder).isEmpty());
    EXPECT_TRUE(errors.empty());
}

TEST_F(FileCommandsTest, CommaDelimitedStaysChosenAfterARestart)
{
    const QString settingsFile = scratch.filePath(QStringLiteral("Pecunor 97.conf"));
    WindowServices s = services();
    s.saveSettings = [folder = programFolder, settingsFile](const AppSettings& written) {
        return saveSettings(written, folder, settingsFile);
    };
    open(s);
    enter(CalcMethod::FutureValue, QStringLiteral("1/15/24"), {"1000", "10", "3"});
    run(window->mnuSaveAsText, SaveChoice{scratch.filePath(QStringLiteral("result")), 2});
    EXPECT_TRUE(QFile::exists(scratch.filePath(QStringLiteral("result.TXT"))));
    ASSERT_TRUE(window->close());
    window.reset();

    settings = loadSettings(today, usRegional(), programFolder, settingsFile);
    dialogs.clear();
    open(s);
    run(window->mnuSaveAsText);
    ASSERT_EQ(dialogs.size(), 1U);
    EXPECT_EQ(dialogs.back().selectedFilter, QStringLiteral("Comma Delimited (*.TXT *.txt)"));
    EXPECT_EQ(dialogs.back().selectedFiles, QStringList{scratch.filePath(QStringLiteral("result.TXT"))});
}

struct FailedTextCase {
    const char* name;
    rlim_t sizeLimit;  // 0: none
    const char* reason;
};

// The message keeps the product's words and adds the system's reason.
TEST_F(FileCommandsTest, FailedTextWriteIsReportedWithItsReasonAndTheCursorBack)
{
    QDir().mkpath(scratch.filePath(QStringLiteral("a folder.txt")));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/full"), scratch.filePath(QStringLiteral("a device.txt"))));
    const QString readOnly = scratch.filePath(QStringLiteral("read-only.txt"));
    {
        QFile file(readOnly);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("kept");
        file.setPermissions(QFileDevice::ReadOwner);
    }
    const std::vector<FailedTextCase> cases{
        {"too large.txt", 100, "File too large"},
        {"a folder.txt", 0, "Is a directory"},
        {"a device.txt", 0, "Not a regular file"},
        {"read-only.txt", 0, "Permission denied"},
    };
    TfrmCalc& w = open();
    enter(CalcMethod::FutureValueAnnuity, QStringLiteral("1/15/24"), {"100", "5", "120"});
    for (const FailedTextCase& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = scratch.filePath(QString::fromUtf8(c.name));
        errors.clear();
        cursorOverriddenAtError.clear();
        {
            const std::optional<FileSizeLimit> limit =
                c.sizeLimit ? std::make_optional<FileSizeLimit>(c.sizeLimit) : std::nullopt;
            run(w.mnuSaveAsText, SaveChoice{path, 1});
        }
        ASSERT_EQ(errors.size(), 1U);
        EXPECT_EQ(errors[0].toStdString(),
                  ("An error occurred writing to file\n" + path +
                   "\nPlease check if there is enough diskspace or that this file is not in use by another "
                   "application.\n" +
                   c.reason)
                      .toStdString());
        EXPECT_FALSE(cursorOverriddenAtError[0]);
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_EQ(settings.TXTFileName, path);
    }
    EXPECT_EQ(fileBytes(readOnly), "kept");
    EXPECT_FALSE(QFile::exists(scratch.filePath(QStringLiteral("too large.txt"))));
}

// A save that fails part way over an existing file leaves that file as it
// was and nothing of its own beside it; with room again it goes through.
TEST_F(FileCommandsTest, FailedSaveOverAFileKeepsTheOldFile)
{
    // Room for a picture of the window, but not beside a filler.
    const SmallDisk disk(scratch.filePath(QStringLiteral("disk")), "2m");
    if (!disk.mounted())
        GTEST_SKIP() << "mounting a file system needs privileges this test run does not have";
    TfrmCalc& w = open();
    enter(CalcMethod::FutureValueAnnuity, QStringLiteral("1/15/24"), {"100", "5", "120"});
    for (QAction* item : {w.mnuSaveAsText, w.mnuSaveAsBitmap}) {
        SCOPED_TRACE(item->objectName().toStdString());
        const QString path = scratch.filePath(QStringLiteral("disk/result.dat"));
        {
            QFile old(path);
            ASSERT_TRUE(old.open(QIODevice::WriteOnly));
            old.write("the old result");
        }
        disk.fill();
        errors.clear();
        run(item, SaveChoice{path, 1});
        ASSERT_EQ(errors.size(), 1U);
        EXPECT_TRUE(errors[0].endsWith(QStringLiteral("\nNo space left on device"))) << errors[0].toStdString();
        EXPECT_EQ(fileBytes(path), "the old result");
        EXPECT_EQ(QDir(scratch.filePath(QStringLiteral("disk"))).entryList(QDir::Files | QDir::Hidden),
                  (QStringList{"filler", "result.dat"}));

        QFile::remove(disk.fillerPath());
        errors.clear();
        run(item, SaveChoice{path, 1});
        EXPECT_TRUE(errors.empty());
        EXPECT_NE(fileBytes(path), "the old result");
        EXPECT_GT(fileBytes(path).size(), 300);
        QFile::remove(path);
    }
}

struct RefusalCase {
    const char* name;
    const char* chosen;   // in the scratch folder
    const char* refusal;  // a part of the message; empty: accepted
};

void PrintTo(const RefusalCase& c, std::ostream* out) { *out << c.name; }

class SaveDialogRefusal : public FileCommandWindow, public ::testing::WithParamInterface<RefusalCase> { };

// The dialog itself refuses what cannot be written, says why and stays open
// for another choice; nothing is written.
TEST_P(SaveDialogRefusal, BeforeAnythingIsWritten)
{
    QDir(scratch.path()).mkpath(QStringLiteral("locked"));
    QFile::setPermissions(scratch.filePath(QStringLiteral("locked")), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    {
        QFile file(scratch.filePath(QStringLiteral("read-only.txt")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.setPermissions(QFileDevice::ReadOwner);
    }
    ASSERT_EQ(::mkfifo(QFile::encodeName(scratch.filePath(QStringLiteral("pipe.txt"))).constData(), 0644), 0);
    SaveFileDialog dialog;
    QStringList refusals;
    dialog.refuse = [&refusals](QWidget*, const QString& message) { refusals.append(message); };
    prepareSaveDialog(dialog, {QStringLiteral("Save"),
                               {QStringLiteral("Text (*.txt)")},
                               1,
                               QStringLiteral("txt"),
                               scratch.filePath(QStringLiteral("result.txt"))});
    dialog.open();
    dialog.selectFile(scratch.filePath(QString::fromUtf8(GetParam().chosen)));
    {
        const FileModesObeyed asAnyUser;
        dialog.accept();
    }
    const QString refusal = QString::fromUtf8(GetParam().refusal);
    if (refusal.isEmpty()) {
        EXPECT_TRUE(refusals.isEmpty());
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    } else {
        ASSERT_EQ(refusals.size(), 1);
        EXPECT_TRUE(refusals[0].contains(refusal)) << refusals[0].toStdString();
        EXPECT_TRUE(dialog.isVisible());
    }
    QFile::setPermissions(scratch.filePath(QStringLiteral("locked")),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

INSTANTIATE_TEST_SUITE_P(Names, SaveDialogRefusal,
                         ::testing::Values(RefusalCase{"NewFile", "result.txt", ""},
                                           RefusalCase{"MissingFolder", "no such folder/result.txt", "does not exist"},
                                           RefusalCase{"ReadOnlyFile", "read-only.txt", "is read-only"},
                                           RefusalCase{"ReadOnlyFolder", "locked/result.txt", "cannot be written to"},
                                           RefusalCase{"Pipe", "pipe.txt",
                                                       "pipe.txt is not a file but a folder, a named pipe"}),
                         [](const auto& info) { return std::string(info.param.name); });

struct BitmapHeader {
    QByteArray magic;
    quint32 fileSize, width, height;
    quint16 bitsPerPixel;
    quint32 compression;
};

BitmapHeader headerOf(const QByteArray& bytes)
{
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    return {bytes.left(2),
            qFromLittleEndian<quint32>(data + 2),
            qFromLittleEndian<quint32>(data + 18),
            qFromLittleEndian<quint32>(data + 22),
            qFromLittleEndian<quint16>(data + 28),
            qFromLittleEndian<quint32>(data + 30)};
}

TEST_F(FileCommandsTest, BitmapIsTheClientAreaAtItsPresentSize)
{
    TfrmCalc& w = open();
    enter(CalcMethod::FutureValue, QStringLiteral("1/15/24"), {"1000", "10", "3"});
    w.pagRight->setCurrentWidget(w.tabCalc);
    for (const QSize size : {QSize(640, 480), QSize(900, 350)}) {
        SCOPED_TRACE(size.width());
        w.resize(size);
        QCoreApplication::processEvents();
        const QString typed = scratch.filePath(QStringLiteral("window %1").arg(size.width()));
        run(w.mnuSaveAsBitmap, SaveChoice{typed, 2});
        const QString saved = typed + QStringLiteral(".BMP");
        EXPECT_EQ(settings.BMPFileName, saved);
        EXPECT_EQ(settings.BMPFilterIndex, 2);
        const QByteArray bytes = fileBytes(saved);
        ASSERT_GT(bytes.size(), 54);
        const BitmapHeader header = headerOf(bytes);
        const QSize client = w.clientArea()->size();
        EXPECT_LT(client.height(), w.height());  // the menu bar is not in the picture
        EXPECT_EQ(header.magic, "BM");
        EXPECT_EQ(header.fileSize, static_cast<quint32>(bytes.size()));
        EXPECT_EQ(QSize(static_cast<int>(header.width), static_cast<int>(header.height)), client);
        EXPECT_EQ(header.bitsPerPixel, 24);
        EXPECT_EQ(header.compression, 0U);
        EXPECT_EQ(QImage(saved).convertToFormat(QImage::Format_RGB32),
                  w.clientArea()->grab().toImage().convertToFormat(QImage::Format_RGB32));
    }
    EXPECT_TRUE(errors.empty());
}

struct WallpaperCase {
    const char* name;
    std::vector<WallpaperStyle> commands;
    bool folderWritable;
    bool desktopAccepts;
    std::vector<WallpaperStyle> asked;
    int beeps;
    QStringList errors;
    bool pictureLeft;
};

TEST_F(FileCommandsTest, WallpaperCommands)
{
    const QString file = programFolder + QStringLiteral("Pecnor.bmp");
    const std::vector<WallpaperCase> cases{
        {"tiled then centred",
         {WallpaperStyle::Tiled, WallpaperStyle::Centered},
         true,
         true,
         {WallpaperStyle::Tiled, WallpaperStyle::Centered},
         0,
         {},
         true},
        {"refused by the desktop",
         {WallpaperStyle::Centered},
         true,
         false,
         {WallpaperStyle::Centered},
         1,
         {QStringLiteral("Could not set desktop wallpaper!")},
         false},
        {"read-only program folder",
         {WallpaperStyle::Tiled},
         false,
         true,
         {},
         0,
         {QStringLiteral("Cannot create file ") + file + QStringLiteral("\nPermission denied")},
         false},
    };
    TfrmCalc& w = open();
    for (const WallpaperCase& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(file);
        wallpapers.clear();
        errors.clear();
        beeps = 0;
        desktopAccepts = c.desktopAccepts;
        QFile::setPermissions(programFolder, c.folderWritable ? QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                                    QFileDevice::ExeOwner
                                                              : QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        {
            const FileModesObeyed asAnyUser;
            for (WallpaperStyle style : c.commands)
                run(style == WallpaperStyle::Tiled ? w.mnuSetAsWallpaperTiled : w.mnuSetAsWallpaperCentered);
        }
        std::vector<WallpaperStyle> asked;
        for (const auto& [path, style] : wallpapers) {
            EXPECT_EQ(path, file);
            asked.push_back(style);
        }
        EXPECT_EQ(asked, c.asked);
        EXPECT_EQ(beeps, c.beeps);
        EXPECT_EQ(QStringList(errors.begin(), errors.end()), c.errors);
        EXPECT_EQ(QFile::exists(file), c.pictureLeft);
        if (c.pictureLeft) {
            EXPECT_EQ(QImage(file).size(), w.clientArea()->size());
        }
    }
    EXPECT_TRUE(dialogs.empty());
}

TEST(DesktopFamilyTest, TheFirstKnownDesktopOfTheListCounts)
{
    using platform::DesktopFamily;
    const std::vector<std::pair<QString, DesktopFamily>> cases{
        {QStringLiteral("GNOME"), DesktopFamily::Gnome},
        {QStringLiteral("ubuntu:GNOME"), DesktopFamily::Gnome},
        {QStringLiteral("X-Cinnamon"), DesktopFamily::Cinnamon},
        {QStringLiteral("Budgie:GNOME"), DesktopFamily::Gnome},
        {QStringLiteral("Pantheon"), DesktopFamily::Gnome},
        {QStringLiteral("unity"), DesktopFamily::Gnome},
        {QStringLiteral("KDE"), DesktopFamily::Kde},
        {QStringLiteral("XFCE"), DesktopFamily::Xfce},
        {QStringLiteral("xfce:GNOME"), DesktopFamily::Xfce},
        {QStringLiteral("MATE"), DesktopFamily::Unsupported},
        {QStringLiteral("LXQt"), DesktopFamily::Unsupported},
        {QString(), DesktopFamily::Unsupported},
    };
    for (const auto& [list, family] : cases)
        EXPECT_EQ(platform::desktopFamily(list), family) << list.toStdString();
}

}  // namespace
}  // namespace pecunor::test

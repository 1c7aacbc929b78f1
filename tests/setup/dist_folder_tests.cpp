#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "product/product_constants.h"

namespace pecunor {
namespace {

const QDir distFolder(QStringLiteral(DIST_FOLDER));

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

TEST(DistFolder, HoldsExactlyTheShippedFiles)
{
    QStringList shipped;
    for (std::string_view name : Product.ShippedFiles)
        shipped << QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
    shipped.sort();

    EXPECT_EQ(distFolder.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name), shipped);
}

struct BuiltFile {
    const char* shippedName;
    const char* builtPath;
    bool executable;
};

class DistFolderFile : public ::testing::TestWithParam<BuiltFile> { };

TEST_P(DistFolderFile, IsTheBuiltFile)
{
    const QString shipped = distFolder.filePath(GetParam().shippedName);
    EXPECT_EQ(readFile(shipped), readFile(GetParam().builtPath));
    EXPECT_EQ(QFileInfo(shipped).isExecutable(), GetParam().executable);
}
INSTANTIATE_TEST_SUITE_P(Files, DistFolderFile,
                         ::testing::Values(BuiltFile{"OPecu97.exe", CALCULATOR_FILE, true},
                                           BuiltFile{"Setup.exe", SETUP_LAUNCHER_FILE, true},
                                           BuiltFile{"OPecu97.hlp", HELP_FOLDER "/OPecu97.hlp", false},
                                           BuiltFile{"OPecu97.cnt", HELP_FOLDER "/OPecu97.cnt", false}),
                         [](const auto& info) {
                             std::string name = info.param.shippedName;
                             std::replace(name.begin(), name.end(), '.', '_');
                             return name;
                         });

// Catalogues of shared programs show this file as it is: ten lines at most,
// none over 45 characters.
TEST(DistFolder, TheShortDescriptionFitsItsBox)
{
    const QList<QByteArray> lines = readFile(distFolder.filePath("File_Id.diz")).trimmed().split('\n');
    EXPECT_GE(lines.size(), 3);
    EXPECT_LE(lines.size(), 10);
    for (const QByteArray& line : lines)
        EXPECT_LE(line.size(), 45) << line.toStdString();
    EXPECT_TRUE(lines.front().startsWith(QByteArray(Product.ProductName.data())));
}

}  // namespace
}  // namespace pecunor

#include <QRegularExpression>
#include <QSet>
#include <QString>
#include <QUrl>

#include <gtest/gtest.h>

#include "product/product_constants.h"

namespace pecunor {
namespace {

QString text(std::string_view value) { return QString::fromUtf8(value); }

TEST(ProductConstants, ContactDataIsWellFormedAndOfOneDomain)
{
    const QUrl web(text(Product.MakerWebAddress), QUrl::StrictMode);
    ASSERT_TRUE(web.isValid());
    EXPECT_EQ(web.scheme(), "https");
    const QString email = text(Product.MakerSupportEmail);
    const QRegularExpression emailForm(QStringLiteral("^[a-z0-9.]+@([a-z0-9-]+\\.)+[a-z]+$"));
    EXPECT_TRUE(emailForm.match(email).hasMatch()) << email.toStdString();
    EXPECT_EQ("www." + email.section(u'@', 1), web.host());
    const QRegularExpression phoneForm(QStringLiteral("^\\+[1-9][0-9]{0,2}( [0-9]+)+$"));
    EXPECT_TRUE(phoneForm.match(text(Product.MakerPhone)).hasMatch());
}

TEST(ProductConstants, ShippedFilesDifferEvenWithoutRegardToCase)
{
    QSet<QString> names;
    for (const std::string_view file : Product.ShippedFiles)
        names.insert(text(file).toLower());
    EXPECT_EQ(names.size(), qsizetype(Product.ShippedFiles.size()));
}

TEST(ProductConstants, PlacementAndShortcutCodesAreKnown)
{
    EXPECT_EQ(text(Product.FilePlacement).count(QRegularExpression(QStringLiteral("[012]"))),
              qsizetype(Product.ShippedFiles.size()));
    // The program file and the help file get shortcuts.
    EXPECT_EQ(Product.ShortcutFiles[0], '1');
    EXPECT_EQ(Product.ShippedFiles[0], "OPecu97.exe");
    EXPECT_EQ(Product.ShortcutFiles[2], '1');
    EXPECT_EQ(Product.ShippedFiles[2], "OPecu97.hlp");
}

TEST(ProductConstants, TheSettingsKeyIsTheMakersAndNamesTheProduct)
{
    const QString key = text(Product.ProductRegistryKey);
    EXPECT_EQ(key.section(u'\\', 0, 0), "Software");
    EXPECT_EQ(key.section(u'\\', 1, 1), text(Product.MakerName));
    EXPECT_TRUE(text(Product.ProductName).endsWith(key.section(u'\\', 2, 2)));
}

}  // namespace
}  // namespace pecunor

#include "settings_test_support.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <iomanip>

void PrintTo(const QString& text, std::ostream* out) { *out << std::quoted(text.toStdString()); }

namespace pecunor {

void PrintTo(const MethodInput& input, std::ostream* out)
{
    *out << "{date " << input.startDate << ", unit " << input.periodUnit << ", timing " << input.paymentTiming
         << ", values";
    for (const std::string& text : input.valueTexts)
        *out << ' ' << std::quoted(text);
    *out << ", interest per " << int{input.interestPer} << '}';
}

void PrintTo(const FontRecord& font, std::ostream* out)
{
    *out << '{' << std::quoted(font.faceName) << ' ' << font.sizePoints << (font.bold ? " bold" : "")
         << (font.italic ? " italic" : "") << '}';
}

namespace test {

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

AppSettings sampleSettings()
{
    AppSettings settings(today, programFolder);
    settings.Left = -2147483647 - 1;
    settings.Top = 17;
    settings.Right = 2147483647;
    settings.Bottom = 1234;
    settings.WindowState = 2;
    settings.Page = 13;
    settings.HorGridlines = false;
    settings.VerGridlines = false;
    settings.Stretched = false;
    settings.HideAbout = true;
    settings.TableFont = {"@Liberation Mono, \"Narrow\"; x=1", 37, true, true};
    settings.DivLeft = 255;
    const std::array<std::string, 14> typed{"1,000.50", " 7 ",       "@5", "\"quoted\"", "back\\slash", "12 €", "",
                                            "x;y=z",    "tab\there", "0",  "1e3",        "-4",          "#9",   "[10]"};
    for (int m = 0; m < methodCount; ++m) {
        MethodInput& input = settings.MethodInputs.slot(static_cast<CalcMethod>(m));
        input.startDate = today - 5000 + m * 997;
        if (m == 0)
            input.startDate = firstDayNumber;
        if (m == 1)
            input.startDate = -1;
        if (m == 13)
            input.startDate = lastDayNumber;
        input.periodUnit = m - 3;
        input.paymentTiming = 100 + m;
        for (std::size_t k = 0; k < input.valueTexts.size(); ++k)
            input.valueTexts[k] = typed[static_cast<std::size_t>(m)] + std::string(k, '+');
        input.interestPer = static_cast<std::uint8_t>(m * 19);
    }
    settings.TXTFileName = QStringLiteral("/home/anna/My Exports/a,b;c=d.txt");
    settings.TXTFilterIndex = 2;
    settings.BMPFileName = QStringLiteral(" /tmp/Überblick.bmp ");
    settings.BMPFilterIndex = 3;
    return settings;
}

void expectSameSettings(const AppSettings& expected, const AppSettings& actual)
{
    EXPECT_EQ(actual.Left, expected.Left);
    EXPECT_EQ(actual.Top, expected.Top);
    EXPECT_EQ(actual.Right, expected.Right);
    EXPECT_EQ(actual.Bottom, expected.Bottom);
    EXPECT_EQ(actual.WindowState, expected.WindowState);
    EXPECT_EQ(actual.Page, expected.Page);
    EXPECT_EQ(actual.HorGridlines, expected.HorGridlines);
    EXPECT_EQ(actual.VerGridlines, expected.VerGridlines);
    EXPECT_EQ(actual.Stretched, expected.Stretched);
    EXPECT_EQ(actual.HideAbout, expected.HideAbout);
    EXPECT_EQ(actual.TableFont, expected.TableFont);
    EXPECT_EQ(actual.DivLeft, expected.DivLeft);
    for (int m = 0; m < methodCount; ++m) {
        const auto method = static_cast<CalcMethod>(m);
        EXPECT_EQ(actual.MethodInputs.slot(method), expected.MethodInputs.slot(method)) << "method " << m;
    }
    EXPECT_EQ(actual.TXTFileName, expected.TXTFileName);
    EXPECT_EQ(actual.TXTFilterIndex, expected.TXTFilterIndex);
    EXPECT_EQ(actual.BMPFileName, expected.BMPFileName);
    EXPECT_EQ(actual.BMPFilterIndex, expected.BMPFilterIndex);
}

}  // namespace test
}  // namespace pecunor

#include <gtest/gtest.h>

#include <ostream>

#include "mainwindow/help_contents.h"

static void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace pecunor {

void PrintTo(const HelpContentsEntry& entry, std::ostream* out)
{
    *out << entry.level << " " << entry.title.toStdString() << "=" << entry.anchor.toStdString();
}

namespace {

struct ContentsCase {
    const char* name;
    QString text;
    QString title;
    QList<HelpContentsEntry> entries;
};

void PrintTo(const ContentsCase& c, std::ostream* out) { *out << c.name; }

const QList<ContentsCase> contentsCases = {
    {"GoodFile",
     ":Base OPecu97.hlp\n:Title Help Topics\n1 Interest\n2 Future Value=future_value\n2 Present Value=present_value\n"
     "1 Commands=commands\n",
     "Help Topics",
     {{1, "Interest", ""},
      {2, "Future Value", "future_value"},
      {2, "Present Value", "present_value"},
      {1, "Commands", "commands"}}},
    {"WindowsLineEndsAndBlanks",
     ":Title  Help Topics \r\n\r\n  1 Interest\r\n2   Future Value =  future_value \r\n",
     "Help Topics",
     {{1, "Interest", ""}, {2, "Future Value", "future_value"}}},
    {"FileAndWindowAfterTheAnchor",
     "2 Bond Price=bond_price@other.hlp>main\n2 Bond Yield=bond_yield>main\n",
     "",
     {{2, "Bond Price", "bond_price"}, {2, "Bond Yield", "bond_yield"}}},
    {"OtherCommandsAreSkipped",
     ":Index Help=OPecu97.hlp\n:Link other.hlp\n:Include more.cnt\n:Titles wrong\n2 Topic=topic\n",
     "",
     {{2, "Topic", "topic"}}},
    {"Garbage",
     "\x7f"
     "ELF\x01\x01\n<html><body>\n== 2 ==\n-1 Negative=minus\n0 Zero=zero\n10 Too deep=deep\n2Topic=nospace\n"
     "x Letters=letters\n2\n",
     "",
     {}},
    {"MissingAnchors",
     "2 Heading only\n2 Empty anchor=\n2 =no_title\n2 Blank anchor=   \n2 Good=good\n",
     "",
     {{2, "Heading only", ""}, {2, "Good", "good"}}},
    {"EmptyFile", "", "", {}},
};

class HelpContentsTest : public ::testing::TestWithParam<ContentsCase> { };

TEST_P(HelpContentsTest, ReadsTitleAndEntries)
{
    const HelpContents contents = parseHelpContents(GetParam().text);
    EXPECT_EQ(contents.title, GetParam().title);
    EXPECT_EQ(contents.entries, GetParam().entries);
}

INSTANTIATE_TEST_SUITE_P(Files, HelpContentsTest, ::testing::ValuesIn(contentsCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace pecunor

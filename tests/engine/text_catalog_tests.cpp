#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/text_catalog.h"

namespace pecunor::test {
namespace {

struct Entry {
    std::string text;
    std::string disambiguation;
};

std::vector<Entry> entriesOf(const TextCatalog& texts)
{
    std::vector<Entry> entries;
    forEachText(texts, [&entries](std::string_view text, std::string_view disambiguation) {
        entries.push_back({std::string(text), std::string(disambiguation)});
    });
    return entries;
}

// Every text goes through the translation under the engine's context and
// comes back in its place, the catalog keeping its own copy once the
// translation's string is gone; the rows a method hides stay empty.
TEST(TranslatedCatalog, HoldsEveryEnglishTextAsTheTranslationGivesIt)
{
    std::vector<std::string> contexts;
    const TranslatedCatalog translated(
        [&contexts](std::string_view context, std::string_view english, std::string_view disambiguation) {
            contexts.emplace_back(context);
            return "<" + std::string(english) + (disambiguation.empty() ? "" : "|") + std::string(disambiguation) + ">";
        });
    const std::vector<Entry> english = entriesOf(englishCatalog());
    const std::vector<Entry> result = entriesOf(translated.texts());
    ASSERT_EQ(result.size(), english.size());
    std::size_t filled = 0;
    for (std::size_t i = 0; i < english.size(); ++i) {
        const Entry& source = english[i];
        const std::string note = source.disambiguation.empty() ? "" : "|" + source.disambiguation;
        EXPECT_EQ(result[i].text, source.text.empty() ? "" : "<" + source.text + note + ">") << i;
        filled += source.text.empty() ? 0 : 1;
    }
    EXPECT_EQ(contexts, std::vector<std::string>(filled, std::string(engineTextContext)));
    // The bond's value and the accumulated total share their English words only.
    const ScheduleHeadings& headings = translated.texts().headings;
    EXPECT_NE(headings.bondValue, headings.accumulatedTotal);
}

}  // namespace
}  // namespace pecunor::test

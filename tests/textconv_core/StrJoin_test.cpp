// Joining lines, except before what starts a paragraph.
#include "StrJoin.h"
#include "TestText.h"

#include <gtest/gtest.h>

using namespace textconv;

TEST(StrJoin, JoinsLinesExceptBeforeWhatStartsAParagraph)
{
    ExpectConverted({
        // Joins keep the break before a full-width space.
        {JoinLinesExceptZenSpace, "あい\r\n　うえ\r\n", "あい\r\n　うえ"},
        {JoinLinesExceptZenSpace, "あい\r\nうえ\r\n", "あいうえ"},
        {JoinLinesExceptZenSpace, "あ\r\n\r\nい", "あい"}, // an empty line is joined too
        // A lone CR is one line break; the byte after it stays.
        {JoinLinesExceptZenSpace, "a\rb", "ab"},
        // Quote joins keep only the first break around an empty line.
        {JoinLinesForQuote, "あ\r\n\r\nい\r\nう\r\n「え」\r\n　お\r\n", "あ\r\nいう\r\n「え」\r\n　お"},
        {JoinLinesExceptMarks, "あ\r\nい\r\n□う\r\n●え\r\n【お】\r\n\r\nか\r\nき",
         "あい\r\n□う\r\n●え\r\n【お】\r\nかき"},
        // Only whole characters count: 亜 (88 9F) after the break is no mark.
        {JoinLinesExceptMarks, "あ\r\n亜", "あ亜"},
    });
}

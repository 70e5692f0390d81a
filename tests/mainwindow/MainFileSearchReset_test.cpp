// A document that replaces another starts no search where the old one
// stood: the search keeps only how its string matches.
#include "OutlineFixture.h"

#include "FindAndReplace.h"
#include "SearchCommands.h"
#include "SearchOptionWord.h"

namespace {

using MainFileSearchReset = OutlineTest;

TEST_F(MainFileSearchReset, ANewDocumentKeepsOnlyHowTheFindStringMatches)
{
    Fill({"foo", "", {"ChkMatchCase", "chkRegExp", "ChkWholeFile", "chkStartPos", "btnOK"}});
    Run("FdGoFind");
    const TSearchOptionWord kept = soMatchCase | soRegexp;
    ASSERT_EQ(form->FindAndReplace().SearchCommands().SearchOptions() & (kept | soWholeFile | soStartPos),
              kept | soWholeFile | soStartPos);
    dialogs.Answer(mrNo);
    form->DocumentFiles().FlNewClick();
    EXPECT_EQ(form->FindAndReplace().SearchCommands().SearchOptions(), kept);
}

} // namespace

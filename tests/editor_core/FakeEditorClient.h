// A stand-in for the editor control: it shows a screen-row list, keeps a
// caret, and records what the list asks of it.
#pragma once

#include "SjisLiteral.h"
#include "edFountainTestSupport.h"

#include "edEditorClient.h"
#include "edEditorStrings.h"
#include "edScreenStrings.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace edtest {

// A colouring scheme with the framework's tokens and one bracket pair,
// "/*" .. "*/", whose regions run across rows.
class TTestFountain : public fountaintest::TPlainFountain {
public:
    using TPlainFountain::TPlainFountain;

protected:
    void InitBrackets() override;
};

class TFakeEditorClient : public TEditorClient {
public:
    // Shows a new list, or List when given.
    explicit TFakeEditorClient(std::shared_ptr<TEditorScreenStrings> List = nullptr);
    ~TFakeEditorClient() override;

    // Leaves the own list and shows Other's.
    void ShareList(TFakeEditorClient& Other);
    // Lets go of the list, as an editor being destroyed does.
    void LeaveList();

    TEditorScreenStrings& ScreenStrings() const override { return *List; }
    void DoChange() override;
    void CleanSelection() override { ++SelectionsDropped; }
    void ClampRows(int MaxRow) override;
    void ResetCol() override { Col = 0; }
    void RefreshView() override { ++Refreshes; }
    void InvalidateRow(int) override {}
    bool Focused() const override { return HasFocus; }
    int CaretRow() const override { return Row; }
    int CaretCol() const override { return Col; }
    void SetRowCol(int ARow, int ACol) override
    {
        Row = ARow;
        Col = ACol;
    }
    void CaretBeginUpdate() override { ++CaretUpdateDepth; }
    void CaretEndUpdate() override { --CaretUpdateDepth; }
    int TopRow() const override { return Top; }
    bool Loading() const override { return false; }
    bool Destroying() const override { return false; }
    int TabSpaceCount() const override { return TabSize; }
    const TDelimiters& Delimiters() const override { return DefaultDelimiterSet(); }
    int RowHeight() const override { return 10; }
    int ScreenHeight() const override { return 100; } // two screens: 20 rows
    bool InitBracketsFull() const override { return BracketsFull; }
    TFountain* ActiveFountain() const override { return Fountain; }
    void BeginLinesUpdate() override { ++LinesUpdateDepth; }
    void EndLinesUpdate() override { --LinesUpdateDepth; }

    std::shared_ptr<TEditorScreenStrings> List;
    TEditorStrings Lines{*this};

    int Row = 0;
    int Col = 0;
    int Top = 0;
    bool HasFocus = false;
    int TabSize = 8;
    bool BracketsFull = false;
    TFountain* Fountain = nullptr;

    // What the list asked.
    int Changes = 0;
    std::vector<TChangeExtent> Extents; // the valid extents seen by DoChange
    int SelectionsDropped = 0;
    int Refreshes = 0;
    int CaretUpdateDepth = 0;
    int LinesUpdateDepth = 0;
    // Called from DoChange when set (to leave the list mid-notification).
    std::function<void()> OnDoChange;
};

// A test with one stand-in editor showing its list.
class ListTest : public ::testing::Test {
protected:
    TEditorScreenStrings& List() { return *Editor.List; }
    TFakeEditorClient Editor;
};

// The rows of a list as texts and attributes, for comparisons.
struct RowView {
    std::string Text;
    TRowAttribute Attribute;
    bool operator==(const RowView&) const = default;
};
std::ostream& operator<<(std::ostream& Out, const RowView& Row);
std::vector<RowView> RowsOf(const TEditorStringList& List);
std::vector<std::string> RowTexts(const TEditorStringList& List);

// The rows List's text gets when wrapped afresh with List's options: what
// every edit must leave, since the undo steps name rows.
std::vector<RowView> FreshRows(const TEditorScreenStrings& List, int TabSize = 8);
// The rules every row list keeps: no line break inside a row, row starts
// that agree with a walk from the top, raEof only on the last row, which is
// never raWrapped, marks only from those in use, and the rows a fresh wrap
// gives.
void ExpectConsistentRows(const TEditorScreenStrings& List, int TabSize = 8);

// Text with lone CR and LF made CR LF, as the list stores them.
std::string Normalized(std::string_view Text);

using ::Sjis;

} // namespace edtest

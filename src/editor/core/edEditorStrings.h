// The editor's text as logical lines (the editor's Lines). With word wrap
// off a line is a row; with it on a line spans the rows up to its line
// break. Every change goes through the row list's ReplaceRows, and the
// editor's caret is put after the changed text.
#pragma once

#include "Strings.h"

#include <string>
#include <string_view>

class TEditorClient;
class TEditorScreenStrings;

class TEditorStrings : public TStrings {
public:
    explicit TEditorStrings(TEditorClient& Editor) : Editor_(Editor) {}

    // The line without its line break; an index outside the lines raises
    // the list-index error.
    std::string Get(int Index) const override;
    int GetCount() const override;
    std::string GetTextStr() const override;

    void Put(int Index, const std::string& S) override;
    // Before line Index; at the line count it adds.
    void Insert(int Index, const std::string& S) override;
    // Returns the line count before the call. On an empty editor the line
    // gets a line break; after a last line without one, S is joined with a
    // line break and gets none.
    int Add(const std::string& S) override;
    void Delete(int Index) override;
    void Clear() override;

    void SetTextStr(std::string_view Value) override;
    void LoadFromFile(const std::string& FileName) override;
    // From other lines: their text, and the caret after it.
    void Assign(const TPersistent* Source) override;

    // The first row of logical line Line (row 0 below 1; the row count
    // past the last line).
    int LineToRow(int Line) const;

protected:
    // The first begin holds the row list and the editor's caret, underline
    // and repainting; the last end releases them and refreshes the editors.
    void SetUpdateState(bool Updating) override;

private:
    TEditorScreenStrings& List() const;
    // Replaces rows like ReplaceRows, with the selection dropped, and puts
    // the caret CaretLength positions after the start of row CaretFrom.
    void Replace(int Row, int Count, std::string_view S, int CaretFrom, int CaretLength);

    TEditorClient& Editor_;
};

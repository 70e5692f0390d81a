#include "EditorExMarks.h"

#include "edColumnCursor.h"
#include "edRaStrings.h"
#include "edUtils.h"

#include <algorithm>

TEditorExMarks::TEditorExMarks() : Hit_(std::make_unique<TFountainColor>())
{
    const auto forward = [this](TObject* Sender) { ChangedProc(Sender); };
    for (auto& mark : Marks_) {
        mark = std::make_unique<TEditorMark>();
        mark->OnChange = forward;
    }
    Hit_->OnChange = forward;
}

bool TEditorExMarks::Indicated() const
{
    return std::any_of(Marks_.begin(), Marks_.end(), [](const auto& mark) { return mark->Visible(); });
}

void TEditorExMarks::Assign(const TPersistent* Source)
{
    const auto source = dynamic_cast<const TEditorExMarks*>(Source);
    if (!source) {
        TNotifyPersistent::Assign(Source);
        return;
    }
    BeginUpdate();
    for (size_t i = 0; i < Marks_.size(); ++i)
        Marks_[i]->Assign(source->Marks_[i].get());
    Hit_->Assign(source->Hit());
    EndUpdate();
}

const TEditorMark* TEditorExMarks::RowBackground(bool CaretRow, uint16_t RowMarks, int Row, bool ZeroBase) const
{
    const auto shown = [](const TEditorMark* Mark, bool Applies) { return Applies && Mark->Visible(); };
    if (shown(CurrentLine(), CaretRow))
        return CurrentLine();
    if (shown(DigitLine(), RowMarks & DigitRowMarks))
        return DigitLine();
    for (int n = 0; n < 6; ++n)
        if (shown(Mark(Img0 + n), RowMarks & RowMarkBit(FirstImageRowMark + n)))
            return Mark(Img0 + n);
    if (shown(ImageLine(), RowMarks & ImageRowMarks))
        return ImageLine();
    if (shown(EvenLine(), (Row % 2 == 0) == ZeroBase))
        return EvenLine();
    return nullptr;
}

void CollectExMarks(std::string_view RowText, int Row, const TColumnModel& Model, const TEditorExMarks& Marks,
                    const TBracketPair& Pair, int LastCol, std::vector<TExMarkItem>& Items)
{
    Items.clear();
    const bool dbSpace = Marks.DBSpaceMark()->Visible();
    const bool space = Marks.SpaceMark()->Visible();
    const bool tab = Marks.TabMark()->Visible();
    const bool brackets = Marks.ParenMark()->Visible() && Pair.Found;
    if (!dbSpace && !space && !tab && !brackets)
        return;
    for (TColumnCursor c(RowText, Model); !c.AtEnd() && c.Col() < LastCol; c.Next()) {
        const int index = static_cast<int>(c.Pos());
        const auto add = [&](TExMarkKind Kind) { Items.push_back({Kind, index, c.Col(), c.Width()}); };
        const char byte = RowText[c.Pos()];
        if (IsFullWidthSpaceAt(RowText, c.Pos())) {
            if (dbSpace)
                add(TExMarkKind::DBSpace);
        } else if (byte == ' ') {
            if (space)
                add(TExMarkKind::Space);
        } else if (byte == '\t') {
            if (tab)
                add(TExMarkKind::Tab);
        } else if (brackets && Pair.IsBracketAt(Row, index)) {
            add(Row == Pair.OpenRow && index == Pair.OpenIndex ? TExMarkKind::OpenBracket : TExMarkKind::CloseBracket);
        }
    }
}

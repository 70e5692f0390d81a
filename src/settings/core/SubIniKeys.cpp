#include "SubIniKeys.h"

#include <array>

namespace {

// A row's value: a member reached from the state, spelt as its path.
#define AT(Path)                                                                                                       \
    [](TSettingsState & S) -> auto& { return S.Path; }

using BoolRef = bool& (*)(TSettingsState&);
using IntRef = int32_t& (*)(TSettingsState&);
using StringRef = std::string& (*)(TSettingsState&);

TKeyRow Bool(std::string_view Section, std::string_view Key, BoolRef At)
{
    return {.Section = Section, .Key = Key, .Kind = TKeyKind::Bool, .BoolAt = At};
}

TKeyRow Negated(std::string_view Section, std::string_view Key, BoolRef At)
{
    TKeyRow row = Bool(Section, Key, At);
    row.Inverted = true;
    return row;
}

TKeyRow Menu(std::string_view Section, std::string_view Key, std::string_view Item)
{
    return {.Section = Section, .Key = Key, .Kind = TKeyKind::Bool, .MenuItem = Item};
}

TKeyRow FirstRun(TKeyRow Row)
{
    Row.FirstRunRule = true;
    return Row;
}

TKeyRow Int(std::string_view Section, std::string_view Key, IntRef At, TIntRule Rule = {})
{
    return {.Section = Section, .Key = Key, .Kind = TKeyKind::Int, .IntAt = At, .Int = Rule};
}

TKeyRow Text(std::string_view Section, std::string_view Key, StringRef At, TStringRule Rule = {})
{
    return {.Section = Section, .Key = Key, .Kind = TKeyKind::String, .StringAt = At, .Str = Rule};
}

TKeyRow Quoted(std::string_view Section, std::string_view Key, StringRef At, TStringRule Rule = {})
{
    TKeyRow row = Text(Section, Key, At, Rule);
    row.Kind = TKeyKind::Quoted;
    return row;
}

TIntRule Absent(int64_t Value) { return {.Absent = Value}; }

// A value outside Min..Max would index past a dialog's list or make a
// command divide by zero or build lines without end.
TIntRule Within(int64_t AbsentValue, int32_t Min, int32_t Max = std::numeric_limits<int32_t>::max())
{
    return {.Absent = AbsentValue, .Min = Min, .Max = Max};
}

// Blanks inserted at a line head: more than a line can hold is cut there.
constexpr int32_t MaxInsertWidth = 8192;
TIntRule InsertWidth() { return {.Absent = 1, .Min = 0, .Max = MaxInsertWidth, .CapAtMax = true}; }

TStringRule FormatPart(std::string_view Long, std::string_view Short) { return {.LongForm = Long, .ShortForm = Short}; }

const TStringRule Kept{.KeepWhenEmpty = true};

// Sizes the options dialog offers no further: a hand-edited or damaged
// value beyond them is cut to the largest the dialog would set.
TIntRule Capped(int64_t AbsentValue, int32_t Min, int32_t Max)
{
    return {.Absent = AbsentValue, .Min = Min, .Max = Max, .CapAtMax = true};
}
constexpr int32_t MaxMargin = 20;
constexpr int32_t MaxMinutes = 60;

} // namespace

std::span<const TKeyRow> FontAndOptionKeys()
{
    static const std::array rows{
        Int("Font", "FontSize", AT(Editor.Font.Size), Capped(TIntRule::KeepValue, 1, 30)),
        Text("Font", "FontName", AT(Editor.Font.Name), Kept),
        Int("Font", "TreeFontSize", AT(Tree.FontSize), Capped(TIntRule::KeepValue, 1, 100)),
        Text("Font", "TreeFontName", AT(Tree.FontName), Kept),
        Int("Font", "TreeFontColor", AT(Tree.FontColor)),
        Int("Font", "TreeBackColor", AT(Tree.Color)),
        Bool("Font", "TreeFontBold", AT(Vars.TreeFontBold)),
        Bool("Font", "TreeFontItalic", AT(Vars.TreeFontItalic)),

        Bool("Options", "ExtEditor", AT(Vars.ExtEditor)),
        Text("Options", "HideExe", AT(Vars.HideExe), Kept),
        Text("Options", "OtherHelp", AT(Vars.OtherHelp), Kept),
        Int("Options", "TopMargin", AT(Editor.Margin.Top), Capped(1, 0, MaxMargin)),
        Int("Options", "LeftMargin", AT(Editor.Margin.Left), Capped(1, 0, MaxMargin)),
        Int("Options", "LineMargin", AT(Editor.Margin.Line), Capped(0, 0, MaxMargin)),
        Int("Options", "CharMargin", AT(Editor.Margin.Character), Capped(0, 0, MaxMargin)),
        Int("Options", "TabSpace", AT(Editor.Caret.TabSpaceCount), Capped(4, 2, 8)),
        Bool("Options", "EOF", AT(Editor.Marks.EofMark.Visible)),
        Bool("Options", "RET", AT(Editor.Marks.RetMark.Visible)),
        Bool("Options", "Paren", AT(Editor.ExMarks.ParenMark.Visible)),
        Bool("Options", "CARET", AT(Editor.Caret.FreeCaret)),
        Bool("Options", "AUTOIN", AT(Editor.Caret.AutoIndent)),
        Bool("Options", "TABIN", AT(Editor.Caret.InTab)),
        Bool("Options", "TABSOFT", AT(Editor.Caret.SoftTab)),
        Negated("Options", "LockScroll", AT(Editor.Caret.LockScroll)),
        Bool("Options", "UNDERLINE", AT(Editor.Marks.Underline.Visible)),
        Bool("Options", "Ruler", AT(Editor.Ruler.Visible)),
        Bool("Options", "English", AT(Editor.WrapOption.WordBreak)),
        Bool("Options", "SpaceTab", AT(Vars.SpaceTab)),
        Bool("Options", "HanSpace", AT(Vars.HanSpace)),
        Bool("Options", "IME", AT(Vars.Options.IME)),
        Bool("Options", "Exit", AT(Vars.Options.Exit)),
        Bool("Options", "LastFile", AT(Vars.LastFile)),
        Bool("Options", "CommentType", AT(Vars.CommentType)),
        Bool("Options", "NumberIndent", AT(Vars.NumberIndent)),
        Bool("Options", "AutoSave", AT(Vars.AutoSave)),
        Bool("Options", "AutoClip", AT(Vars.AutoClip)),
        Bool("Options", "InsSpace", AT(Vars.InsSpace)),
        Bool("Options", "FindAll", AT(Vars.FindAll)),
        Bool("Options", "BracketFlg", AT(Vars.BracketFlg)),
        Bool("Options", "RightRtn", AT(Vars.RightRtn)),
        Bool("Options", "WaveTextFlg", AT(Vars.WaveTextFlg)),
        Menu("Options", "WebTextHKToZK", "WeOpHKToZK"),
        Menu("Options", "WebTextTopSpcDel", "WeOpTopSpcDel"),
        Menu("Options", "WebTextRtn", "WeOpTopRtnDel"),
        FirstRun(Menu("Options", "WebTexthyphen", "WeOphyphen")),
        Menu("Options", "WebTextHs2ToZs", "WeOpHs2ToZs"),
        Menu("Options", "WebTextLogicLine", "WeOpLogicLine"),
        Bool("Options", "TextToPage", AT(Vars.Options.TextToPage)),
        Bool("Options", "TreeUndoRedo", AT(Vars.TreeUndoRedo)),
        Bool("Options", "FileLinkPath", AT(Vars.FileLinkPath)),
        Bool("Options", "ForderIconDel", AT(Vars.ForderIconDel)),
        FirstRun(Bool("Options", "LineScrollFlg", AT(Vars.LineScrollFlg))),
        Int("Options", "LineScroll", AT(Vars.LineScroll), Capped(1, 0, 10)),
        // A timer of 0 ms or less would save without pause.
        Int("Options", "AutoSaveTime", AT(Vars.AutoSaveTime), Capped(600000, 1, MaxMinutes * 60000)),
        Text("Options", "LastFileName", AT(Vars.LastFileName)),
        Quoted("Options", "BeforeNumberStr", AT(Vars.BeforeNumberStr)),
        Quoted("Options", "AfterNumberStr", AT(Vars.AfterNumberStr)),
        Bool("Options", "NoContinue", AT(Vars.NoContinue)),
        Quoted("Options", "QMark", AT(Vars.QMark), {.Fallback = "> "}),
        Quoted("Options", "AllDelStr", AT(Vars.AllDelStr)),
        Bool("Options", "Scroll", AT(Vars.Options.Scroll)),
        Menu("Tree", "TipHelp", "TreeTipHelp"),
        Int("Options", "BookLine", AT(Vars.BookLine), Within(16, 1)),
        Int("Options", "BookMoji", AT(Vars.BookMoji), Within(42, 1)),
        Bool("Options", "LineShow", AT(Editor.Leftbar.Visible)),
        Text("Options", "UserExt", AT(Vars.UserExt), {.Fallback = "txt"}),
    };
    return rows;
}

std::span<const TKeyRow> StyleFlagKeys()
{
    static const std::array rows{
        Bool("Colors", "AnkBold", AT(Vars.AnkBold)),
        Bool("Colors", "AnkItalic", AT(Vars.AnkItalic)),
        Bool("Colors", "AnkUL", AT(Vars.AnkUL)),
        Bool("Colors", "DBCSBold", AT(Vars.DBCSBold)),
        Bool("Colors", "DBCSItalic", AT(Vars.DBCSItalic)),
        Bool("Colors", "DBCSUL", AT(Vars.DBCSUL)),
        Bool("Colors", "UrlBold", AT(Vars.UrlBold)),
        Bool("Colors", "UrlItalic", AT(Vars.UrlItalic)),
        Bool("Colors", "UrlUL", AT(Vars.UrlUL)),
        Bool("Colors", "MailBold", AT(Vars.MailBold)),
        Bool("Colors", "MailItalic", AT(Vars.MailItalic)),
        Bool("Colors", "MailUL", AT(Vars.MailUL)),
        Bool("Colors", "FileLinkBold", AT(Vars.FileLinkBold)),
        Bool("Colors", "FileLinkItalic", AT(Vars.FileLinkItalic)),
        Bool("Colors", "PageLinkBold", AT(Vars.PageLinkBold)),
        Bool("Colors", "PageLinkItalic", AT(Vars.PageLinkItalic)),
        Bool("Colors", "CommentBold", AT(Vars.CommentBold)),
    };
    return rows;
}

const TKeyRow& KinsokuKey()
{
    static const TKeyRow row = Bool("Kinsoku", "Leading", AT(Editor.WrapOption.Leading));
    return row;
}

const TKeyRow& WordWrapOffKey()
{
    static const TKeyRow row = Negated("Style", "WordWrapOff", AT(Editor.WordWrap));
    return row;
}

std::span<const TKeyRow> DialogAndDocumentKeys()
{
    static const std::array rows{
        Text("IME", "Year", AT(Vars.IME.Year), FormatPart("yyyy", "yy")),
        Quoted("IME", "YearK", AT(Vars.IME.YearK)),
        Text("IME", "Month", AT(Vars.IME.Month), FormatPart("mm", "m")),
        Quoted("IME", "MonthK", AT(Vars.IME.MonthK)),
        Text("IME", "Day", AT(Vars.IME.Day), FormatPart("dd", "d")),
        Quoted("IME", "DayK", AT(Vars.IME.DayK)),
        Text("IME", "Hour", AT(Vars.IME.Hour), FormatPart("hh", "h")),
        Quoted("IME", "HourK", AT(Vars.IME.HourK)),
        Text("IME", "Min", AT(Vars.IME.Min), FormatPart("nn", "n")),
        Quoted("IME", "MinK", AT(Vars.IME.MinK)),
        Text("IME", "Sec", AT(Vars.IME.Sec), FormatPart("ss", "s")),
        Quoted("IME", "SecK", AT(Vars.IME.SecK)),
        Bool("IME", "ZenDate", AT(Vars.IME.ZenDate)),
        Bool("IME", "ZenTime", AT(Vars.IME.ZenTime)),
        Bool("IME", "Youbi", AT(Vars.IME.Youbi)),
        Bool("IME", "Enter", AT(Vars.IME.Enter)),
        // The last choices index the choosers' lists.
        Int("Convert", "StrHenkanNo", AT(Vars.Convert.StrHenkanNo), Within(0, 0, 21)),
        Text("Seikei", "Width", AT(Vars.Seikei.Width), {.Fallback = "72"}),
        Int("Seikei", "Index", AT(Vars.Seikei.Index), Within(0, 0, 4)),
        Bool("Seikei", "SeikeiMax", AT(Vars.Seikei.SeikeiMax)),
        Bool("Seikei", "English", AT(Vars.Seikei.English)),
        Bool("Seikei", "Indent", AT(Vars.Seikei.Indent)),
        Bool("Seikei", "KeisenBig", AT(Vars.Seikei.KeisenBig)),
        Int("Seikei", "StrSeikeiNo", AT(Vars.Seikei.StrSeikeiNo), Within(0, 0, 23)),
        Int("Delete", "GStrDelNo", AT(Vars.Delete.GStrDelNo), Within(0, 0, 14)),
        Int("LineNumber", "Mode", AT(Vars.LineNumber.Mode), Absent(0)),
        Int("InsSpc", "width", AT(Vars.InsSpc.width), InsertWidth()),
        Int("InsTab", "width", AT(Vars.InsTab.width), InsertWidth()),
        Int("InsZenSpc", "width", AT(Vars.InsZenSpc.width), InsertWidth()),
        Int("DelSpc", "width", AT(Vars.DelSpc.width), Absent(0)),
        Bool("Col_Row", "Mode", AT(Vars.Col_Row.Mode)),
        Bool("Backup", "Mode", AT(Vars.Backup.Mode)),
        Bool("APoFile", "Mode", AT(Vars.APoFile.Mode)),
        Bool("PageCursor", "Mode", AT(Vars.PageCursor.Mode)),
        Bool("Page", "Mode", AT(Vars.Page.Mode)),
        Text("Backup", "Folder", AT(Vars.Backup.Folder), {.ComputedFallback = BackupFolderDefault}),
        Text("APoFile", "File", AT(Vars.APoFile.File)),
        Text("APoFile", "TextToPage", AT(Vars.APoFile.TextToPage)),
        Text("APoFile", "TextSaveDir", AT(Vars.APoFile.TextSaveDir)),
    };
    return rows;
}

const TKeyRow& SubIconKey()
{
    static const TKeyRow row = Bool("SubIcon", "AltSubIcon", AT(Vars.SubIcon.AltSubIcon));
    return row;
}

#undef AT

namespace {

#define COLOUR(Path) [](TSettingsState& S, THtmlColors&) -> TColor& { return S.Path; }
#define HTML(Member) [](TSettingsState&, THtmlColors& H) -> TColor& { return H.Member; }

void AnkColours(TSettingsState& S, THtmlColors& Html, TColor C)
{
    auto& colours = S.Editor.Colors;
    colours.Ank.Color = colours.Symbol.Color = colours.Int.Color = colours.Str.Color = C;
    Html.TagAttribute = C;
}

} // namespace

std::span<const TColourKey> ColourKeys()
{
    static const std::array<TColourKey, 30> keys{{
        {"SelectCol", COLOUR(Editor.Colors.Select.Color)},
        {"EOFMK", COLOUR(Editor.Marks.EofMark.Color)},
        {"RETMK", COLOUR(Editor.Marks.RetMark.Color)},
        {"ULCol", COLOUR(Editor.Marks.Underline.Color), 0xFF0000},
        {"ParenCol", COLOUR(Editor.ExMarks.ParenMark.Color), 0xFF0000},
        {"AnkCol", COLOUR(Vars.AnkCol), TIntRule::KeepValue, AnkColours},
        {"StrCol", COLOUR(Vars.StrCol), 0xCC41FA,
         [](TSettingsState& S, THtmlColors& Html, TColor C) { S.Editor.Colors.Str.Color = Html.Str = C; }},
        {"DBCSCol", COLOUR(Vars.DBCSCol), TIntRule::KeepValue,
         [](TSettingsState& S, THtmlColors&, TColor C) { S.Editor.Colors.DBCS.Color = C; }},
        {"UrlCol", COLOUR(Editor.Colors.Url.Color), TIntRule::KeepValue,
         [](TSettingsState&, THtmlColors& Html, TColor C) { Html.Url = C; }},
        {"MailCol", COLOUR(Editor.Colors.Mail.Color), TIntRule::KeepValue,
         [](TSettingsState&, THtmlColors& Html, TColor C) { Html.Mail = C; }},
        {"CommentCol", COLOUR(Editor.Colors.Comment.Color), TIntRule::KeepValue,
         [](TSettingsState&, THtmlColors& Html, TColor C) { Html.Comment = C; }},
        {"ReserveCol", COLOUR(Editor.Colors.Reserve.Color)},
        {"brAsterisk", COLOUR(Editor.Brackets[0].Color)},
        {"brEexclamation", COLOUR(Editor.Brackets[1].Color)},
        {"brC_Comment", COLOUR(Editor.Brackets[2].Color)},
        {"KagiCol", COLOUR(Editor.Brackets[3].Color), 0},
        {"FileCol", COLOUR(Editor.Brackets[4].Color), 0xD5006A},
        {"PageCol", COLOUR(Editor.Brackets[5].Color), 0xFF80FF},
        {"RulerCol", COLOUR(Editor.Ruler.Color)},
        {"RulerMarkCol", COLOUR(Editor.Ruler.MarkColor)},
        {"ZenTabCol", COLOUR(Vars.ZenTabCol), 0xC0C0C0},
        {"HanCol", COLOUR(Vars.HanCol), 0xC0CDFE},
        {"HitCol", COLOUR(Editor.ExMarks.Hit.Color), 0x00FF00},
        {"HitMarkCol", COLOUR(Editor.ExMarks.FindMark.Color), 0xFF00FF},
        {"Back", COLOUR(Vars.Colors.Back), 0xFFFFFF,
         [](TSettingsState& S, THtmlColors&, TColor C) { ApplyBackground(S.Editor, C); }},
        {"SelectBkCol", COLOUR(Editor.Colors.Select.BkColor)},
        {"KagiBkCol", COLOUR(Editor.Brackets[3].BkColor), 0xFFFFFF},
        {"HTMLTagCol", HTML(TagColor)},
        {"HTMLTagEleCol", HTML(TagElement)},
        {"HTMLTagAtrCol", HTML(TagAttribute)},
    }};
    return keys;
}

#undef COLOUR
#undef HTML

std::span<const std::string_view> ColourReadOrder()
{
    static constexpr std::array<std::string_view, 30> order{
        "AnkCol",      "StrCol",         "DBCSCol",     "UrlCol",     "MailCol",       "EOFMK",
        "RETMK",       "ULCol",          "ParenCol",    "RulerCol",   "RulerMarkCol",  "ZenTabCol",
        "HitCol",      "HitMarkCol",     "HanCol",      "CommentCol", "SelectCol",     "ReserveCol",
        "brAsterisk",  "brEexclamation", "brC_Comment", "KagiCol",    "FileCol",       "PageCol",
        "SelectBkCol", "KagiBkCol",      "Back",        "HTMLTagCol", "HTMLTagEleCol", "HTMLTagAtrCol",
    };
    return order;
}

std::span<const TMenuKey> ToolBarKeys()
{
    static constexpr std::array<TMenuKey, 5> keys{{
        {"FileShow", "OpTbFileShow"},
        {"TreeShow", "OpTbTreeShow"},
        {"EditShow", "OpTbEditShow"},
        {"FontShow", "OpTbFontShow"},
        {"StringShow", "OpTbStringShow"},
    }};
    return keys;
}

std::span<const TMenuKey> RightClikKeys()
{
    static constexpr std::array<TMenuKey, 2> keys{{
        {"MoveLink", "OpSubMoveLink"},
        {"StringAdmin", "OpSubStrAdmin"},
    }};
    return keys;
}

#include "KeyCandidates.h"

#include <array>

namespace {

using TKeyNames = std::span<const std::string_view>;

constexpr std::string_view Letters[] = {"A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L", "M",
                                        "N", "O", "P", "Q", "R", "S", "T", "U", "V", "W", "X", "Y", "Z"};
constexpr std::string_view Punctuation[] = {"@", "[", "]", ";", ":", ",", ".", "\\", "/"};
constexpr std::string_view FunctionKeys[] = {"F1", "F2", "F3", "F4", "F5", "F6", "F7", "F8", "F9", "F10", "F11", "F12"};
constexpr std::string_view CtrlMoves[] = {"Del", "PgUp", "PgDn", "Enter", "Left", "Right", "Up", "Down"};
constexpr std::string_view ShiftMoves[] = {"Enter", "PgUp", "PgDn"};
constexpr std::string_view Editing[] = {"Ins",  "Del",   "BkSp", "Home",  "End", "PgUp",
                                        "PgDn", "Enter", "Left", "Right", "Up",  "Down"};

std::vector<std::string> CandidateSet(std::string_view Prefix, std::initializer_list<TKeyNames> Groups)
{
    std::vector<std::string> set{std::string(UnDefinedKey)};
    for (const TKeyNames& group : Groups)
        for (std::string_view key : group)
            set.push_back(std::string(Prefix).append(key));
    return set;
}

} // namespace

int KeySetIndexOf(bool Ctrl, bool Shift, bool Alt)
{
    static constexpr std::array<int, 8> indexes{
        0,  // none
        1,  // Ctrl
        3,  // Shift
        2,  // Ctrl and Shift
        5,  // Alt
        4,  // Ctrl and Alt
        6,  // Shift and Alt
        -1, // all three
    };
    return indexes[size_t(Ctrl) | size_t(Shift) << 1 | size_t(Alt) << 2];
}

const std::vector<std::string>& KeyCandidates(int Index)
{
    static const std::array<std::vector<std::string>, 7> sets{
        CandidateSet("", {FunctionKeys}),
        CandidateSet("Ctrl+", {Letters, CtrlMoves, Punctuation, FunctionKeys}),
        CandidateSet("Shift+Ctrl+", {Letters, Editing, Punctuation}),
        CandidateSet("Shift+", {ShiftMoves, FunctionKeys}),
        CandidateSet("Ctrl+Alt+", {Editing, Punctuation}),
        CandidateSet("Alt+", {Editing, Punctuation}),
        CandidateSet("Shift+Alt+", {Editing, Punctuation}),
    };
    return sets.at(static_cast<size_t>(Index));
}

std::span<const std::string_view> NoCombinationLines()
{
    static constexpr std::array<std::string_view, 3> lines{"  Ctrl+Shift+Alt", "を組み合わせることは", "できません！"};
    return lines;
}

TColor CandidateTextColor(bool Greyed, bool Selected, bool Taken, TColor SelText)
{
    if (Greyed)
        return RGB(128, 128, 128);
    if (Taken)
        return Selected ? RGB(255, 96, 96) : RGB(255, 0, 0);
    return Selected ? SelText : clBlack;
}

std::string DesktopKeyNote(std::string_view KeyText)
{
    // Each key with what usually takes it.
    // clang-format off
    static constexpr std::pair<std::string_view, std::string_view> taken[] = {
        {"Ctrl+Space", "入力メソッドの切り替え"},       {"Shift+Space", "入力メソッドの切り替え"},
        {"Shift+Ctrl+Space", "入力メソッドの切り替え"}, {"Ctrl+Alt+Left", "ワークスペースの切り替え"},
        {"Ctrl+Alt+Right", "ワークスペースの切り替え"}, {"Ctrl+Alt+Up", "ワークスペースの切り替え"},
        {"Ctrl+Alt+Down", "ワークスペースの切り替え"},  {"Ctrl+Alt+Del", "ログアウト"},
        {"Ctrl+Alt+BkSp", "画面の終了"},                {"Alt+Tab", "ウィンドウの切り替え"},
        {"Alt+F1", "メニュー"},                         {"Alt+F2", "コマンドの実行"},
        {"Alt+F4", "ウィンドウを閉じる操作"},           {"Ctrl+Alt+T", "端末の起動"},
    };
    // clang-format on
    for (const auto& [key, taker] : taken)
        if (key == KeyText)
            return std::string(KeyText) + " はデスクトップや入力メソッドが" + std::string(taker)
                   + "に使うことが多く、このプログラムに届かないことがあります。";
    return {};
}

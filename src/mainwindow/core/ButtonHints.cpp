#include "ButtonHints.h"

#include "ShortCutText.h"

namespace {

constexpr TButtonHint Hints[] = {
    {Cmd::sbOpen, "ファイルを開く ", Cmd::FlOpen},
    {Cmd::sbSave, "ファイルを保存する ", Cmd::FlSave},
    {Cmd::sbPageNew, "新規作成 ", Cmd::FlNew},
    {Cmd::sbLoadTreeText, "階層付きテキストファイルを開く ", Cmd::FlTreeTextOpen},
    {Cmd::sbTextOutput, "テキスト出力 ", Cmd::FlTextSellect},
    {Cmd::sbIns, "前に追加 ", Cmd::TreeIns},
    {Cmd::sbAdd, "後に追加 ", Cmd::TreeAdd},
    {Cmd::sbAddChild, "下の階層に追加 ", Cmd::TreeAddChild},
    {Cmd::sbPageDel, "ページを削除 ", Cmd::TreeDel},
    {Cmd::sbMoveUp, "ページを上に移動 ", Cmd::TreeMoveUp},
    {Cmd::sbMoveDown, "ページを下に移動 ", Cmd::TreeMoveDown},
    {Cmd::sbPageUp, "階層を上げる ", Cmd::TreeNodeUp},
    {Cmd::sbPageDown, "階層を下げる ", Cmd::TreeNodeDown},
    {Cmd::sbPageDevide, "ページを分割する ", Cmd::EdPageDevide},
    {Cmd::sbPageUnify, "ページを統合する ", Cmd::TreeUnify},
    {Cmd::sbNextPage, "下のページを閲覧 ", Cmd::TreePageNext},
    {Cmd::sbPrevPage, "上のページを閲覧 ", Cmd::TreePagePrev},
    {Cmd::sbSplitTargetNode, "閲覧専用画面を開く ", Cmd::OpSplitRead},
    {Cmd::sbPageUndo, "戻る ", Cmd::TreePageUndo},
    {Cmd::sbPageRedo, "進む ", Cmd::TreePageRedo},
    {Cmd::sbCopy, "コピー ", Cmd::EdCopy},
    {Cmd::sbCut, "カット ", Cmd::EdCut},
    {Cmd::sbPaste, "ペースト ", Cmd::EdPaste},
    {Cmd::sbUndo, "元に戻す ", Cmd::EdUndo},
    {Cmd::sbRedo, "元に戻すを戻す ", Cmd::EdRedo},
    {Cmd::sbGoEditor, "外部エディタ起動 ", Cmd::pEdGoHide},
    {Cmd::sbFind, "検索 ", Cmd::FdGoFind},
    {Cmd::sbFoward, "下検索 ", Cmd::FdForwardFind},
    {Cmd::sbBack, "上検索 ", Cmd::FdBackFind},
    {Cmd::sbSubIcon, "サブアイコン検索 ", Cmd::FdGoSubIcon},
    {Cmd::sbHenkan, "文字列変換 ", Cmd::pEdStrCvDialog},
    {Cmd::sbSeikei, "文字列整形 ", Cmd::pEdSeikeiDialog},
    {Cmd::sbReturn, "指定した数値で改行 ", Cmd::pEdStrRtn},
    {Cmd::sbDelete, "文字列削除 ", Cmd::pEdDelDialog},
};

} // namespace

std::span<const TButtonHint> ButtonHintTable() { return Hints; }

std::string ButtonHintText(const TButtonHint& Hint, TShortCut ShortCut)
{
    return std::string(Hint.Label) + ShortCutToText(ShortCut);
}

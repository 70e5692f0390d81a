#include "ButtonHints.h"

#include "ShortCutText.h"

namespace {

constexpr TButtonHint Hints[] = {
    {"sbOpen", "ファイルを開く ", "FlOpen"},
    {"sbSave", "ファイルを保存する ", "FlSave"},
    {"sbPageNew", "新規作成 ", "FlNew"},
    {"sbLoadTreeText", "階層付きテキストファイルを開く ", "FlTreeTextOpen"},
    {"sbTextOutput", "テキスト出力 ", "FlTextSellect"},
    {"sbIns", "前に追加 ", "TreeIns"},
    {"sbAdd", "後に追加 ", "TreeAdd"},
    {"sbAddChild", "下の階層に追加 ", "TreeAddChild"},
    {"sbPageDel", "ページを削除 ", "TreeDel"},
    {"sbMoveUp", "ページを上に移動 ", "TreeMoveUp"},
    {"sbMoveDown", "ページを下に移動 ", "TreeMoveDown"},
    {"sbPageUp", "階層を上げる ", "TreeNodeUp"},
    {"sbPageDown", "階層を下げる ", "TreeNodeDown"},
    {"sbPageDevide", "ページを分割する ", "EdPageDevide"},
    {"sbPageUnify", "ページを統合する ", "TreeUnify"},
    {"sbNextPage", "下のページを閲覧 ", "TreePageNext"},
    {"sbPrevPage", "上のページを閲覧 ", "TreePagePrev"},
    {"sbSplitTargetNode", "閲覧専用画面を開く ", "OpSplitRead"},
    {"sbPageUndo", "戻る ", "TreePageUndo"},
    {"sbPageRedo", "進む ", "TreePageRedo"},
    {"sbCopy", "コピー ", "EdCopy"},
    {"sbCut", "カット ", "EdCut"},
    {"sbPaste", "ペースト ", "EdPaste"},
    {"sbUndo", "元に戻す ", "EdUndo"},
    {"sbRedo", "元に戻すを戻す ", "EdRedo"},
    {"sbGoEditor", "外部エディタ起動 ", "pEdGoHide"},
    {"sbFind", "検索 ", "FdGoFind"},
    {"sbFoward", "下検索 ", "FdForwardFind"},
    {"sbBack", "上検索 ", "FdBackFind"},
    {"sbSubIcon", "サブアイコン検索 ", "FdGoSubIcon"},
    {"sbHenkan", "文字列変換 ", "pEdStrCvDialog"},
    {"sbSeikei", "文字列整形 ", "pEdSeikeiDialog"},
    {"sbReturn", "指定した数値で改行 ", "pEdStrRtn"},
    {"sbDelete", "文字列削除 ", "pEdDelDialog"},
};

} // namespace

std::span<const TButtonHint> ButtonHintTable() { return Hints; }

std::string ButtonHintText(const TButtonHint& Hint, TShortCut ShortCut)
{
    return std::string(Hint.Label) + ShortCutToText(ShortCut);
}

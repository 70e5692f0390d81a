#include "CommandTable.h"

#include <stdexcept>
#include <string>

namespace {

constexpr TCommandRow Header(std::string_view Caption) { return {{}, {}, Caption, {}, 0, 0, {}}; }

constexpr TCommandRow Command(TCommandId Item, TCommandId Menu, std::string_view Caption, std::string_view Key,
                              TShortCut Default = 0, TShortCut MenuShortCut = 0,
                              std::optional<TCommandId> Twin = std::nullopt)
{
    return {Item, Menu, Caption, Key, Default, MenuShortCut, Twin};
}

// The captions are the key dialog's; a menu may show a command under a
// caption of its own (the main window's menu layout). Keys keep their exact
// spelling ("MpTreeToFreind", "SppEdKakko1", "SpEdColon"): the key file
// stores them.
constexpr TCommandRow Rows[] = {
    Header("======= フ ァ イ ル ======="),
    Command(Cmd::FlNew, Cmd::FileTop, "新規作成", "FileNew", scCtrl | 'N'),
    Command(Cmd::FlOpen, Cmd::FileTop, "ファイルを開く", "FileOpen", scCtrl | 'O'),
    Command(Cmd::FlSave, Cmd::FileTop, "ファイルを保存", "FileSave", scCtrl | 'S'),
    Command(Cmd::FlOverSave, Cmd::FileTop, "強制保存", "FileOverSave"),
    Command(Cmd::FlSaveAs, Cmd::FileTop, "名前をつけて保存", "FileSaveAs"),
    Command(Cmd::FlPageTextLoad, Cmd::FileTop, "テキストを開いてページ作成", "FilePageTextLoad"),
    Command(Cmd::FlTreeTextOpen, Cmd::FileTop, "階層付きテキスト読込", "FileTreeTextOpen"),
    Command(Cmd::FlTreeTextSave, Cmd::FileTop, "階層付きテキスト保存", "FileTreeTextSave"),
    Command(Cmd::FlTextSellect, Cmd::FileTop, "テキスト出力", "FileTextSellect"),
    Command(Cmd::FlGoVelk2000, Cmd::FileTop, "別のVelk2000を起動", "FileGoVelk2000"),
    Header("======= ツ  リ  ー ======="),
    Command(Cmd::TreeIns, Cmd::TreeTop, "挿入", "MTreeIns", scCtrl | 'I', 0, Cmd::pTreeIns),
    Command(Cmd::TreeAdd, Cmd::TreeTop, "追加", "MTreeAdd", scCtrl | 'K', 0, Cmd::pTreeAdd),
    Command(Cmd::TreeDel, Cmd::TreeTop, "削除", "MTreeDel", scCtrl | VK_DELETE, 0, Cmd::pTreeDel),
    Command(Cmd::TreeAddChild, Cmd::TreeTop, "下の階層に追加", "MTreeAddChild", scCtrl | 'L', 0, Cmd::pTreeAddChild),
    Command(Cmd::TreeNodeCopy, Cmd::TreeTop, "ページコピー", "MTreeNodeCopy", 0, 0, Cmd::pTreeNodeCopy),
    Command(Cmd::TreeNodeCut, Cmd::TreeTop, "ページカット", "MTreeNodeCut", 0, 0, Cmd::pTreeNodeCut),
    Command(Cmd::TreeNodePaste, Cmd::TreeTop, "ページペースト", "MTreeNodePaste", 0, 0, Cmd::pTreeNodePaste),
    Command(Cmd::TreeMoveUp, Cmd::TreeTop, "上に移動", "MTreeMoveUp"),
    Command(Cmd::TreeMoveDown, Cmd::TreeTop, "下に移動", "MTreeMoveDown"),
    Command(Cmd::TreeNodeUp, Cmd::TreeTop, "階層を上げる", "MTreeNodeUp", 0, 0, Cmd::pTreeNodeUp),
    Command(Cmd::TreeNodeDown, Cmd::TreeTop, "階層を下げる", "MTreeNodeDown", 0, 0, Cmd::pTreeNodeDown),
    Command(Cmd::TreeUnify, Cmd::TreeTop, "統合する", "MTreeUnify", 0, 0, Cmd::pTreeNodeUnify),
    Command(Cmd::pTreeToChild, Cmd::TreePopupMenu, "同じ階層を子階層にする", "MpTreeToChild"),
    Command(Cmd::pTreeToFreind, Cmd::TreePopupMenu, "子階層のレベルを上げる", "MpTreeToFreind"),
    Command(Cmd::TreePagePrev, Cmd::TreeTop, "上のページを閲覧", "MTreePrev"),
    Command(Cmd::TreePageNext, Cmd::TreeTop, "下のページを閲覧", "MTreeNext"),
    Command(Cmd::TreePagePrevSame, Cmd::TreeTop, "上のページを閲覧（同じ階層）", "MTreePrevSame"),
    Command(Cmd::TreePageNextSame, Cmd::TreeTop, "下のページを閲覧（同じ階層）", "MTreeNextSame"),
    Command(Cmd::TreePageTop, Cmd::TreeTop, "トップページへ", "MTreeTop"),
    Command(Cmd::TreePageLast, Cmd::TreeTop, "ラストページへ", "MTreeLast"),
    Command(Cmd::TreePageExpand, Cmd::TreeTop, "ページを展開する", "MTreeExpand"),
    Command(Cmd::TreePageFold, Cmd::TreeTop, "ページを折り畳む", "MTreeFold"),
    Command(Cmd::TreeExpand, Cmd::TreeTop, "ツリー全体を拡げる", "MTreeExpandAll", 0, 0, Cmd::pTreeExpand),
    Command(Cmd::TreeCollapse, Cmd::TreeTop, "ツリー全体を畳む", "MTreeCollapseAll", 0, 0, Cmd::pTreeCollapse),
    Command(Cmd::TreeRootNodeExpand, Cmd::TreeTop, "ルートページを拡げる", "MTreeRootNodeExpand", 0, 0,
            Cmd::pTreeRootNodeExpand),
    Command(Cmd::pTreeNodeExpand, Cmd::TreePopupMenu, "現在のページを拡げる", "MTreeNodeExpand"),
    Command(Cmd::pTreeNodeCollapse, Cmd::TreePopupMenu, "現在のページを畳む", "MTreeNodeCollapse"),
    Command(Cmd::TreeDisp, Cmd::TreeTop, "ツリー表示切替", "MTreeDisp"),
    Command(Cmd::TreeNonDisp, Cmd::TreeTop, "ツリー部を消す", "MTreeNonDisp"),
    Command(Cmd::TreeScaleUp, Cmd::TreeTop, "ツリーエリアを拡大", "MTreeScaleUp"),
    Command(Cmd::TreeScaleDown, Cmd::TreeTop, "ツリーエリアを縮小", "MTreeScaleDown"),
    Command(Cmd::EdKeyImagePopUp, Cmd::EditTop, "サブアイコン挿入", "MTreeKeyImagePopUp"),
    Command(Cmd::TreePageUndo, Cmd::TreeTop, "戻る", "MTreePageUndo"),
    Command(Cmd::TreePageRedo, Cmd::TreeTop, "進む", "MTreePageRedo"),
    Header("======= 編      集 ======="),
    Command(Cmd::EdCopy, Cmd::EditTop, "コピー", "EditCopy", scCtrl | 'C', 0, Cmd::pEdCopy),
    Command(Cmd::EdAddCopy, Cmd::EditTop, "追加コピー", "EditAddCopy", 0, 0, Cmd::pEdAddCopy),
    Command(Cmd::EdCut, Cmd::EditTop, "カット", "EditCut", scCtrl | 'X', 0, Cmd::pEdCut),
    Command(Cmd::EdPaste, Cmd::EditTop, "ペースト", "EditPaste", scCtrl | 'V', 0, Cmd::pEdPaste),
    Command(Cmd::EdDel, Cmd::EditTop, "削除", "", 0, 0, Cmd::pEdDel), // not rebindable: lends its shortcut to pEdDel
    Command(Cmd::EdAllSel, Cmd::EditTop, "すべて選択", "EditAllSel", scCtrl | 'A', 0, Cmd::pEdAllSel),
    Command(Cmd::EdUndo, Cmd::EditTop, "元に戻す", "EditUndo", scCtrl | 'Z', 0, Cmd::pEdUndo),
    Command(Cmd::EdRedo, Cmd::EditTop, "元に戻すを戻す", "EditRedo", 0, 0, Cmd::pEdRedo),
    Command(Cmd::EdImeReconv, Cmd::EditTop, "IME再変換", "EditIMER", 0, 0, Cmd::pEdImeReconv),
    Command(Cmd::EdDate, Cmd::EditTop, "日付", "EditDate"),
    Command(Cmd::EdTime, Cmd::EditTop, "時刻", "EditTime"),
    Command(Cmd::EdDateTime, Cmd::EditTop, "日付＋時刻", "EditDateTime"),
    Command(Cmd::EdMark, Cmd::EditTop, "マーク挿入", "EditMark"),
    Command(Cmd::EdAllView, Cmd::EditTop, "全体を外部エディタで見る", "EditAllView"),
    Command(Cmd::EdSort, Cmd::EditTop, "ソート", "EditSort"),
    Command(Cmd::pEdCalc, Cmd::EditPopupMenu, "数式処理", "EditMath"),
    Command(Cmd::EdPageDevide, Cmd::EditTop, "ページ分割", "EditPageDevide", 0, 0, Cmd::pEdPageDevide),
    Command(Cmd::EdLineDel, Cmd::EditTop, "１行削除（折り返し）", "EditLineDel"),
    Command(Cmd::EdInsRtn, Cmd::EditTop, "１行（空白行）挿入", "EditLineIns"),
    Command(Cmd::EdLineTop, Cmd::EditTop, "カーソルを行頭へ（折り返し）", "EditLineTop"),
    Command(Cmd::EdLineEnd, Cmd::EditTop, "カーソルを行末へ（折り返し）", "EditLineEnd"),
    Command(Cmd::EdFromTop, Cmd::EditTop, "行頭からカーソルまで削除", "EditFromTop"),
    Command(Cmd::EdToEnd, Cmd::EditTop, "カーソルから行末まで削除", "EditToEnd"),
    Command(Cmd::EdLinkSel, Cmd::EditTop, "リンク文字列選択", "EditLinkSel"),
    Command(Cmd::EdLinkExecute, Cmd::EditTop, "リンク実行", "EditDouble"),
    Command(Cmd::EdLeftPos, Cmd::EditTop, "左寄せ", "EditLeftPos"),
    Command(Cmd::EdCenterPos, Cmd::EditTop, "センター", "EditCenterPos"),
    Command(Cmd::EdRightPos, Cmd::EditTop, "右寄せ", "EditRightPos"),
    Command(Cmd::EdParenMark, Cmd::EditTop, "対応する括弧へジャンプ", "EditParenMark"),
    Command(Cmd::EdBeforePage, Cmd::EditTop, "１つ前に閲覧したページに戻る", "EditBeforePage"),
    Header("======= 検      索 ======="),
    Command(Cmd::FdGoFind, Cmd::FindTop, "検索", "Find", scCtrl | 'F', scCtrl | 'F'),
    Command(Cmd::FdForwardFind, Cmd::FindTop, "下検索", "FindForward", VK_F3, VK_F3),
    Command(Cmd::FdBackFind, Cmd::FindTop, "上検索", "FindBack", scShift | VK_F3, scShift | VK_F3),
    Command(Cmd::FdFindList, Cmd::FindTop, "検索リストを表示", "FindList"),
    Command(Cmd::FdFindListClose, Cmd::FindTop, "検索リストを閉じる", "FindListClose"),
    Command(Cmd::FdGoSubIcon, Cmd::FindTop, "サブアイコン検索", "FindSubIcon"),
    Command(Cmd::FdUndoHitCol, Cmd::FindTop, "ヒット文字列の色を戻す", "UndoHitCol"),
    Command(Cmd::FdReplace, Cmd::FindTop, "置換", "Replace", scCtrl | 'R', scCtrl | 'R'),
    Command(Cmd::FdFastReplace, Cmd::FindTop, "高速置換", "FastReplace"),
    Command(Cmd::FdExtractLine, Cmd::FindTop, "検索行抽出", "FindLine"),
    Header("======= オプション ======="),
    Command(Cmd::OpMain, Cmd::OptionTop, "設定", "OptionMain"),
    Command(Cmd::OpKeyCustom, Cmd::OptionTop, "キーカスタマイズ", "OptionKeyCustom"),
    Command(Cmd::OpBoxSel, Cmd::OptionTop, "矩形選択", "OptionBoxSel", scCtrl | 'B', scCtrl | 'B'),
    Command(Cmd::OpSplit, Cmd::OptionTop, "画面上下分割", "OptionSplit"),
    Command(Cmd::OpSplitRead, Cmd::OptionTop, "閲覧専用画面を開く", "OptionSplitLR"),
    Command(Cmd::OpClip, Cmd::OptionTop, "クリッピング", "OptionClip"),
    Command(Cmd::OpGenkou, Cmd::OptionTop, "原稿用紙換算", "OptionGenkou"),
    Command(Cmd::OpInsNoInit, Cmd::OptionTop, "ナンバー文字列を初期化する", "OptionInsNoInit"),
    Header("======= エディタ右クリック ======="),
    Command(Cmd::pEdFileLink, Cmd::EditPopupMenu, "ファイルリンク", "EdFileLink"),
    Command(Cmd::pEdPageLink, Cmd::EditPopupMenu, "ページリンク", "EdPageLink"),
    Command(Cmd::pEdGoHide, Cmd::EditPopupMenu, "外部エディタで編集", "EdGoHide"),
    Command(Cmd::pEdLineCopy, Cmd::EditPopupMenu, "論理行をコピー", "EdLineCopy"),
    Command(Cmd::pEdLineCut, Cmd::EditPopupMenu, "論理行をカット", "EdLineCut"),
    Header("======= ヘ  ル  プ ======="),
    Command(Cmd::HpTopic, Cmd::HelpTop, "トピック", "HelpTopic"),
    Command(Cmd::HpOtherHelp, Cmd::HelpTop, "外部ヘルプ", "HelpOtherHelp"),
    Header("======= 文字列処理 ======="),
    Command(Cmd::pEdStrRtn, Cmd::EditPopupMenu, "指定した数値で [改] 行", "SpEdStrRtn"),
    Command(Cmd::pEdStrCvDialog, Cmd::EditPopupMenu, "文字列 [変] 換", "EdStrCvDialog"),
    Command(Cmd::pEdSeikeiDialog, Cmd::EditPopupMenu, "文字列 [整] 形", "EdSeikeiDialog"),
    Command(Cmd::pEdDelDialog, Cmd::EditPopupMenu, "文字列 [削] 除", "EdDelDialog"),
    Command(Cmd::pEdStrCvTabToSpc, Cmd::EditPopupMenu, "タブ⇒半角空白変換", "SpEdStrCvTabToSpc"),
    Command(Cmd::pEdStrCvSpcToTab, Cmd::EditPopupMenu, "半角空白⇒タブ変換", "SpEdStrCvSpcToTab"),
    Command(Cmd::pEdZenSpcToHankSpc, Cmd::EditPopupMenu, "全角空白⇒半角空白２個", "EdZenSpcToHankSpc",
            scCtrl | VK_OEM_PERIOD),
    Command(Cmd::pEdHankSpcToZenSpc, Cmd::EditPopupMenu, "半角空白２個⇒全角空白", "EdHankSpcToZenSpc",
            scCtrl | VK_OEM_COMMA),
    Command(Cmd::pEdStrCvBigToSmall, Cmd::EditPopupMenu, "大文字⇒小文字変換", "SpEdStrCvBigToSmall"),
    Command(Cmd::pEdStrCvSmallToBig, Cmd::EditPopupMenu, "小文字⇒大文字変換", "SpEdStrCvSmallToBig"),
    Command(Cmd::pEdZenToHank, Cmd::EditPopupMenu, "全角⇒半角", "SpEdZenToHank"),
    Command(Cmd::pEdAlpZenToHank, Cmd::EditPopupMenu, "全角英数⇒半角英数", "SpEdAlpZenToHank"),
    Command(Cmd::pEdHankToZen, Cmd::EditPopupMenu, "半角⇒全角", "SpEdHankToZen"),
    Command(Cmd::pEdAlpHankToZen, Cmd::EditPopupMenu, "半角英数⇒全角英数", "SpEdAlpHankToZen"),
    Command(Cmd::pEdDesuToDa, Cmd::EditPopupMenu, "です・でした ⇒ だ・だった", "SpEdDesuToDa"),
    Command(Cmd::pEdDaToDesu, Cmd::EditPopupMenu, "だ・だった ⇒ です・でした", "SpEdDaToDesu"),
    Command(Cmd::pEdNumToKj, Cmd::EditPopupMenu, "全角数字⇒漢数字", "SEd2Channel"),
    Command(Cmd::pEdKaakoRtn, Cmd::EditPopupMenu, "「」に囲まれた部分を改行", "SpEdKaakoRtn"),
    Command(Cmd::pEdSpHankSp, Cmd::EditPopupMenu, "半角空白で区分", "SpEdSpHankSp"),
    Command(Cmd::pEdLogicLine, Cmd::EditPopupMenu, "論理行を段落と見なす", "SpEdLogicLine"),
    Command(Cmd::pEdInsSpc, Cmd::EditPopupMenu, "行頭に半角空白挿入", "SpEdInsSpc"),
    Command(Cmd::pEdInsTab, Cmd::EditPopupMenu, "行頭にTAB挿入", "SpEdInsTab"),
    Command(Cmd::pEdInsZenSpc, Cmd::EditPopupMenu, "行頭に全角空白挿入", "SpEdInsZenSpc"),
    Command(Cmd::pEdInsCom, Cmd::EditPopupMenu, "行頭に引用符挿入", "SpEdInsCom"),
    Command(Cmd::pEdInsNumber, Cmd::EditPopupMenu, "行頭にナンバー挿入", "SpEdInsNumber"),
    Command(Cmd::pEdSameLineDel, Cmd::EditPopupMenu, "重複行を削除", "SpEdSameLineDel"),
    Command(Cmd::pEdSpecifiedStrDel, Cmd::EditPopupMenu, "指定した文字列を削除", "SpEdSpecifiedStrDel"),
    Command(Cmd::pEdTopStrDel, Cmd::EditPopupMenu, "先頭から指定した文字数だけ削除", "SpEdTopStrDel"),
    Command(Cmd::pEdTopRtnDel, Cmd::EditPopupMenu, "行頭の改行コードを削除", "SpEdTopRtnDel"),
    Command(Cmd::pEdAllRtnDel, Cmd::EditPopupMenu, "すべての改行コードを削除", "SpEdAllRtnDel"),
    Command(Cmd::pEdTopSpcDel, Cmd::EditPopupMenu, "行頭の半角空白を削除", "SpEdTopSpcDel"),
    Command(Cmd::pEdTopTabDel, Cmd::EditPopupMenu, "行頭のTABを削除", "SpEdTopTabDel"),
    Command(Cmd::pEdTopAllTabDel, Cmd::EditPopupMenu, "行頭のTABをすべて削除", "SpEdTopAllTabDel"),
    Command(Cmd::pEdTopAllSpcDel, Cmd::EditPopupMenu, "行頭の半角・全角空白をすべて削除", "SpEdTopAllSpcDel"),
    Command(Cmd::pEdEndSpcDel, Cmd::EditPopupMenu, "行末の半角・全角空白をすべて削除", "SpEdEndSpcDel"),
    Command(Cmd::pEdZenKeisenDel, Cmd::EditPopupMenu, "罫線文字を削除", "SpEdZenKeisenDel"),
    Command(Cmd::pEdMaruKakko, Cmd::EditPopupMenu, "全角の （） で囲む", "SpEdMaruKakko"),
    Command(Cmd::pEdKakko1, Cmd::EditPopupMenu, "全角の 「」 で囲む", "SppEdKakko1"),
    Command(Cmd::pEdKakko2, Cmd::EditPopupMenu, "全角の 『』 で囲む", "SppEdKakko2"),
    Command(Cmd::pEdKakko3, Cmd::EditPopupMenu, "全角の 【】 で囲む", "SppEdKakko3"),
    Command(Cmd::pEdKakko4, Cmd::EditPopupMenu, "全角の ［］ で囲む", "SppEdKakko4"),
    Command(Cmd::pEdYomiKakko, Cmd::EditPopupMenu, "全角の 《》 で囲む", "SpEdYomiKakko"),
    Command(Cmd::pEdKakko5, Cmd::EditPopupMenu, "半角の {* *} で囲む", "SppEdKakko5"),
    Command(Cmd::pEdKakko6, Cmd::EditPopupMenu, "半角の {! !} で囲む", "SppEdKakko6"),
    Command(Cmd::pEdKakko7, Cmd::EditPopupMenu, "半角の /* */ で囲む", "SppEdKakko7"),
    Command(Cmd::pEdSingleeQutn, Cmd::EditPopupMenu, "半角の '  ' で囲む", "SpEdColon"),
    Command(Cmd::pEdDoubleQutn, Cmd::EditPopupMenu, "半角の \" \"で囲む", "SpEdDoubleQutn"),
    Command(Cmd::pEdHankMaruKakko, Cmd::EditPopupMenu, "半角の () で囲む", "SpEdHankMaruKakko"),
    Command(Cmd::pEdHankKakko, Cmd::EditPopupMenu, "半角の [] で囲む", "SpEdHankKakko"),
    Command(Cmd::pEdRtnToBr, Cmd::EditPopupMenu, "改行 ⇒ <BR>", "SpEdRtnToBr"),
    Command(Cmd::EdWebText, Cmd::EditTop, "WebText整形", "SEdWebText"),
    Command(Cmd::pEdDelphi, Cmd::EditPopupMenu, "A := B ⇒ B := A (for Delphi)", "SpEdDelphi"),
    Command(Cmd::pEdDelphiComment, Cmd::EditPopupMenu, "コメント(for Delphi)", "SpEdDelphiComment"),
    Command(Cmd::pEdAozoraBouten, Cmd::EditPopupMenu, "青空文庫の傍点", "SpEdAozoraBouten"),
};

} // namespace

std::span<const TCommandRow> CommandRegistry() { return Rows; }

const std::vector<const TCommandRow*>& KeyDialogRows()
{
    static const std::vector<const TCommandRow*> rows = [] {
        std::vector<const TCommandRow*> list;
        for (const TCommandRow& row : Rows)
            if (row.IsHeader() || row.IsKeyed())
                list.push_back(&row);
        return list;
    }();
    return rows;
}

const TCommandRow& CommandRow(TCommandId Item)
{
    for (const TCommandRow& row : Rows)
        if (row.Item == Item)
            return row;
    throw std::logic_error("command table: no command " + std::string(Item.Name()));
}

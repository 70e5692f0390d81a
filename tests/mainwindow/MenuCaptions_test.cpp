// Every menu and popup item shows the caption its Part gives, while the key
// dialog lists the commands under the command table's captions.
#include "FormFixture.h"

#include "KeyCustomForm.h"
#include "MainMenus.h"
#include "MenuLayout.h"

#include <QRegularExpression>
#include <QTreeWidget>

#include <map>
#include <set>

namespace {

// The captions the Parts give the menu items, their "&" letter included
// where they give one. A popup twin listed beside its menu item takes that
// item's caption. Corrected slips: "Delphi Coomnt" reads "Delphi Comment",
// "［削］換ダイアログを開く" reads "［削］除ダイアログを開く", and
// "現在のページを畳む," loses its comma.
// clang-format off
const std::map<std::string_view, std::string_view> PartCaptions = {
    {"FindTop", "検索(&D)"}, {"FlTextSellect", "テキスト出力(&E)"}, {"FlHtmlSave", "HTML出力(&L)"},
    {"FlTextSave", "ファイル全体を保存する"}, {"FlTextNoSave", "ファイル全体をタイトル行抜きで保存する"},
    {"FlPageTextSave", "現在のページを保存する"}, {"FlPageUnderTextSave", "現在のページを下の階層も含めて保存する"},
    {"FlPageUnderNoTextSave", "現在のページを下の階層も含めタイトル行抜きで保存する"},
    {"FlPageTreeTextSave", "現在のページを階層付きテキストとして保存する"},
    {"FlPageTabTextOut", "現在のページを下の階層も含めタブテキストで保存する"},
    {"FlPageIndentText", "現在のページを下の階層も含めインデント整形して保存する"},
    {"FlPageTextSavePart", "現在のページを下の階層も含めて個別に保存する"}, {"FlTitleSave", "タイトル行を保存する"},
    {"FlTitleIndentSave", "タイトル行をインデントして保存する"}, {"FlTitleTreeSave", "タイトル行をツリー構造で保存する"},
    {"FlTitleTreeNumberSave", "タイトル行をツリー構造で保存する"},
    {"TreeDel", "ページ削除(&D)"}, {"pTreeDel", "ページ削除"}, {"TreeNodeCopy", "ページコピー(&C)"},
    {"pTreeNodeCopy", "ページコピー"}, {"TreeNodeCut", "ページカット(&T)"}, {"pTreeNodeCut", "ページカット"},
    {"TreeNodePaste", "ページペースト(&P)"}, {"pTreeNodePaste", "ページペースト"}, {"TreeMoveUp", "上に移動(&Y)"},
    {"TreeMoveDown", "下に移動(&H)"}, {"TreeNodeUp", "階層を上げる(&U)"}, {"pTreeNodeUp", "階層を上げる"},
    {"TreeNodeDown", "階層を下げる(&J)"}, {"pTreeNodeDown", "階層を下げる"}, {"TreeUnify", "統合する(&N)"},
    {"pTreeNodeUnify", "統合する"}, {"TreeSort", "全ページをソート(&S)"},
    {"TreeChildSort", "子ページ以下をソート(&Q)"}, {"pTreeToChild", "同じ階層を子階層にする"},
    {"pTreeToFreind", "子階層のレベルを上げる"}, {"TreePagePrev", "上のページを閲覧"},
    {"TreePageNext", "下のページを閲覧"}, {"TreePagePrevSame", "上のページを閲覧（同じ階層）"},
    {"TreePageNextSame", "下のページを閲覧（同じ階層）"}, {"TreePageTop", "トップページへ"},
    {"TreePageLast", "ラストページへ"}, {"TreePageExpand", "ページを展開する"}, {"TreePageFold", "ページを折り畳む"},
    {"TreeExpand", "ツリー全体を拡げる"}, {"pTreeExpand", "ツリー全体を拡げる"}, {"TreeCollapse", "ツリー全体を畳む"},
    {"pTreeCollapse", "ツリー全体を畳む"}, {"TreeRootNodeExpand", "ルートページを拡げる"},
    {"pTreeRootNodeExpand", "ルートページを拡げる"}, {"pTreeNodeExpand", "現在のページを拡げる"},
    {"pTreeNodeCollapse", "現在のページを畳む"}, {"TreeDisp", "ツリー表示切替(&G)"},
    {"TreeNonDisp", "ツリー部を消す(&Q)"}, {"TreeScaleUp", "ツリーエリアを拡大"},
    {"TreeScaleDown", "ツリーエリアを縮小"}, {"TreeTipHelp", "チップヘルプを消す(&X)"},
    {"pTreeNodeTextCopy", "テキストコピー"}, {"pTreeURListClear", "[戻る・進む] 履歴を削除"},
    {"pTreeSubIcon", "サブアイコン"}, {"TrImage0", "なし"}, {"EdCopy", "コピー(&C)"}, {"pEdCopy", "コピー"},
    {"EdAddCopy", "追加コピー(&Q)"}, {"pEdAddCopy", "追加コピー"}, {"EdCut", "カット(&T)"}, {"pEdCut", "カット"},
    {"EdPaste", "ペースト(&P)"}, {"pEdPaste", "ペースト"}, {"EdDel", "削除(&D)"}, {"pEdDel", "削除"},
    {"EdAllSel", "全て選択(&A)"}, {"pEdAllSel", "すべて選択"}, {"EdUndo", "元に戻す(&U)"}, {"pEdUndo", "元に戻す"},
    {"EdRedo", "元に戻すを戻す(&R)"}, {"pEdRedo", "元に戻すを戻す"}, {"EdImeReconv", "IME再変換(&V)"},
    {"pEdImeReconv", "IME再変換"}, {"EdDate", "日付(&Y)"}, {"EdTime", "時刻(&H)"}, {"EdDateTime", "日付+時刻(&N)"},
    {"EdDateCustom", "日付・時刻の設定(&L)"}, {"EdOverWrite", "上書・挿入(&I)"}, {"EdSecondCut", "カット２"},
    {"EdMark", "記号挿入(&M)"}, {"EdSort", "ソート(&S)"}, {"EdPageDevide", "ページ分割(&W)"},
    {"pEdPageDevide", "ページ分割"}, {"SetMark0", "Mark0"}, {"SetMark1", "Mark1"}, {"SetMark2", "Mark2"},
    {"SetMark3", "Mark3"}, {"SetMark4", "Mark4"}, {"SetMark5", "Mark5"}, {"SetMark6", "Mark6"}, {"SetMark7", "Mark7"},
    {"SetMark8", "Mark8"}, {"SetMark9", "Mark9"}, {"Jump0", "Jump0"}, {"Jump1", "Jump1"}, {"Jump2", "Jump2"},
    {"Jump3", "Jump3"}, {"Jump4", "Jump4"}, {"Jump5", "Jump5"}, {"Jump6", "Jump6"}, {"Jump7", "Jump7"},
    {"Jump8", "Jump8"}, {"Jump9", "Jump9"}, {"EdLinkExecute", "リンク実行"}, {"FdGoFind", "検索(&F)"},
    {"FdForwardFind", "下検索"}, {"FdBackFind", "上検索"}, {"FdFindList", "検索リストを表示"},
    {"FdFindListClose", "検索リストを閉じる"}, {"FdUndoHitCol", "ヒット文字列の色を戻す"}, {"FdReplace", "置換(&R)"},
    {"FdFastReplace", "高速置換(&E)"}, {"FdExtractLine", "検索行抽出(&L)"},
    {"OpMoveWindow", "分割窓の移動とTabUnIndent"}, {"FdGoTop", "先頭へ(&T)"},
    {"FdGoBottom", "最後へ(&G)"}, {"OpMain", "設定(&S)"}, {"OpKeyCustom", "キーカスタマイズ(&K)"},
    {"OpBoxSel", "矩形選択(&B)"}, {"OpSplit", "画面上下分割(&H)"}, {"OpSplitRead", "閲覧専用画面を開く(&L)"},
    {"OpClip", "クリッピング(&P)"}, {"OpWebTextMenu", "WebText整形オプション"}, {"WeOpTopRtnDel", "空白行の削除"},
    {"WeOphyphen", "ハイフン80文字"}, {"WeOpTopSpcDel", "行頭の半角空白をすべて削除"},
    {"WeOpHKToZK", "｢｣( ) ､ ｡ ? ! を全角に"}, {"WeOpHs2ToZs", "半角空白２個を全角空白１個に"},
    {"WeOpLogicLine", "論理行を段落とみなす"}, {"OpEditMode", "編集モード(&E)"}, {"subText", "Text(&T)"},
    {"subDelphi", "Delphi(&D)"}, {"subHSP", "HSP(&H)"}, {"subCplus", "C/C++(&C)"}, {"subVB", "VB(&B)"},
    {"subUSR", "User(&U)"}, {"subHTML", "HTML(&M)"}, {"OpGenkou", "原稿用紙換算(&G)"},
    {"OpInsNoInit", "ナンバー文字列を初期化する"}, {"OpCheckKakko", "「 」 の数をチェックする"},
    {"OpAssociation", "vk2を関連付ける(&N)"}, {"OpLoadColor", "カラー設定読込(&R)"},
    {"OpSaveColor", "カラー設定書込(&W)"}, {"OpLoadSubIcon", "サブアイコンを再登録(&I)"},
    {"OpTbFileShow", "ファイル"}, {"OpTbTreeShow", "ツリー"}, {"OpTbEditShow", "エディタ"},
    {"OpTbFontShow", "フォント＆マーク"}, {"OpTbStringShow", "文字列処理"}, {"OpSubMoveLink", "移動・リンク"},
    {"OpSubStrAdmin", "文字列処理"}, {"pEdLineCopy", "論理行をコピー"}, {"pEdLineCut", "論理行をカット"},
    {"HpTopic", "トピック(&H)"}, {"HpOtherHelp", "外部ヘルプ実行(&J)"}, {"HpSample", "sample.vk2を開く"},
    {"HpVersion", "Version情報(&A)"}, {"pEdStrRtn", "指定した数値で改行"}, {"pEdStrCv", "文字列変換"},
    {"pEdStrSeikei", "文字列整形"}, {"pEdStrDel", "文字列削除"}, {"pEdStrCvDialog", "［変］換ダイアログを開く"},
    {"pEdSeikeiDialog", "［整］形ダイアログを開く"}, {"pEdDelDialog", "［削］除ダイアログを開く"},
    {"pEdStrCvTabToSpc", "タブ⇒半角空白"}, {"pEdStrCvSpcToTab", "半角空白⇒タブ"},
    {"pEdStrCvTabToComma", "タブ⇒コンマ"}, {"pEdZenSpcToHankSpc", "全角空白⇒半角空白２個"},
    {"pEdHankSpcToZenSpc", "半角空白２個⇒全角空白"}, {"pEdStrCvBigToSmall", "大文字⇒小文字"},
    {"pEdStrCvSmallToBig", "小文字⇒大文字"}, {"pEdZenToHank", "全角⇒半角"},
    {"pEdAlpZenToHank", "全角英数⇒半角英数(&Z)"}, {"pEdHankToZen", "半角⇒全角"},
    {"pEdAlpHankToZen", "半角英数⇒全角英数(&H)"}, {"pEdStrCvKanaToHira", "全カナ⇒全ひら"},
    {"pEdStrCvHiraToKana", "全ひら⇒全カナ"}, {"pEdDesuToDa", "です・でした ⇒ だ・だった"},
    {"pEdDaToDesu", "だ・だった ⇒ です・でした"}, {"pEdNumToKj", "全角数字⇒漢数字"},
    {"pEdKaakoRtn", "「 」に囲まれた文を改行"}, {"pEdSpHankSp", "半角スペースで区分"},
    {"pEdLogicLine", "論理行を段落と見なす"}, {"pEdInsSpc", "行頭に半角空白挿入"}, {"pEdInsTab", "行頭にTAB挿入"},
    {"pEdInsZenSpc", "行頭に全角空白挿入"}, {"pEdInsCom", "行頭に引用符挿入"}, {"pEdInsNumber", "行頭にナンバー挿入"},
    {"pEdStrReverse", "文字列反転"}, {"pEdAlpNumTopUpper", "英数文字列の一番先頭を大文字に"},
    {"pEdSameLineDel", "重複行を削除"}, {"pEdSpecifiedStrDel", "指定した文字列を一括削除"},
    {"pEdTopStrDel", "先頭から指定した文字数"}, {"pEdTopRtnDel", "行頭の改行コード"},
    {"pEdAllRtnDel", "すべての改行コード"}, {"pEdTopSpcDel", "行頭の半角空白"}, {"pEdTopTabDel", "行頭のTAB"},
    {"pEdTopAllTabDel", "行頭にあるすべてのTAB"}, {"pEdTopAllSpcDel", "行頭にあるすべての全角半角空白"},
    {"pEdSpcDel", "すべての半角空白"}, {"pEdEndSpcDel", "行末にあるすべての全角半角空白"},
    {"pEdZenSpcZenDel", "全角文字に挟まれた半角空白"}, {"pEdTop2LineRtnDel", "２回以上連続する行頭の改行コード"},
    {"pEdZenRtnZenDel", "全角文字で挟まれた改行コード"}, {"pEdZenKeisenDel", "罫線文字"}, {"pEdRtnToBr", "改行⇒<BR>"},
    {"EdWebText", "Webテキスト整形"}, {"pEdDelphi", "A := B ⇒ B := A"}, {"pEdDelphiComment", "Delphi Comment"},
    {"pEdAozoraBouten", "青空文庫の傍点"},
};
// clang-format on

// Items no Part gives a menu caption: the file menu's, the menus the layout
// groups items into, the popup items named only by the command table (they
// show its caption) and the few fixed items of the program's own.
const std::set<std::string_view> NoPartCaption = {
    "FileTop",        "TreeTop",       "EditTop",         "OptionTop",      "HelpTop",        "FlNew",
    "FlOpen",         "FlSave",        "FlOverSave",      "FlSaveAs",       "FlPageTextLoad", "FlTreeTextOpen",
    "FlTreeTextSave", "FlHistory",     "FlHistoryTr",     "FlGoVelk2000",   "FlExit",         "TreeIns",
    "pTreeIns",       "TreeAdd",       "pTreeAdd",        "TreeAddChild",   "pTreeAddChild",  "TreePageMoveMenu",
    "TreeFoldMenu",   "TreeAreaMenu",  "EdKeyImagePopUp", "TreePageUndo",   "TreePageRedo",   "pTreeLoadTexToMakePage",
    "TabClose",       "ReLoad",        "EdDateTimeMenu",  "EdAllView",      "pEdCalc",        "EdLineMenu",
    "EdLinkMenu",     "EdAlignMenu",   "EdSetMarkMenu",   "EdJumpMarkMenu", "EdLineDel",      "EdInsRtn",
    "EdLineTop",      "EdLineEnd",     "EdFromTop",       "EdToEnd",        "EdIndent",       "EdUnIndent",
    "EdLinkSel",      "EdLeftPos",     "EdCenterPos",     "EdRightPos",     "EdParenMark",    "EdBeforePage",
    "FdGoSubIcon",    "OpToolbarMenu", "pEdGoTop",        "pEdGoBottom",    "pEdSetMark",     "pEdJumpMark",
    "pEdFileLink",    "pEdPageLink",   "pEdGoHide",       "pEdKeisen",      "pEdComment",     "pEdStrSeikeiKakomu",
    "pEdMaruKakko",   "pEdKakko1",     "pEdKakko2",       "pEdKakko3",      "pEdKakko4",      "pEdYomiKakko",
    "pEdKakko5",      "pEdKakko6",     "pEdKakko7",       "pEdSingleeQutn", "pEdDoubleQutn",  "pEdHankMaruKakko",
    "pEdHankKakko"};

// The caption with a trailing "(&X)" taken off.
QString WithoutAccelerator(const QString& Caption)
{
    static const QRegularExpression accelerator(QStringLiteral("\\(&.\\)$"));
    return QString(Caption).remove(accelerator);
}

void WalkItems(const TMenuItem& Menu, std::set<std::string_view>& Seen)
{
    for (int i = 0; i < Menu.Count(); ++i) {
        const TMenuItem& item = *Menu.Items(i);
        WalkItems(item, Seen);
        if (item.IsLine())
            continue;
        const auto found = PartCaptions.find(item.Name());
        if (found == PartCaptions.end()) {
            EXPECT_TRUE(NoPartCaption.contains(item.Name()))
                << item.Name() << ": add the caption its Part gives to PartCaptions";
            continue;
        }
        Seen.insert(found->first);
        const QString expected = QString::fromUtf8(found->second.data(), static_cast<qsizetype>(found->second.size()));
        // A letter the Part does not give is the layout's own choice.
        const QString shown =
            expected.contains(QStringLiteral("(&")) ? item.Caption() : WithoutAccelerator(item.Caption());
        EXPECT_EQ(shown.toStdString(), expected.toStdString()) << item.Name();
    }
}

TEST(MenuCaptions, EveryMenuAndPopupItemShowsItsPartsCaption)
{
    TVelkMenus menus;
    std::set<std::string_view> seen;
    WalkItems(menus.MainMenu().Items(), seen);
    for (const TMenuEntry& entry : MenuLayout())
        if (entry.Kind == TMenuEntryKind::Popup)
            WalkItems(menus.Popup(entry.Id)->Items(), seen);
    for (const auto& [name, caption] : PartCaptions)
        EXPECT_TRUE(seen.contains(name)) << name << " is in no menu";
}

// The key dialog keeps the command table's captions where the menus show
// their own: the row and caption of each.
TEST_F(FormTest, TheKeyDialogListsTheCommandTableCaptions)
{
    StartShown();
    const std::vector<std::pair<int, std::string>> rows = {
        {14, "削除"},
        {38, "現在のページを畳む"},
        {51, "すべて選択"},
        {57, "日付＋時刻"},
        {58, "マーク挿入"},
        {104, "外部ヘルプ"},
        {106, "指定した数値で [改] 行"},
        {107, "文字列 [変] 換"},
        {109, "文字列 [削] 除"},
        {110, "タブ⇒半角空白変換"},
        {123, "「」に囲まれた部分を改行"},
        {124, "半角空白で区分"},
        {136, "行頭の半角空白を削除"},
        {156, "WebText整形"},
        {158, "コメント(for Delphi)"},
    };
    std::vector<std::pair<int, std::string>> listed;
    dialogs.AnswerForm([&](QDialog& Dialog) {
        const QTreeWidget* list = static_cast<TKeyForm&>(Dialog).ListView1;
        for (const auto& [row, caption] : rows)
            listed.emplace_back(row, list->topLevelItem(row)->text(0).toStdString());
        return mrCancel;
    });
    form->MenuItem("OpKeyCustom")->Click();
    EXPECT_EQ(listed, rows);
}

} // namespace

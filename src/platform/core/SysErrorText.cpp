#include "SysErrorText.h"

#include "SysUtils.h"

#include <cerrno>

std::string SysErrorMessage(int Errno)
{
    switch (Errno) {
    case ENOENT: return "ファイルまたはフォルダーが見つかりません。";
    case ENOTDIR: return "パスの途中にフォルダーでないものがあります。";
    case EACCES:
    case EPERM: return "アクセスが拒否されました。";
    case EISDIR: return "フォルダーです。";
    case ENOSPC:
    case EDQUOT: return "ディスクの空き容量が足りません。";
    case EROFS: return "読み出し専用のファイルシステムです。";
    case ENAMETOOLONG: return "ファイル名が長すぎます。";
    case EEXIST: return "同じ名前のファイルがすでに存在します。";
    case EBUSY:
    case ETXTBSY: return "ファイルは使用中です。";
    case EFBIG: return "ファイルが大きすぎます。";
    case EIO: return "入出力エラーが発生しました。";
    case EMFILE:
    case ENFILE: return "開いているファイルが多すぎます。";
    case ENOMEM: return "メモリが足りません。";
    case ELOOP: return "シンボリックリンクが多すぎます。";
    case EINVAL: return "通常のファイルではないか、指定が正しくありません。";
    case ENOTEMPTY: return "フォルダーが空ではありません。";
    case EXDEV: return "別のファイルシステムへは移動できません。";
    default: return Format("システムエラーが発生しました（エラー番号 %d）。", Errno);
    }
}
